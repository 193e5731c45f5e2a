#include "trainer/Loggbok.h"

#include "common/ModPluvo.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString laegesNamn(int tillstaand)
{
    switch (tillstaand) {
    case PluvoVisar: return QStringLiteral("Pluvo - ");
    case Laeser: return QStringLiteral("Läs - ");
    case TestVisar: return QStringLiteral("Test - ");
    default: return QString();
    }
}

}  // namespace

bool Loggbok::harOeppenRad() const
{
    // An empty logbook has no line to close.
    return !m_text.isEmpty() && !m_text.endsWith(CRLF);
}

void Loggbok::avslutaOeppenRad()
{
    if (harOeppenRad())
        m_text += CRLF;
}

void Loggbok::skrivInlaesning(const QString& aktuellOevning, const QString& tid)
{
    // A wrong-key line left open must not swallow the load line.
    avslutaOeppenRad();
    m_text += "**** " + aktuellOevning + " - " + tid + " ****" + CRLF + CRLF;
}

void Loggbok::skrivKoerningsHuvud(int tillstaand, bool blandad, bool omvaend, int antalOrd,
                                  const QString& tid)
{
    QString rad = laegesNamn(tillstaand);
    if (blandad)
        rad += QStringLiteral("slumpmässig ordning - ");
    if (omvaend)
        rad += QStringLiteral("omvänd övning - ");
    rad += "Antal ord: " + QString::number(antalOrd) + " - " + tid + CRLF;
    m_text += rad;
}

void Loggbok::skrivFelTangent(const QString& ord, const QString& foerklaring, int position,
                              QChar tecken)
{
    if (harOeppenRad()) {
        m_text += QChar('\\');
        m_text += tecken;
        return;
    }
    QString rad = ord;
    if (!foerklaring.isEmpty())
        rad += " (" + foerklaring + ")";
    rad += " - " + ord.left(position) + tecken;
    m_text += rad;
}

void Loggbok::avslutaFelrad()
{
    avslutaOeppenRad();
}

void Loggbok::skrivOrdetVisades(const QString& ord, const QString& foerklaring,
                                bool ordFelRaeknat)
{
    // A counted word gets its line end here even when its wrong-key line was
    // closed already (an empty line then stands before this one); a line left
    // open by an uncounted key is closed so this line starts on its own.
    if (ordFelRaeknat || harOeppenRad())
        m_text += CRLF;
    QString rad = "Ordet visades - " + ord;
    if (!foerklaring.isEmpty())
        rad += "(" + foerklaring + ")";
    m_text += rad + CRLF;
}

void Loggbok::skrivVidareTillNaesta()
{
    m_text += QStringLiteral("Vidare till nästa utan att skriva ordet") + CRLF;
}

void Loggbok::skrivAvbruten(int kvar, const QString& tid)
{
    avslutaOeppenRad();
    m_text += "Övningen avbruten - " + QString::number(kvar) + " ord kvar - " + tid + CRLF + CRLF;
}

void Loggbok::skrivGenomfoerd(const QString& tid)
{
    m_text += "Övningen genomförd - " + tid + CRLF + CRLF;
}

bool LoggbokHarInnehaall(const QString& text)
{
    const qsizetype radslut = text.indexOf(CRLF);
    if (radslut < 0)
        return false;
    return text.size() - (radslut + 2) >= 3;
}
