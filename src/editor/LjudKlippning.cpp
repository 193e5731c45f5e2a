#include "editor/LjudKlippning.h"

#include "common/ModPluvo.h"
#include "common/SoundClip.h"
#include "common/SpeechSound.h"
#include "platform/ProgramFolder.h"

#include <cmath>

namespace {

// Whole milliseconds, halves to the even one.
double helaMs(double ms)
{
    return std::nearbyint(ms);
}

QString tal(double ms)
{
    return QString::number(qint64(helaMs(ms)));
}

// The number at the start of a reply such as "3000", 0 when there is none.
double talISvar(const QString& svar)
{
    qsizetype i = 0;
    while (i < svar.size() && svar[i].isDigit())
        ++i;
    return i == 0 ? 0 : svar.left(i).toDouble();
}

}  // namespace

Klipp KontrolleraKlipp(Klipp k, double laengd)
{
    k.inpunkt = helaMs(k.inpunkt);
    k.utpunkt = helaMs(k.utpunkt);
    if (k.inpunkt < 0)
        k.inpunkt = 0;
    if (k.utpunkt <= 0 || k.utpunkt > laengd)
        k.utpunkt = laengd;
    // An empty or reversed stretch is no clip at all.
    if (k.inpunkt >= k.utpunkt)
        k = Klipp{0, laengd};
    return k;
}

bool HelaLjudet(const Klipp& k, double laengd)
{
    return k.inpunkt <= 0 && k.utpunkt >= laengd;
}

QString KlippText(const Klipp& k, double laengd)
{
    if (HelaLjudet(k, laengd))
        return QStringLiteral("Inget klipp");
    return QStringLiteral("Klipp: Från ") + tal(k.inpunkt) + " ms till " + tal(k.utpunkt) + " ms";
}

QString KlippReferensText(const QString& soekvaeg, const Klipp& k, double laengd)
{
    if (HelaLjudet(k, laengd) || k.inpunkt >= k.utpunkt)
        return soekvaeg;
    return soekvaeg + LjudKlippSuffix(helaMs(k.inpunkt), helaMs(k.utpunkt));
}

double PositionTillTid(double x, double bredd, double laengd)
{
    if (bredd <= 0)
        return 0;
    const double t = helaMs(x * laengd / bredd);
    if (t < 1)
        return 0;
    if (t >= laengd)
        return helaMs(laengd);
    return t;
}

double FramstegsBredd(double position, double fraan, double till, int intervall, double bredd, double laengd)
{
    if (laengd <= 0)
        return 0;
    const double p = till - intervall < position ? till : position;
    return std::max(0.0, (p - fraan) * bredd / laengd);
}

double HaemtaLaengd(const QString& soekvaeg, QString& fel)
{
    if (!modPluvo().OeppetLjud.isEmpty())
        StaengLjud();
    QString vaeg = soekvaeg;
    if (vaeg.startsWith(u'\\'))
        vaeg = ProgramMapp::vaeg() + vaeg.mid(1).replace(u'\\', u'/');
    const QString q = u'"' + vaeg + u'"';

    fel = MciKommando("Open " + q);
    const QString formatFel = MciKommando("Set " + q + " time format ms");
    if (fel.isEmpty())
        fel = formatFel;
    const QString laengdFel = MciKommando("Status " + q + " length");
    const double laengd = laengdFel.isEmpty() ? talISvar(modPluvo().MciSvar) : 0;
    if (fel.isEmpty())
        fel = laengdFel;
    const QString staengFel = MciKommando("Close " + q);
    if (fel.isEmpty())
        fel = staengFel;
    return laengd;
}

double HaemtaPosition(const QString& citeradVaeg)
{
    if (!MciKommando("Status " + citeradVaeg + " position").isEmpty())
        return 0;
    return talISvar(modPluvo().MciSvar);
}
