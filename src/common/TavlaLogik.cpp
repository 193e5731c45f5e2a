#include "common/TavlaLogik.h"

#include <QString>

using namespace Tavla;

namespace {

const QString StoraBokstaever = QStringLiteral("AÁÀÂÃBCÇDEÉÈÊËFGHIÍÌÎÏJKLMNÑOÓÒÔÕPQRSTUÚÙÛÜVWXYÝZÅÄÆÖ");

// Cells whose base letter gives way to an accented form of the expected one.
struct AccentCell {
    int cell;
    const char16_t* smaa;
    const char16_t* stora;
};
const AccentCell AccentCeller[] = {
    {0, u"áàâã", u"ÁÀÂÃ"}, {2, u"ç", u"Ç"},        {4, u"éèêë", u"ÉÈÊË"}, {8, u"íìîï", u"ÍÌÎÏ"},
    {13, u"ñ", u"Ñ"},      {14, u"óòôõ", u"ÓÒÔÕ"}, {20, u"úùûüµ", u"ÚÙÛÜ"}, {24, u"ýÿ", u"Ý"},
    {27, u"æ", u"Æ"},
};

bool aerBokstav(QChar tecken)
{
    return StoraBokstaever.contains(tecken) || StoraBokstaever.toLower().contains(tecken) ||
           QStringLiteral("µÿ").contains(tecken);
}

bool aerCell(int tavlaVal)
{
    return tavlaVal >= 0 && tavlaVal < AntalCeller;
}

bool oevreRad(int cell)
{
    return cell < RadLaengd;
}

// One step along a row of 15 towards `maal` in the same row: the direct way
// up to 7 cells away, else round the row's end (unless the edge stops it).
int stegIRad(int cell, int maal, bool kant, int foersta)
{
    const int sista = foersta + RadLaengd - 1;
    if (maal > cell) {
        if (maal - cell <= 7 || kant)
            return cell + 1;
        return cell == foersta ? sista : cell - 1;
    }
    if (cell - maal <= 7 || kant)
        return cell - 1;
    return cell == sista ? foersta : cell + 1;
}

}  // namespace

int FoersteTommaPosition(const std::vector<bool>& bokstavVisas)
{
    for (int i = 0; i < static_cast<int>(bokstavVisas.size()); ++i) {
        if (!bokstavVisas[i])
            return i;
    }
    return 0;
}

Tavlatexter FyllTavla(QChar vaentat)
{
    const bool stor = StoraBokstaever.contains(vaentat);
    Tavlatexter texter;
    for (int i = 0; i < 26; ++i)
        texter[i] = QChar((stor ? u'A' : u'a') + i);
    texter[26] = stor ? u'Å' : u'å';
    texter[27] = stor ? u'Ä' : u'ä';
    texter[28] = stor ? u'Ö' : u'ö';
    for (const AccentCell& a : AccentCeller) {
        if (QString::fromUtf16(stor ? a.stora : a.smaa).contains(vaentat))
            texter[a.cell] = vaentat;
    }
    texter[29] = aerBokstav(vaentat) ? QChar(u' ') : vaentat;
    return texter;
}

int TavlaMaal(const Tavlatexter& texter, QChar vaentat)
{
    for (int k = 0; k < AntalCeller; ++k) {
        if (texter[k] == vaentat)
            return k;
    }
    return 0;
}

int VaeljTavlStart(const TavlaSynlig& synlig)
{
    return synlig.bakaat ? Bakaat : Naesta;
}

int FlyttaTavlmarkoer(int cell, int maal, bool kantBegraensning, const TavlaSynlig& synlig)
{
    if (cell == maal)
        return VaeljTavlStart(synlig);
    if (oevreRad(cell) != oevreRad(maal))
        return oevreRad(cell) ? cell + RadLaengd : cell - RadLaengd;
    return stegIRad(cell, maal, kantBegraensning, oevreRad(cell) ? 0 : RadLaengd);
}

int StegaBokstavstavla(int tavlaVal, int maal, bool naermasteVaeg, bool kantBegraensning,
                       const TavlaSynlig& synlig)
{
    // A cursor left on a hidden cell (a Läs run after an aborted run) goes
    // back to the pictures instead of walking through cells nobody sees.
    if (aerCell(tavlaVal) && !synlig.celler)
        return VaeljTavlStart(synlig);
    if (tavlaVal == Naesta) {
        if (!synlig.celler)
            return synlig.bakaat ? Bakaat : Naesta;
        if (!naermasteVaeg)
            return 0;
        if (kantBegraensning)
            return maal >= RadLaengd ? RadLaengd : 0;
        if (maal <= 7)
            return 0;
        if (maal <= 14)
            return 14;
        if (maal <= 21)
            return 15;
        return 29;
    }
    if (tavlaVal == Bakaat)
        return Naesta;
    if (naermasteVaeg)
        return FlyttaTavlmarkoer(tavlaVal, maal, kantBegraensning, synlig);
    return tavlaVal < AntalCeller - 1 ? tavlaVal + 1 : VaeljTavlStart(synlig);
}

int FlyttaMedPil(int tavlaVal, Pil pil, const TavlaSynlig& synlig)
{
    if (aerCell(tavlaVal) && !synlig.celler)
        return VaeljTavlStart(synlig);
    switch (pil) {
    case Pil::Ner:
        if (tavlaVal == Naesta)
            return synlig.bakaat ? Bakaat : Naesta;
        return aerCell(tavlaVal) && oevreRad(tavlaVal) ? tavlaVal + RadLaengd : tavlaVal;
    case Pil::Upp:
        if (tavlaVal == Bakaat)
            return Naesta;
        return aerCell(tavlaVal) && !oevreRad(tavlaVal) ? tavlaVal - RadLaengd : tavlaVal;
    case Pil::Vaenster:
        if (tavlaVal == 0)
            return Naesta;
        if (tavlaVal == RadLaengd)
            return synlig.bakaat ? Bakaat : tavlaVal;
        return aerCell(tavlaVal) ? tavlaVal - 1 : tavlaVal;
    case Pil::Hoeger:
        if (tavlaVal == Naesta)
            return synlig.celler ? 0 : tavlaVal;
        if (tavlaVal == Bakaat)
            return synlig.celler ? RadLaengd : tavlaVal;
        if (tavlaVal == RadLaengd - 1 || tavlaVal == AntalCeller - 1)
            return tavlaVal;
        return aerCell(tavlaVal) ? tavlaVal + 1 : tavlaVal;
    }
    return tavlaVal;
}
