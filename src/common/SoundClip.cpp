#include "common/SoundClip.h"

#include "common/SettingsRules.h"

#include <cmath>
#include <limits>

namespace {

// Rounded to a whole number, halves to the even one; false when it does
// not fit an int.
bool somHeltal(double vaerde, int& heltal)
{
    const double avrundat = std::nearbyint(vaerde);
    if (!std::isfinite(avrundat) || avrundat < std::numeric_limits<int>::min()
        || avrundat > std::numeric_limits<int>::max())
        return false;
    heltal = static_cast<int>(avrundat);
    return true;
}

QString allmaentTal(double tal)
{
    return QString::number(tal, 'g', 15);
}

}  // namespace

SpelaLjudReferens SpelaLjudTolkaReferens(const QString& referens)
{
    SpelaLjudReferens resultat;
    resultat.soekvaeg = referens;
    const qsizetype klammer = referens.indexOf(u'{');
    if (klammer < 0)
        return resultat;
    // The suffix loses its last character, the closing "}"; a reference
    // that ends with the "{" has no suffix at all.
    QString suffix = referens.mid(klammer + 1);
    if (suffix.isEmpty())
        return resultat;
    suffix.chop(1);
    const qsizetype komma = suffix.indexOf(u',');
    if (komma < 0)
        return resultat;
    int start = 0;
    int slut = 0;
    if (!somHeltal(LasRegel::talIBoerjan(suffix.left(komma)), start)
        || !somHeltal(LasRegel::talIBoerjan(suffix.mid(komma + 1)), slut))
        return resultat;
    if (start < 0 || slut <= start)
        return resultat;
    resultat.soekvaeg = referens.left(klammer);
    resultat.medKlipp = true;
    resultat.start = start;
    resultat.slut = slut;
    return resultat;
}

KlippReferens TolkaKlipp(const QString& referens)
{
    KlippReferens resultat;
    const qsizetype klammer = referens.indexOf(u'{');
    if (klammer < 1) {
        resultat.soekvaeg = referens;
        return resultat;
    }
    resultat.soekvaeg = referens.left(klammer);
    QString suffix = referens.mid(klammer + 1);
    if (suffix.size() <= 3 || suffix.indexOf(u'}') != suffix.size() - 1)
        return resultat;
    suffix.chop(1);
    const qsizetype komma = suffix.indexOf(u',');
    if (komma < 1)
        return resultat;
    const double in = LasRegel::talIBoerjan(suffix.left(komma));
    const double ut = LasRegel::talIBoerjan(suffix.mid(komma + 1));
    // Points too large to be a time are no clip at all.
    if (std::isfinite(in) && std::isfinite(ut)) {
        resultat.inpunkt = in;
        resultat.utpunkt = ut;
    }
    return resultat;
}

QString LjudKlippSuffix(double start, double slut)
{
    return u'{' + allmaentTal(start) + u',' + allmaentTal(slut) + u'}';
}
