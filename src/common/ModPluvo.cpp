#include "common/ModPluvo.h"

ModPluvo& modPluvo()
{
    static ModPluvo m;
    return m;
}

void nollstaellModPluvo()
{
    modPluvo() = ModPluvo{};
}
