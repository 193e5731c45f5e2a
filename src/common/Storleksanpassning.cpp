#include "common/Storleksanpassning.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace Storleksanpassning {

namespace {

// Each size is measured once, however often the search asks for it.
class MaetningarAvHoejd {
public:
    explicit MaetningarAvHoejd(const Hoejd& hoejd) : m_hoejd(hoejd) {}

    double operator()(double storlek)
    {
        const auto it = m_kaenda.find(storlek);
        if (it != m_kaenda.end())
            return it->second;
        const double h = m_hoejd(storlek);
        m_kaenda.emplace(storlek, h);
        return h;
    }

private:
    const Hoejd& m_hoejd;
    std::map<double, double> m_kaenda;
};

// The first index in [0, n) at which `haaller` fails, or n when it holds
// throughout; `haaller` holds up to some index and fails from there on. The
// search starts at `gissning`, widens its bracket by doubling from there and
// then halves it, so a close guess costs few measurements.
int foerstaBrott(int n, int gissning, const std::function<bool(int)>& haaller)
{
    if (n <= 0)
        return 0;
    int laag = 0;  // `haaller` holds below laag; the answer lies in [laag, hoeg]
    int hoeg = n;
    const int g = std::clamp(gissning, 0, n - 1);
    if (haaller(g)) {
        laag = g + 1;
        for (int vidd = 1; laag < hoeg; vidd *= 2) {
            const int i = std::min(hoeg - 1, laag + vidd - 1);
            if (!haaller(i)) {
                hoeg = i;
                break;
            }
            laag = i + 1;
        }
    } else {
        hoeg = g;
        for (int vidd = 1; laag < hoeg; vidd *= 2) {
            const int i = std::max(laag, hoeg - vidd);
            if (haaller(i)) {
                laag = i + 1;
                break;
            }
            hoeg = i;
        }
    }
    while (laag < hoeg) {
        const int mitt = laag + (hoeg - laag) / 2;
        if (haaller(mitt))
            laag = mitt + 1;
        else
            hoeg = mitt;
    }
    return laag;
}

// Where `while (fortsaett(s) && s + steg is within graens) s += steg;`
// stops, for a negative `steg` too.
double stega(double start, double steg, double graens, double gissning, const std::function<bool(double)>& fortsaett)
{
    const int antalSteg = std::max(0, int(std::floor((graens - start) / steg)));
    const int gissatSteg = int(std::lround((gissning - start) / steg));
    return start + steg * foerstaBrott(antalSteg, gissatSteg, [&](int i) { return fortsaett(start + steg * i); });
}

// The size at which the label would be `maal` tall, were its height in
// proportion to its size: where the search begins.
double gissning(double start, double maal, MaetningarAvHoejd& hoejd)
{
    const double h = hoejd(start);
    return h > 0 ? start * maal / h : start;
}

}  // namespace

double nerSedanUpp(double start, double steg, double minsta, double stoersta, double maal, const Hoejd& hoejd)
{
    MaetningarAvHoejd h(hoejd);
    const double g = gissning(start, maal, h);
    const double nere = stega(start, -steg, minsta, g, [&](double s) { return h(s) > maal; });
    return stega(nere, steg, stoersta, g, [&](double s) { return h(s) < maal; });
}

double uppSedanNer(double start, double steg, double minsta, double stoersta, double maal, const Hoejd& hoejd)
{
    MaetningarAvHoejd h(hoejd);
    const double g = gissning(start, maal, h);
    const double uppe = stega(start, steg, stoersta, g, [&](double s) { return h(s) < maal; });
    return stega(uppe, -steg, minsta, g, [&](double s) { return h(s) > maal; });
}

}  // namespace Storleksanpassning
