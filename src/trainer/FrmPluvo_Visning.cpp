// Drawing the current row: one label per character of the word and of the
// explanation, centred, in a font that shrinks to fit the screen.
#include "trainer/FrmPluvo.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "trainer/LetterBoard.h"

namespace {

// The font size at which a text measured `bredd` wide at `storlek` fits
// within nine tenths of the window's usable width (the screen's, when it
// fills the screen).
double passandeStorlek(double bredd, double storlek)
{
    const double graens = modPluvo().SkaermBredd * 9 / 10;
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

// Sets the row's labels side by side on the first one's line from the left
// edge, then centres them in the window.
void staellIRad(const std::vector<Etikett*>& etiketter)
{
    const Etikett* foersta = etiketter[0];
    double vaenster = 0;
    for (Etikett* e : etiketter) {
        Twips::setTop(e, Twips::Top(foersta));
        Twips::setLeft(e, vaenster);
        vaenster += Twips::Width(e);
    }
    const long marginal = Twips::avrunda((modPluvo().SkaermBredd - vaenster) / 2);
    // A text wider than the screen stays at the left edge.
    if (marginal > 0) {
        for (Etikett* e : etiketter)
            Twips::setLeft(e, Twips::Left(e) + double(marginal));
    }
}

// Lays `text` out one character per label. Element 0 carries the font
// already, and every further label stands beside it on the same area, so
// that they all share its top.
template <typename Klick, typename Roerd>
void laeggUt(QObject* foenster, std::vector<Etikett*>& etiketter, const QString& text, Klick klick,
             Roerd roerd)
{
    laddaUr(etiketter);
    Etikett* foersta = etiketter[0];
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
    }
    staellIRad(etiketter);
}

// The text the row's labels show.
QString radensText(const std::vector<Etikett*>& etiketter, int laengd)
{
    QString text;
    for (int i = 0; i < laengd && i < int(etiketter.size()); ++i)
        text += etiketter[size_t(i)]->Caption();
    return text;
}

}  // namespace

void FrmPluvo::VisaOrd()
{
    ModPluvo& m = modPluvo();
    m.OrdetVisat = false;
    const QString ord = modPluvo().aktuellRad().Ord;

    labOrd[0]->setFontSize(passadStorlek(ord));
    passaStreckOchFelbild();

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
    labFoerklaring[0]->setFontSize(passadStorlek(foerklaring));

    FoerklaringLaengd = int(foerklaring.size());
    if (FoerklaringLaengd < 1)
        return;
    laeggUt(this, labFoerklaring, foerklaring, [this](int i) { labFoerklaring_Click(i); },
            [this](int i) { labFoerklaring_MouseMove(i); });
    for (Etikett* e : labFoerklaring)
        e->show();
}

// The size a row's text is drawn at: the letter size, less where the text
// would be wider than the screen allows. The measuring label works in the
// letter font the settings chose.
double FrmPluvo::passadStorlek(const QString& text)
{
    const double storlek = std::max(1, modPluvo().OrdStorlek);
    QFont matt = labTest->font();
    matt.setFamily(labOrd[0]->font().family());
    matt.setPointSizeF(storlek);
    matt.setBold(false);
    matt.setItalic(false);
    matt.setUnderline(false);
    matt.setStrikeOut(false);
    labTest->setFont(matt);
    labTest->setCaption(text);
    return passandeStorlek(Twips::Width(labTest), storlek);
}

// The cursor bar and the wrong-key mark take the word's letter size.
void FrmPluvo::passaStreckOchFelbild()
{
    labStreck->setFontSize(labOrd[0]->FontSize());
    Twips::setHeight(picFel, Twips::Height(labStreck));
    Twips::setWidth(picFel, Twips::Width(labStreck));
    Twips::setTop(picFel, Twips::Top(labOrd[0]) - Twips::Height(picFel) / 5);
}

// The window's size or the letter font changed while a row is shown: every
// letter of the word and the explanation takes the new size and stands on
// one line again, each still shown or hidden as it was, and the cursor bar
// and the mark stand at the letter they stood at.
void FrmPluvo::placeraRadOm()
{
    const int t = modPluvo().Tillstaand;
    if (t != PluvoVisar && t != PluvoSkriver && t != Laeser && t != TestVisar && t != TestSkriver)
        return;
    const auto passa = [this](std::vector<Etikett*>& etiketter, int laengd) {
        if (laengd < 1)
            return;
        const double storlek = passadStorlek(radensText(etiketter, laengd));
        for (Etikett* e : etiketter)
            e->setFontSize(storlek);
        staellIRad(etiketter);
    };
    passa(labOrd, OrdLaengd);
    passa(labFoerklaring, FoerklaringLaengd);
    passaStreckOchFelbild();
    const int position = FoersteTommaPosition();
    if (OrdLaengd > 0 && position >= 0 && position < OrdLaengd) {
        Twips::setLeft(labStreck, Twips::Left(labOrd[size_t(position)]) + 24);
        Twips::setLeft(picFel, Twips::Left(labOrd[size_t(position)]));
    }
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
