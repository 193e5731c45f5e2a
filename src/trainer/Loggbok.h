#pragma once

#include <QChar>
#include <QString>

// The logbook of one program run: one text with CRLF line ends that is only
// ever appended to. It is kept as a plain string rather than in a text
// widget, since Qt's text widgets would turn the line ends into "\n".
// Each writer has its own method with the exact line texts; the time text
// is handed in, so the caller decides which clock reading it uses.
class Loggbok {
public:
    const QString& text() const { return m_text; }

    // A wrong-key line has been started and not yet closed.
    bool harOeppenRad() const;

    // An exercise was loaded; `aktuellOevning` is the current-exercise line
    // as the loader has just set it.
    void skrivInlaesning(const QString& aktuellOevning, const QString& tid);

    // A run starts; `tillstaand` is the run state (PluvoVisar, Laeser or
    // TestVisar) that names the mode.
    void skrivKoerningsHuvud(int tillstaand, bool blandad, bool omvaend, int antalOrd,
                             const QString& tid);

    // A key not accepted for the letter at `position` (0-based) of `ord`.
    void skrivFelTangent(const QString& ord, const QString& foerklaring, int position,
                         QChar tecken);

    // A right letter: closes the wrong-key line when one is open.
    void avslutaFelrad();

    // Backspace showed the word again.
    void skrivOrdetVisades(const QString& ord, const QString& foerklaring, bool ordFelRaeknat);

    // Enter passed a shown word over.
    void skrivVidareTillNaesta();

    // Esc aborted the run with `kvar` words left.
    void skrivAvbruten(int kvar, const QString& tid);

    // The run came to its end.
    void skrivGenomfoerd(const QString& tid);

private:
    void avslutaOeppenRad();

    QString m_text;
};

// True when the logbook holds more than a single line: at least three
// characters follow its first line end. A logbook holding only the load line
// of the start-up reload counts as empty.
bool LoggbokHarInnehaall(const QString& text);
