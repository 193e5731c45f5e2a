#include "common/SoundClip.h"

#include <cmath>
#include <limits>

namespace {

// The number at the start of a text: leading blanks, an optional sign,
// digits and a decimal point "."; 0 when no digit comes first. Read in
// double, so a very long digit run gives infinity rather than wrapping.
double talVidBoerjan(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    double tecken = 1;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        tecken = text[i] == u'-' ? -1 : 1;
        ++i;
    }
    double vaerde = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9')
        vaerde = vaerde * 10 + (text[i++].unicode() - u'0');
    if (i < n && text[i] == u'.') {
        double skala = 0.1;
        for (++i; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i, skala /= 10)
            vaerde += (text[i].unicode() - u'0') * skala;
    }
    return tecken * vaerde;
}

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
    if (!somHeltal(talVidBoerjan(suffix.left(komma)), start)
        || !somHeltal(talVidBoerjan(suffix.mid(komma + 1)), slut))
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
    const double in = talVidBoerjan(suffix.left(komma));
    const double ut = talVidBoerjan(suffix.mid(komma + 1));
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
