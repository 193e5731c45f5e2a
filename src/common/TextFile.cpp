#include "common/TextFile.h"

#include "common/Ansi1252.h"

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool aerFortsaettning(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

}  // namespace

bool aerGiltigUtf8(const QByteArray& bytes, bool& harFlerbyte)
{
    harFlerbyte = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int foeljande;
        char32_t kod;
        char32_t minsta;
        if (b >= 0xC2 && b <= 0xDF) {
            foeljande = 1; kod = b & 0x1F; minsta = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            foeljande = 2; kod = b & 0x0F; minsta = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            foeljande = 3; kod = b & 0x07; minsta = 0x10000;
        } else {
            return false;
        }
        if (n - i - 1 < foeljande)
            return false;
        for (int k = 1; k <= foeljande; ++k) {
            if (!aerFortsaettning(p[i + k]))
                return false;
            kod = (kod << 6) | (p[i + k] & 0x3F);
        }
        if (kod < minsta || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
            return false;
        harFlerbyte = true;
        i += foeljande + 1;
    }
    return true;
}

QString avkodaTextfil(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.constData() + kUtf8Bom.size(), bytes.size() - kUtf8Bom.size());
    bool harFlerbyte = false;
    if (aerGiltigUtf8(bytes, harFlerbyte) && harFlerbyte)
        return QString::fromUtf8(bytes);
    return fraanAnsi(bytes);
}

QStringList delaIRader(const QString& text)
{
    QStringList rader;
    qsizetype boerjan = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        rader.append(text.mid(boerjan, i - boerjan));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        boerjan = i + 1;
    }
    if (boerjan < n)
        rader.append(text.mid(boerjan));
    return rader;
}
