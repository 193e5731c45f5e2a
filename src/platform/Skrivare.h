#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class QPainter;
class QPrinter;

// The error number a print failure reports to the teacher.
inline constexpr int SkrivarFelNummer = 482;

// The printer as the print routines use it: the print dialog chooses the
// printer and the number of copies, then jobs are printed one after another
// on it. Positions and sizes are in the printer's own unit (its device
// pixels), measured from the top left corner of the printable area.
class Skrivare {
public:
    Skrivare();
    ~Skrivare();
    Skrivare(const Skrivare&) = delete;
    Skrivare& operator=(const Skrivare&) = delete;

    // Shows the print dialog, modal and owned by `aegare`, starting at one
    // copy. False when it is cancelled. The copies chosen are kept for
    // SkrivKopior and the printer itself is set back to one copy, since the
    // program prints every copy itself.
    bool VisaDialog(QWidget* aegare);

    // Prints every copy chosen in the dialog, each drawn by `skrivKopia`
    // from the top of a fresh page. To a printer each copy is a print job
    // of its own; printed to a file, the copies follow one another in that
    // one file, since a second job would replace the first. False as soon
    // as the printer cannot start, cannot begin a new page or cannot finish
    // the document, or `skrivKopia` fails.
    bool SkrivKopior(const QString& dokumentnamn, const std::function<bool()>& skrivKopia);
    bool NySida();

    void SaettTeckensnitt(const QString& namn);
    void SaettStorlek(double punkter);
    double TeckenStorlek() const { return m_font.pointSizeF(); }

    double TextWidth(const QString& text) const;
    // The height of one printed line.
    double TextHeight(const QString& text) const;
    // The printable area.
    double ScaleWidth() const;
    double ScaleHeight() const;

    double CurrentX = 0;
    double CurrentY = 0;

    // Prints the text with its top at CurrentY and moves to the next line:
    // CurrentX back to 0, CurrentY one line further down.
    void Print(const QString& text);

private:
    bool StartaJobb(const QString& dokumentnamn);
    bool AvslutaJobb();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    int m_kopior = 1;
    bool m_tillFil = false;  // the dialog chose a file, not a printer
    int m_jobb = 0;
};

// A job as it starts: its number counted from 1 since the dialog, and the
// copies the printer is set to make of it.
struct UtskriftsJobb {
    int nummer;
    int kopior;
};

// How the print dialog was answered: the copies, and the PDF file chosen
// to print to ("" for a printer).
struct UtskriftsDialogSvar {
    int kopior = 1;
    QString fil;
};

// For tests: answers the print dialog (`dialog` gives the answer, or
// nothing for Cancel) and sends each job meant for a printer to the PDF
// file `pdfFil` names. A file that cannot be written makes the printer fail
// to start. Empty functions restore the real dialog and printer.
struct UtskriftsSeam {
    std::function<std::optional<UtskriftsDialogSvar>()> dialog;
    std::function<QString(const UtskriftsJobb& jobb)> pdfFil;
};
void saettUtskriftsSeam(UtskriftsSeam seam);
