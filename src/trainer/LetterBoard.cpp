#include "trainer/LetterBoard.h"

#include "common/Kontrast.h"
#include "common/ModPluvo.h"
#include "common/Storleksanpassning.h"
#include "common/TavlaLogik.h"
#include "common/Twips.h"
#include "trainer/FrmPluvo.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

// Font sizes the fitting may try; Qt ignores sizes below 1 point, so an
// unbounded loop could never end when no size meets the target.
constexpr double MinstaStorlek = 1;
constexpr double StoersteStorlek = 400;

// Gaps of the board's layout, in twips.
constexpr double Mellanrum = 48;

// Shows or hides a part of the board only when it differs from the wish.
void saettSynlig(QWidget* w, bool synlig)
{
    if (w->isHidden() == synlig)
        w->setVisible(synlig);
}

// The letters of the word now drawn: labels that exist and are in use. No
// word is drawn while OrdLaengd is 0, whatever the labels still hold.
int ritadeBokstaever(const FrmPluvo& f)
{
    return std::clamp(f.OrdLaengd, 0, int(f.labOrd.size()));
}

// The background of a highlighted element: the system's button face, or,
// where the word's colour does not stand out on it (a yellow or white word
// on a light desktop), the first shade from it towards the window's
// background on which it does.
QColor markering(const FrmPluvo& f)
{
    return laesbarBakgrund(QGuiApplication::palette().color(QPalette::Button), f.BackColor(),
                           f.labOrd[0]->ForeColor());
}

void markeraCell(FrmPluvo& f, Etikett* cell, bool markerad)
{
    cell->setBold(markerad);
    cell->setForeColor(markerad ? f.labOrd[0]->ForeColor() : modPluvo().MenyFaerg);
    cell->setBorderStyle(markerad ? 1 : 0);
    cell->setBackColor(markerad ? markering(f) : f.BackColor());
}

void markeraBild(FrmPluvo& f, Etikett* bild, bool markerad)
{
    bild->setBorderStyle(markerad ? 1 : 0);
    bild->setBackColor(markerad ? markering(f) : f.BackColor());
}

// Every element of the board in the scheme's colours, `Element` marked.
void maalaTavlan(FrmPluvo& f, int Element)
{
    markeraBild(f, f.picNaesta, Element == Tavla::Naesta);
    markeraBild(f, f.picBakaat, Element == Tavla::Bakaat);
    for (int i = 0; i < Tavla::AntalCeller; ++i)
        markeraCell(f, f.labSiffertavla[size_t(i)], i == Element);
}

}  // namespace

void PlaceraTavla()
{
    FrmPluvo& f = *FrmPluvo::instans();
    const ModPluvo& m = modPluvo();
    Etikett* cell0 = f.labSiffertavla[0];

    // The cell's font grows until the cell is as tall as the target, then
    // shrinks until it is no taller; the size stays within what Qt draws.
    cell0->setAutoSize(true);
    const double start = std::clamp(std::floor(cell0->FontSize()), MinstaStorlek, StoersteStorlek);
    cell0->setFontSize(Storleksanpassning::uppSedanNer(start, 1, MinstaStorlek, StoersteStorlek, m.TavlaHoejd,
                                                       [cell0](double s) {
                                                           cell0->setFontSize(s);
                                                           return Twips::Height(cell0);
                                                       }));
    cell0->setAutoSize(false);
    const double H = Twips::Height(cell0);

    // The window's usable width: the screen's, or less in a restored window.
    const double skaerm = modPluvo().SkaermBredd;
    const double W = (skaerm - 1248) / 16;
    const double left0 = (skaerm - 16 * W - 816) / 2 + W + 96;
    const double top0 = Twips::Top(cell0);

    for (int i = 0; i < Tavla::AntalCeller; ++i) {
        Etikett* cell = f.labSiffertavla[size_t(i)];
        if (i > 0) {
            cell->setFont(cell0->font());
            cell->setAlignment(cell0->alignment());
            cell->setAutoSize(false);
        }
        const bool oevre = i < Tavla::RadLaengd;
        const int kolumn = oevre ? i : i - Tavla::RadLaengd;
        Twips::placera(cell, left0 + kolumn * (W + Mellanrum), oevre ? top0 : top0 + H + Mellanrum, W, H);
    }

    // The frame reaches from the pictures' column to the last cell.
    const double left14 = left0 + (Tavla::RadLaengd - 1) * (W + Mellanrum);
    const double top15 = top0 + H + Mellanrum;
    Twips::placera(f.shaSiffertavla, left0 - W - 96, top0 - Mellanrum, left14 + W - left0 + W + 144,
                   top15 + H - top0 + 96);
    f.shaSiffertavla->lower();

    Twips::placera(f.picNaesta, left0 - W - Mellanrum, top0, W, H);
    Twips::placera(f.picBakaat, left0 - W - Mellanrum, top15, W, H);
}

void VisaTavla()
{
    FrmPluvo& f = *FrmPluvo::instans();
    ModPluvo& m = modPluvo();
    const bool cellerDoeljda = f.labSiffertavla[0]->isHidden();

    switch (m.TavlaPaa ? m.Tillstaand : -1) {
    case PluvoVisar:
    case TestVisar:
        FyllTavla();
        if (cellerDoeljda)
            VisaTavlaCeller(false);
        saettSynlig(f.picNaesta, true);
        saettSynlig(f.picBakaat, false);
        saettSynlig(f.shaSiffertavla, true);
        m.TavlaVal = Tavla::Naesta;
        MarkeraVal(Tavla::Naesta);
        break;
    case PluvoSkriver:
    case TestSkriver:
        FyllTavla();
        if (cellerDoeljda) {
            // A run that starts here (a Test) has drawn no board yet: it
            // comes up in the scheme's colours with the cursor marked where
            // it stands, as the shown states leave it.
            maalaTavlan(f, m.TavlaVal);
            VisaTavlaCeller(false);
        }
        saettSynlig(f.picNaesta, true);
        saettSynlig(f.picBakaat, true);
        saettSynlig(f.shaSiffertavla, true);
        break;
    case Laeser:
        if (!cellerDoeljda)
            VisaTavlaCeller(true);
        saettSynlig(f.picNaesta, true);
        saettSynlig(f.picBakaat, false);
        saettSynlig(f.shaSiffertavla, true);
        // Only the next picture is shown in a Läs run, so the cursor
        // belongs there and never on a hidden element.
        m.TavlaVal = Tavla::Naesta;
        MarkeraVal(Tavla::Naesta);
        break;
    default:
        if (!cellerDoeljda)
            VisaTavlaCeller(true);
        saettSynlig(f.picNaesta, false);
        saettSynlig(f.picBakaat, false);
        saettSynlig(f.shaSiffertavla, false);
        break;
    }
}

void VisaTavlaCeller(bool Doelj)
{
    for (Etikett* cell : FrmPluvo::instans()->labSiffertavla)
        saettSynlig(cell, !Doelj);
}

QChar VaentatTecken()
{
    const FrmPluvo& f = *FrmPluvo::instans();
    if (ritadeBokstaever(f) == 0)
        return QChar(u' ');
    const QString text = f.labOrd[size_t(FoersteTommaPosition())]->Caption();
    return text.isEmpty() ? QChar(u' ') : text.at(0);
}

void FyllTavla()
{
    if (!modPluvo().TavlaPaa)
        return;
    FrmPluvo& f = *FrmPluvo::instans();
    const Tavlatexter texter = ::FyllTavla(VaentatTecken());
    for (int i = 0; i < Tavla::AntalCeller; ++i)
        f.labSiffertavla[size_t(i)]->setCaption(QString(texter[size_t(i)]));
}

int FoersteTommaPosition()
{
    const FrmPluvo& f = *FrmPluvo::instans();
    std::vector<bool> visas(size_t(ritadeBokstaever(f)));
    for (size_t i = 0; i < visas.size(); ++i)
        visas[i] = !f.labOrd[i]->isHidden();
    return ::FoersteTommaPosition(visas);
}

void MarkeraVal(int Element)
{
    if (Element < Tavla::Naesta || Element >= Tavla::AntalCeller)
        return;
    FrmPluvo& f = *FrmPluvo::instans();
    // The highlighted cell again (the mouse resting on it): nothing.
    if (Element >= 0 && f.labSiffertavla[size_t(Element)]->Bold())
        return;
    maalaTavlan(f, Element);
}
