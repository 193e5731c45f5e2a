#include "settings/InstaellningsRegler.h"

#include <QRegularExpression>

#include <algorithm>

QString raettadTid(const QString& text, int aktuell)
{
    // Only digits, with a sign at most: a whole number, however long.
    static const QRegularExpression heltal(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = text.trimmed();
    if (!heltal.match(t).hasMatch())
        return QString::number(aktuell);
    bool ok = false;
    const int tal = t.toInt(&ok);
    // A number too long for an int lies far outside 1..10, on its sign's side.
    const bool foerLitet = ok ? tal < 1 : t.startsWith('-');
    const bool foerStort = ok ? tal > 10 : !t.startsWith('-');
    if (foerLitet)
        return QStringLiteral("1");
    if (foerStort)
        return QStringLiteral("10");
    return text;
}

Styrningsbyte bytStyrning(int alternativ, const Styrning& foere)
{
    Styrningsbyte b{foere, false, std::nullopt};
    Styrning& s = b.efter;
    const auto slaaPaaTavlan = [&](bool mus) {
        s.tavlaPaa = true;
        s.musStyrning = mus;
        b.visaTavla = true;
        b.sparat = alternativ;
    };
    switch (alternativ) {
    case 0:
        if (s.tavlaPaa) {
            s = Styrning{};
            b.visaTavla = true;
            b.sparat = 0;
        }
        break;
    case 1:
        if (!s.tavlaPaa) {
            slaaPaaTavlan(true);
        } else if (!s.musStyrning) {
            s.enTangent = false;
            s.musStyrning = true;
            b.sparat = 1;
        }
        break;
    case 2:
        if (!s.tavlaPaa) {
            slaaPaaTavlan(false);
        } else if (s.musStyrning) {
            s.musStyrning = false;
            b.sparat = 2;
        } else if (s.enTangent) {
            s.enTangent = false;
            b.sparat = 2;
        }
        break;
    case 3:
        if (!s.tavlaPaa) {
            slaaPaaTavlan(false);
        } else if (s.musStyrning) {
            s.musStyrning = false;
            b.sparat = 3;
        }
        if (!s.enTangent) {
            s.enTangent = true;
            b.sparat = 3;
        }
        break;
    default:
        break;
    }
    return b;
}

int valdStyrning(const Styrning& s)
{
    if (!s.tavlaPaa)
        return 0;
    if (s.enTangent)
        return 3;
    return s.musStyrning ? 1 : 2;
}

int provstorlek(int start, int maal, const std::function<int(int)>& hoejd)
{
    constexpr int Minst = 1;
    constexpr int Stoerst = 400;
    int storlek = std::clamp(start, Minst, Stoerst);
    int h = hoejd(storlek);
    while (h < maal && storlek < Stoerst) {
        const int ny = hoejd(storlek + 1);
        if (ny == h)
            break;
        ++storlek;
        h = ny;
    }
    while (h > maal && storlek > Minst) {
        const int ny = hoejd(storlek - 1);
        if (ny == h)
            break;
        --storlek;
        h = ny;
    }
    return storlek;
}

QRectF provPlats(int index, double bredd, double hoejd, double sidbredd, double sidhoejd)
{
    const double mellanrum = (sidbredd - 3 * bredd) / 4;
    const double radmellanrum = (sidhoejd - 2 * hoejd) / 3;
    const int kolumn = index % 3;
    const int rad = index / 3;
    return QRectF(mellanrum + kolumn * (bredd + mellanrum), radmellanrum + rad * (hoejd + radmellanrum), bredd,
                  hoejd);
}

QString mappMedSnedstreck(const QString& mapp)
{
    return mapp.endsWith('/') ? mapp : mapp + '/';
}
