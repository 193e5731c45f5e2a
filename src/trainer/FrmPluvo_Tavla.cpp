// The letter board's cursor, stepped by Space, the one-key scan or arrows,
// and the board's mouse clicks, which type through the key funnel.
#include "trainer/FrmPluvo.h"

#include "common/Ansi1252.h"
#include "common/ModPluvo.h"
#include "common/TavlaLogik.h"
#include "trainer/LetterBoard.h"

namespace {

bool aerCell(int element)
{
    return element >= 0 && element < Tavla::AntalCeller;
}

bool aerElement(int element)
{
    return element >= Tavla::Naesta && element < Tavla::AntalCeller;
}

TavlaSynlig synligNu(const FrmPluvo& f)
{
    return {!f.labSiffertavla[0]->isHidden(), !f.picBakaat->isHidden()};
}

// The first cell that shows the letter to type next; cell 0 when none does.
int tavlaMaal(const FrmPluvo& f)
{
    Tavlatexter texter;
    for (int k = 0; k < Tavla::AntalCeller; ++k) {
        const QString text = f.labSiffertavla[size_t(k)]->Caption();
        texter[size_t(k)] = text.isEmpty() ? QChar() : text.at(0);
    }
    return TavlaMaal(texter, VaentatTecken());
}

}  // namespace

void FrmPluvo::StegaBokstavstavla()
{
    ModPluvo& m = modPluvo();
    // A cursor the board does not know starts again from the next picture.
    if (!aerElement(m.TavlaVal))
        m.TavlaVal = Tavla::Naesta;
    const int maal = m.NaermasteVaeg ? tavlaMaal(*this) : 0;
    m.TavlaVal = ::StegaBokstavstavla(m.TavlaVal, maal, m.NaermasteVaeg, m.KantBegraensning, synligNu(*this));
    MarkeraVal(m.TavlaVal);
}

void FrmPluvo::FlyttaTavlmarkoer(int Maal)
{
    ModPluvo& m = modPluvo();
    if (!aerCell(m.TavlaVal))
        return;
    if (!aerCell(Maal))
        Maal = 0;
    m.TavlaVal = ::FlyttaTavlmarkoer(m.TavlaVal, Maal, m.KantBegraensning, synligNu(*this));
}

void FrmPluvo::VaeljTavlStart()
{
    modPluvo().TavlaVal = ::VaeljTavlStart(synligNu(*this));
}

void FrmPluvo::labSiffertavla_Click(int Index)
{
    if (!modPluvo().MusStyrning || !aerCell(Index))
        return;
    const QString text = labSiffertavla[size_t(Index)]->Caption();
    const int kod = text.isEmpty() ? -1 : ansiCode(text.at(0));
    if (kod > 0)
        Form_KeyPress(kod);
    // A click is no held key: the next real key must not be blocked.
    TangentNere = false;
}

void FrmPluvo::labSiffertavla_MouseMove(int Index)
{
    if (modPluvo().MusStyrning)
        MarkeraVal(Index);
}

void FrmPluvo::picBakaat_Click()
{
    if (!modPluvo().MusStyrning)
        return;
    Form_KeyPress(8);
    VisaTavla();
    TangentNere = false;
}

void FrmPluvo::picNaesta_Click()
{
    if (!modPluvo().MusStyrning)
        return;
    Form_KeyPress(13);
    VisaTavla();
    TangentNere = false;
}

void FrmPluvo::picBakaat_MouseMove()
{
    if (modPluvo().MusStyrning)
        MarkeraVal(Tavla::Bakaat);
}

void FrmPluvo::picNaesta_MouseMove()
{
    if (modPluvo().MusStyrning)
        MarkeraVal(Tavla::Naesta);
}
