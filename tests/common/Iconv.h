#pragma once

#include <QString>
#include <iconv.h>
#include <optional>

// One byte of a code page turned into Unicode by the system's iconv, the
// reference our own tables are checked against. Nothing when iconv has no
// character for the byte.
inline std::optional<QString> iconvByteTillText(const char* kodsida, unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", kodsida);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char ut[8] = {};
    char* inPek = in;
    char* utPek = ut;
    size_t inKvar = 1;
    size_t utKvar = sizeof ut;
    const size_t svar = iconv(cd, &inPek, &inKvar, &utPek, &utKvar);
    iconv_close(cd);
    if (svar == static_cast<size_t>(-1))
        return std::nullopt;
    return QString::fromUtf8(ut, static_cast<qsizetype>(sizeof ut - utKvar));
}
