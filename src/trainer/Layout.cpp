#include "trainer/Layout.h"

#include "common/ModPluvo.h"
#include "common/Storleksanpassning.h"
#include "common/Twips.h"
#include "trainer/FrmPluvo.h"

namespace {

// Font sizes the fitting may try; Qt ignores sizes below 1 point, so an
// unbounded loop could never end on a tiny screen.
constexpr double MinstaStorlek = 1;
constexpr double StoersteStorlek = 400;

}  // namespace

void PlaceraKontroller()
{
    FrmPluvo& f = *FrmPluvo::instans();
    ModPluvo& m = modPluvo();
    const double P = Twips::PerPixel;
    Etikett* ord = f.labOrd[0];
    const RamLinje& topp = f.linRam[0];
    const RamLinje& botten = f.linRam[1];

    // The letter's size moves in steps of 2 points: down while it is taller
    // than the target, then up while it is lower.
    const double maal = float((m.SkaermHoejd - topp.Y1 - topp.BorderWidth * P / 2 - botten.BorderWidth * P) / 5);
    const double storlek = Storleksanpassning::nerSedanUpp(ord->FontSize(), 2, MinstaStorlek, StoersteStorlek, maal,
                                                           [ord](double s) {
                                                               ord->setFontSize(s);
                                                               return Twips::Height(ord);
                                                           });
    m.OrdStorlek = std::max(int(MinstaStorlek), int(storlek - 2));

    ord->setFontSize(m.OrdStorlek);
    f.labFoerklaring[0]->setFontSize(m.OrdStorlek);
    f.labStreck->setFontSize(ord->FontSize());

    const double bandUnderkant = topp.Y1 + topp.BorderWidth * P / 2;
    Twips::setTop(ord, bandUnderkant + Twips::Height(ord));
    Twips::setTop(f.labFoerklaring[0], bandUnderkant + Twips::Height(ord) * 5 / 2);
    Twips::setWidth(f.picFel, Twips::Width(ord));
    Twips::setHeight(f.picFel, Twips::Height(ord));
    Twips::setTop(f.picFel, Twips::Top(ord) - Twips::Height(f.picFel) / 5);
    Twips::setTop(f.labStreck, Twips::Top(ord));
}

void SaettMuspekare()
{
    FrmPluvo& f = *FrmPluvo::instans();
    const ModPluvo& m = modPluvo();
    const QCursor pekare = m.AnnanMuspekare ? f.egenPekare() : QCursor(Qt::ArrowCursor);
    for (Etikett* val : f.labMenyVal)
        val->setCursor(pekare);
    for (QWidget* w : {static_cast<QWidget*>(f.picNer), static_cast<QWidget*>(f.picUpp),
                       static_cast<QWidget*>(f.labFilnamn)})
        w->setCursor(pekare);
    // A board that is not clicked never shows the clickable pointer.
    const QCursor tavla = m.MusStyrning ? pekare : QCursor(Qt::ArrowCursor);
    f.picNaesta->setCursor(tavla);
    f.picBakaat->setCursor(tavla);
    for (Etikett* cell : f.labSiffertavla)
        cell->setCursor(tavla);
}
