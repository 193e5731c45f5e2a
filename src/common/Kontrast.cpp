#include "common/Kontrast.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB component, 0..1, as linear light.
double linjaer(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminans(const QColor& c)
{
    return 0.2126 * linjaer(c.redF()) + 0.7152 * linjaer(c.greenF()) + 0.0722 * linjaer(c.blueF());
}

// Steps between the wished colour and the reserve.
constexpr int Steg = 32;

}  // namespace

double kontrast(const QColor& a, const QColor& b)
{
    const double la = luminans(a);
    const double lb = luminans(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor laesbarBakgrund(const QColor& oenskad, const QColor& reserv, const QColor& text)
{
    const auto mellan = [](int fraan, int till, int i) { return fraan + (till - fraan) * i / Steg; };
    for (int i = 0; i < Steg; ++i) {
        const QColor nyans(mellan(oenskad.red(), reserv.red(), i), mellan(oenskad.green(), reserv.green(), i),
                           mellan(oenskad.blue(), reserv.blue(), i));
        if (kontrast(nyans, text) >= LaesbarKontrast)
            return nyans;
    }
    return reserv;
}
