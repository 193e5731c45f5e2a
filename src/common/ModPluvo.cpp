#include "common/ModPluvo.h"

bool ModPluvo::harAktuellRad() const
{
    return AktuelltOrd >= 1 && AktuelltOrd <= int(Ordlista.size());
}

const Uppgift& ModPluvo::aktuellRad() const
{
    static const Uppgift tom;
    return harAktuellRad() ? Ordlista[size_t(AktuelltOrd - 1)] : tom;
}

ModPluvo& modPluvo()
{
    static ModPluvo m;
    return m;
}

void nollstaellModPluvo()
{
    modPluvo() = ModPluvo{};
}
