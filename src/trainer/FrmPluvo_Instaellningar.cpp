// What the settings windows read from the training window and the changes
// they apply to it.
#include "trainer/FrmPluvo.h"

#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "trainer/Layout.h"
#include "trainer/LetterBoard.h"
#include "trainer/Stil.h"

namespace {

// Every loaded label of a letter row takes the font.
void saettRadensFont(const std::vector<Etikett*>& rad, const QString& namn, double storlek)
{
    for (Etikett* etikett : rad)
        etikett->setEnkelFont(namn, storlek);
}

}  // namespace

QColor FrmPluvo::bakgrundsfaerg() const
{
    return BackColor();
}

QColor FrmPluvo::ordfaerg() const
{
    return labOrd[0]->ForeColor();
}

QString FrmPluvo::ordFontnamn() const
{
    return labOrd[0]->font().family();
}

int FrmPluvo::ordHoejd() const
{
    return labOrd[0]->height();
}

QCursor FrmPluvo::menyPekare() const
{
    return labMenyVal[0]->cursor();
}

bool FrmPluvo::enTangentPaa() const
{
    return timEnTangent.Enabled();
}

void FrmPluvo::saettEnTangentPaa(bool paa)
{
    timEnTangent.setEnabled(paa);
}

int FrmPluvo::enTangentIntervall() const
{
    return timEnTangent.Interval();
}

void FrmPluvo::saettEnTangentIntervall(int millisekunder)
{
    timEnTangent.setInterval(millisekunder);
}

void FrmPluvo::saettFaergStil(int stil)
{
    SaettStil(stil);
}

void FrmPluvo::saettOrdFont(const QString& namn, double storlek)
{
    // The letters, and the letter board below them, are fitted to the
    // screen for the new font as at start-up, so a font chosen now looks as
    // it will after the next start.
    labOrd[0]->setEnkelFont(namn, storlek);
    placeraEfterYtan();
    const double passad = modPluvo().OrdStorlek;
    saettRadensFont(labOrd, namn, passad);
    saettRadensFont(labFoerklaring, namn, passad);
    labStreck->setEnkelFont(namn, passad);
    placeraRadOm();
}

void FrmPluvo::visaTavla()
{
    VisaTavla();
}

void FrmPluvo::saettMuspekare()
{
    SaettMuspekare();
}

void FrmPluvo::uppdatera()
{
    update();
}
