#include "editor/Oevningssidor.h"

#include <algorithm>
#include <cmath>

Kolumnsida beraeknaKolumnsida(double sidbredd, double sidhoejd, double bredast, double radhoejd,
                              int antal)
{
    Kolumnsida s;
    s.marginal = sidbredd / 12;
    s.topp = sidhoejd / 16;
    s.radsteg = 3 * radhoejd;
    s.kolumnbredd = bredast;

    const double tillgaenglig = sidbredd * 11 / 12;
    s.kolumner = int(std::floor(tillgaenglig / (bredast + s.marginal)));
    if (s.kolumner < 1) {
        s.foerBred = true;
        s.kolumner = 1;
    }
    const long radhoejdHel = std::lrint(s.radsteg);
    s.rader = radhoejdHel > 0 ? int(std::floor((sidhoejd - 2 * s.topp) / radhoejdHel)) + 1 : 1;
    s.rader = std::max(1, s.rader);
    const int perSida = s.rader * s.kolumner;
    s.sidor = (antal + perSida - 1) / perSida;
    return s;
}

Placering placering(const Kolumnsida& s, int k)
{
    const int perSida = s.rader * s.kolumner;
    const int paaSidan = k % perSida;
    const int kolumn = paaSidan / s.rader;
    const int rad = paaSidan % s.rader;
    return {k / perSida + 1, s.marginal + kolumn * (s.kolumnbredd + s.marginal), s.topp + rad * s.radsteg};
}

QList<int> utskriftsordning(int antal, bool slumpad, const std::function<double()>& slump)
{
    QList<int> ordning;
    for (int k = 0; k < antal; ++k)
        ordning << k;
    if (slumpad) {
        for (int i = 0; i < antal; ++i) {
            const int j = std::min(antal - 1, int(std::floor(slump() * antal)));
            std::swap(ordning[i], ordning[j]);
        }
    }
    return ordning;
}
