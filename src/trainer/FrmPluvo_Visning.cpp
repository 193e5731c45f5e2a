// Drawing the current row: one label per character of the word and of the
// explanation, centred, in a font that shrinks to fit the screen.
#include "trainer/FrmPluvo.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "trainer/LetterBoard.h"

namespace {

// The font size at which a text measured `bredd` wide at `storlek` fits
// within nine tenths of the screen.
double passandeStorlek(double bredd, double storlek)
{
    const double graens = Skaerm::Width() * 9 / 10;
    return bredd > graens ? storlek * graens / bredd : storlek;
}

// Unloads every element but the first; a label may be the one whose click
// is being handled, so it goes when the event is done.
void laddaUr(std::vector<Etikett*>& etiketter)
{
    while (etiketter.size() > 1) {
        Etikett* e = etiketter.back();
        etiketter.pop_back();
        e->disconnect();
        e->hide();
        e->deleteLater();
    }
}

// Lays `text` out one character per label, side by side from the left edge
// and then centred on the screen. Element 0 carries the font already, and
// every further label stands beside it on the same area, so that they all
// share its top.
template <typename Klick, typename Roerd>
void laeggUt(QObject* foenster, std::vector<Etikett*>& etiketter, const QString& text, Klick klick,
             Roerd roerd)
{
    laddaUr(etiketter);
    Etikett* foersta = etiketter[0];
    Twips::setLeft(foersta, 0);
    for (int i = 0; i < int(text.size()); ++i) {
        Etikett* e = foersta;
        if (i > 0) {
            e = new Etikett(foersta->parentWidget());
            e->kopieraFraan(*foersta);
            e->hide();
            e->stackUnder(foersta);
            QObject::connect(e, &Etikett::klickad, foenster, [klick, i] { klick(i); });
            QObject::connect(e, &Etikett::musRoerd, foenster, [roerd, i] { roerd(i); });
            etiketter.push_back(e);
        }
        e->setCaption(QString(text.at(i)));
        if (i > 0) {
            const Etikett* foere = etiketter[size_t(i - 1)];
            Twips::setTop(e, Twips::Top(foersta));
            Twips::setLeft(e, Twips::Left(foere) + Twips::Width(foere));
        }
    }
    const Etikett* sista = etiketter.back();
    const long marginal = Twips::avrunda((Skaerm::Width() - (Twips::Left(sista) + Twips::Width(sista))) / 2);
    // A text wider than the screen stays at the left edge.
    if (marginal > 0) {
        for (Etikett* e : etiketter)
            Twips::setLeft(e, Twips::Left(e) + double(marginal));
    }
}

}  // namespace

void FrmPluvo::VisaOrd()
{
    ModPluvo& m = modPluvo();
    m.OrdetVisat = false;
    const QString ord = modPluvo().aktuellRad().Ord;

    // The measuring label works in the letter font the settings chose.
    QFont matt = labTest->font();
    matt.setFamily(labOrd[0]->font().family());
    matt.setPointSizeF(std::max(1, m.OrdStorlek));
    matt.setBold(false);
    matt.setItalic(false);
    matt.setUnderline(false);
    matt.setStrikeOut(false);
    labTest->setFont(matt);
    labTest->setCaption(ord);

    labOrd[0]->setFontSize(passandeStorlek(Twips::Width(labTest), std::max(1, m.OrdStorlek)));
    labStreck->setFontSize(labOrd[0]->FontSize());

    Twips::setHeight(picFel, Twips::Height(labStreck));
    Twips::setWidth(picFel, Twips::Width(labStreck));
    Twips::setTop(picFel, Twips::Top(labOrd[0]) - Twips::Height(picFel) / 5);

    OrdLaengd = int(ord.size());
    if (OrdLaengd > 0) {
        laeggUt(this, labOrd, ord, [this](int i) { labOrd_Click(i); },
                [this](int i) { labOrd_MouseMove(i); });
        // Only a Pluvo or Läs row shows its word; a Test row keeps it hidden.
        const int t = m.Tillstaand;
        if (t == PluvoVisar || t == PluvoSkriver || t == Laeser) {
            for (Etikett* e : labOrd)
                e->show();
        }
    }

    switch (m.Tillstaand) {
    case PluvoVisar:
    case PluvoSkriver:
    case Laeser:
        if (SkaLaesaUpp())
            PrataOrd(true);
        break;
    case TestVisar:
        NaestaSteg();
        break;
    default:
        break;
    }

    const int t = m.Tillstaand;
    if (((t == PluvoVisar || t == PluvoSkriver) && m.AutoDoeljPluvo) ||
        ((t == TestVisar || t == TestSkriver) && m.AutoDoeljTest))
        StartaAutostart();
}

void FrmPluvo::VisaFoerklaring()
{
    const QString foerklaring = modPluvo().aktuellRad().Foerklaring;
    labTest->setCaption(foerklaring);
    labFoerklaring[0]->setFontSize(
        passandeStorlek(Twips::Width(labTest), std::max(1, modPluvo().OrdStorlek)));

    FoerklaringLaengd = int(foerklaring.size());
    if (FoerklaringLaengd < 1)
        return;
    laeggUt(this, labFoerklaring, foerklaring, [this](int i) { labFoerklaring_Click(i); },
            [this](int i) { labFoerklaring_MouseMove(i); });
    for (Etikett* e : labFoerklaring)
        e->show();
}

void FrmPluvo::TaBortOrd()
{
    labOrd[0]->hide();
    laddaUr(labOrd);
}

void FrmPluvo::TaBortFoerklaring()
{
    labFoerklaring[0]->hide();
    laddaUr(labFoerklaring);
}

void FrmPluvo::DoeljOrd()
{
    for (Etikett* e : labOrd)
        e->hide();
    Twips::setLeft(labStreck, Twips::Left(labOrd[0]) + 24);
    labStreck->show();
    labStreck->raise();
}

void FrmPluvo::DoeljBokstavstavla()
{
    for (Etikett* cell : labSiffertavla)
        cell->hide();
}
