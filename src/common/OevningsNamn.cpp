#include "common/OevningsNamn.h"

#include "common/TextConversion.h"

#include <array>

namespace {

struct OevningsTypRad {
    const char* aendelse;
    const char* namn;
    int typ;
};

constexpr std::array<OevningsTypRad, 5> Typtabell{{
    {"rtt", "Rättstavning", 1},
    {"ord", "Ordkunskap", 2},
    {"glo", "Glosor", 3},
    {"tst", "Övrigt", 4},
    {"gls", "Glosor med ljud", 5},
}};

}  // namespace

QString OevningsTypFraanFil(const QString& Soekvaeg)
{
    const QString aendelse = Soekvaeg.right(3).toLower();
    for (const OevningsTypRad& rad : Typtabell) {
        if (aendelse == QLatin1String(rad.aendelse))
            return QString::fromUtf8(rad.namn);
    }
    return QString();
}

QString OevningsTypNamn(int typ)
{
    for (const OevningsTypRad& rad : Typtabell) {
        if (rad.typ == typ)
            return QString::fromUtf8(rad.namn);
    }
    return QString();
}

int OevningsTypNummer(const QString& typNamn)
{
    for (const OevningsTypRad& rad : Typtabell) {
        if (!typNamn.isEmpty() && typNamn == QString::fromUtf8(rad.namn))
            return rad.typ;
    }
    return 0;
}

QString OevningsTypAendelse(int typ)
{
    for (const OevningsTypRad& rad : Typtabell) {
        if (rad.typ == typ)
            return u'.' + QLatin1String(rad.aendelse);
    }
    return QString();
}

QString OevningsNamnAvSoekvaeg(const QString& Soekvaeg)
{
    const QString filnamn = HaemtaFilnamn(Soekvaeg);
    if (filnamn.size() <= 4)
        return QString();
    return filnamn.chopped(4);
}
