#include "common/TextConversion.h"

#include "common/Ansi1252.h"
#include "common/ExerciseFormat.h"
#include "common/TextFile.h"

#include <algorithm>
#include <utility>

namespace {

qsizetype sistaAvskiljare(const QString& soekvaeg)
{
    return std::max(soekvaeg.lastIndexOf(u'\\'), soekvaeg.lastIndexOf(u'/'));
}

bool aerTillaatenKod(int kod)
{
    return (kod >= 32 && kod <= 39) || (kod >= 42 && kod <= 60) || (kod >= 62 && kod <= 90)
           || kod == 92 || (kod >= 94 && kod <= 255);
}

// Splits `text` at the first `tecken`: the part after it goes to `efter`,
// the part before stays in `text`. A split character in first place empties
// `text` and leaves `efter` untouched.
void delaVid(QString& text, QChar tecken, QString* efter)
{
    const qsizetype p = text.indexOf(tecken);
    if (p < 0)
        return;
    if (p == 0) {
        text.clear();
        return;
    }
    if (efter)
        *efter = text.mid(p + 1);
    text.truncate(p);
}

// code page 850 -> Windows-1252 for 128..255; 0 keeps the code.
constexpr unsigned char kDosTabell[128] = {
    // 128..159
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0, 0, 0, 0, 0,
    // 160..191
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0xC1, 0xC2, 0xC0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 192..223
    0, 0, 0, 0, 0, 0, 0xE3, 0xC3, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0xCA, 0xCB, 0xC8, 0, 0xCD, 0xCE, 0xCF, 0, 0, 0, 0, 0, 0xCC, 0,
    // 224..255
    0xD3, 0xDF, 0xD4, 0xD2, 0xF5, 0xD5, 0xB5, 0, 0, 0xDA, 0xDB, 0xD9, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

}  // namespace

QString HaemtaKatalog(const QString& soekvaeg)
{
    const qsizetype p = sistaAvskiljare(soekvaeg);
    return p < 0 ? soekvaeg : soekvaeg.left(p + 1);
}

QString HaemtaFilnamn(const QString& soekvaeg)
{
    const qsizetype p = sistaAvskiljare(soekvaeg);
    return p < 0 ? soekvaeg : soekvaeg.mid(p + 1);
}

QString KonverteraText(const QString& text)
{
    QString resultat;
    for (const QString& rad : delaIRader(text)) {
        if (rad.isEmpty())
            continue;
        const QString ny = KonverteraRad(rad);
        if (!ny.isEmpty())
            resultat += ny + QStringLiteral("\r\n");
    }
    return resultat;
}

QString KonverteraRad(const QString& rad)
{
    QString faelt1 = rad;
    QString faelt2;
    QString faelt3;
    QString faelt4;

    // "(" wins over "=" wherever the "=" stands.
    delaVid(faelt1, faelt1.contains(u'(') ? u'(' : u'=', &faelt3);
    if (faelt1.isEmpty())
        return {};
    delaVid(faelt1, u'[', &faelt2);
    if (faelt1.isEmpty())
        return {};
    delaVid(faelt3, u'[', &faelt4);

    RensaFaelt(faelt1);
    RensaFaelt(faelt2);
    RensaFaelt(faelt3);
    RensaFaelt(faelt4);
    if (faelt1.isEmpty())
        return {};

    return OevningsRad(Uppgift{faelt1, faelt2, faelt3, faelt4});
}

void RensaFaelt(QString& faelt)
{
    QString rensat;
    rensat.reserve(faelt.size());
    for (const QChar c : std::as_const(faelt)) {
        if (aerTillaatenKod(ansiCode(c)))
            rensat.append(c);
    }
    qsizetype boerjan = 0;
    while (boerjan < rensat.size() && rensat[boerjan] == u' ')
        ++boerjan;
    qsizetype slut = rensat.size();
    while (slut > boerjan && rensat[slut - 1] == u' ')
        --slut;
    faelt = rensat.mid(boerjan, slut - boerjan);
}

QString KonverteraFraanDos(const QString& text)
{
    QString resultat = text;
    for (QChar& c : resultat) {
        const int kod = ansiCode(c);
        if (kod >= 0)
            c = ansiChar(DosTeckenTillAnsi(kod));
    }
    return resultat;
}

int DosTeckenTillAnsi(int kod)
{
    if (kod < 128 || kod > 255)
        return kod;
    const int ny = kDosTabell[kod - 128];
    return ny == 0 ? kod : ny;
}
