#include "common/Ansi1252.h"

#include <array>

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHoegaKoder = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

int ansiCode(QChar tecken)
{
    const char16_t u = tecken.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHoegaKoder.size()); ++i) {
        if (kHoegaKoder[i] == u)
            return 0x80 + i;
    }
    return -1;
}

QChar ansiChar(int kod)
{
    if (kod < 0 || kod > 0xFF)
        return QChar();
    if (kod >= 0x80 && kod < 0xA0)
        return QChar(kHoegaKoder[kod - 0x80]);
    return QChar(char16_t(kod));
}

QString fraanAnsi(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ut = text.data();
    for (const char b : bytes)
        *ut++ = ansiChar(static_cast<unsigned char>(b));
    return text;
}

AnsiKodning tillAnsi(const QString& text)
{
    AnsiKodning resultat;
    resultat.bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int kod = ansiCode(text[i]);
        if (kod < 0) {
            resultat.felIndex = i;
            const bool par = text[i].isHighSurrogate() && i + 1 < text.size()
                             && text[i + 1].isLowSurrogate();
            resultat.felTecken = text.mid(i, par ? 2 : 1);
            return resultat;
        }
        resultat.bytes.append(char(kod));
    }
    return resultat;
}
