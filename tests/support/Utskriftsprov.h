#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// Prints to PDF files instead of a printer for the time of a test and reads
// them back with pdftotext.
namespace TestSupport {

// One printed word with its box in points.
struct PdfOrd {
    QString text;
    int sida;  // from 1
    double x0, y0, x1, y1;
};

class Utskriftsprov {
public:
    // The print dialog answers with `kopior` copies, or is cancelled when
    // nothing is given.
    explicit Utskriftsprov(std::optional<int> kopior = 1);
    ~Utskriftsprov();

    // The printer cannot start: every job goes to a folder that is missing.
    void laatSkrivarenFela() { m_fela = true; }
    // The dialog prints to the PDF file valdFil() instead of a printer.
    void skrivTillFil() { m_tillFil = true; }
    QString valdFil() const;

    int dialoger = 0;   // how often the print dialog was shown
    int jobb = 0;       // jobs started since the test began
    QList<int> kopiorPerJobb;  // the copies the printer made of each job

    QString pdfFil(int jobb) const;
    // The job's text as pdftotext gives it, pages ended by a form feed.
    QString text(int jobb) const;
    // The job's lines page by page, each line trimmed at its end, the empty
    // lines at the end of a page left out.
    QList<QStringList> sidor(int jobb) const;
    QList<QStringList> sidor(const QString& pdf) const;
    // Every word of the job with its place.
    QList<PdfOrd> ord(int jobb) const;

private:
    QTemporaryDir m_mapp;
    std::optional<int> m_kopior;
    bool m_fela = false;
    bool m_tillFil = false;
};

}  // namespace TestSupport
