// The steps of a run: hiding the word for typing, the next row, the passes
// of words typed wrong, the summaries and showing the word again.
#include "trainer/FrmPluvo.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "platform/Clock.h"
#include "trainer/KoerLogik.h"
#include "trainer/LetterBoard.h"

namespace {

QString tidNu()
{
    return Klocka::Tid(Klocka::Nu());
}

}  // namespace

void FrmPluvo::NaestaSteg()
{
    ModPluvo& m = modPluvo();
    m.SkanningsVaentan = 2;

    switch (m.Tillstaand) {
    case PluvoVisar:
    case TestVisar: {
        const bool test = m.Tillstaand == TestVisar;
        DoeljOrd();
        OrdKlart = false;
        m.Tillstaand = test ? TestSkriver : PluvoSkriver;
        if (test && SkaLaesaUpp())
            PrataOrd(false);
        const bool bytMedEnter = test ? m.BytMedEnterTest : m.BytMedEnterPluvo;
        if (m.OrdetVisat && m.EnterTryckt && bytMedEnter) {
            // The word was shown with Backspace and Enter passes it over.
            if (!labStreck->isHidden())
                labStreck->hide();
            m.OrdOeverhoppat = true;
            txtLoggbok.skrivVidareTillNaesta();
            NaestaUppgift();
            VisaTavla();
            return;
        }
        break;
    }
    case PluvoSkriver:
    case TestSkriver:
        // Enter in the middle of a word does nothing.
        if (OrdKlart)
            NaestaUppgift();
        break;
    case Laeser:
        TaBortOrd();
        TaBortFoerklaring();
        if (m.AktuelltOrd < OmgaangStorlek) {
            ++m.AktuelltOrd;
            VisaOrd();
            if (!modPluvo().aktuellRad().Foerklaring.isEmpty())
                VisaFoerklaring();
        } else {
            VisaSammanfattning();
            txtLoggbok.skrivGenomfoerd(tidNu());
            VisaHuvudmeny();
        }
        break;
    default:
        break;
    }
    VisaTavla();
}

void FrmPluvo::NaestaUppgift()
{
    ModPluvo& m = modPluvo();
    OrdFelRaeknat = false;
    TaBortOrd();
    TaBortFoerklaring();

    if (m.AktuelltOrd < OmgaangStorlek) {
        ++m.AktuelltOrd;
        VisaOrd();
        labFakta[3]->setCaption(QString::number(KvarFigur(OmgaangStorlek, m.AktuelltOrd, FelIOmgaang)));
        if (!modPluvo().aktuellRad().Foerklaring.isEmpty())
            VisaFoerklaring();
    } else if (FelIOmgaang < 1) {
        // A pass without a word typed wrong ends the run.
        if (m.TavlaPaa) {
            DoeljBokstavstavla();
            picNaesta->hide();
            shaSiffertavla->hide();
        }
        VisaSammanfattning();
        txtLoggbok.skrivGenomfoerd(tidNu());
        VisaHuvudmeny();
        return;
    } else {
        // The words typed wrong, in the order of their first error, form
        // the next pass without a new shuffle.
        OmgaangStorlek = FelIOmgaang;
        m.AktuelltOrd = 1;
        FelIOmgaang = 0;
        m.Ordlista.assign(m.FelOrdlista.begin(), m.FelOrdlista.begin() + OmgaangStorlek);
        m.FelOrdlista.assign(size_t(OmgaangStorlek), Uppgift{});
        VisaOrd();
        labFakta[3]->setCaption(QString::number(KvarFigur(OmgaangStorlek, m.AktuelltOrd, FelIOmgaang)));
        if (!modPluvo().aktuellRad().Foerklaring.isEmpty())
            VisaFoerklaring();
    }

    if (m.Tillstaand == PluvoSkriver) {
        m.Tillstaand = PluvoVisar;
    } else if (m.Tillstaand == TestSkriver) {
        m.Tillstaand = TestVisar;
        NaestaSteg();
    }
}

void FrmPluvo::VisaSammanfattning()
{
    ModPluvo& m = modPluvo();

    // Nothing queued for the row just left may be spoken or played over
    // the summary or the main menu, and no word is left to hide.
    KoadText.clear();
    timPrata.setInterval(0);
    timAutostart.setInterval(0);
    if (timKontroll.Interval() > 0) {
        timKontroll.setInterval(0);
        StaengLjud();
    }

    const int t = m.Tillstaand;
    if (t != PluvoVisar && t != PluvoSkriver && t != TestVisar && t != TestSkriver)
        return;

    QString text;
    if (m.AktuelltOrd != OmgaangStorlek || Avbruten) {
        Avbruten = false;
        const int kvar = labFakta[3]->Caption().toInt();
        const int klara = AvklaradeOrd(labFakta[1]->Caption().toInt(), kvar, OrdFelRaeknat);
        text = AvbrottsSammanfattning(klara, kvar, m.OrdOeverhoppat);
    } else {
        labFakta[3]->setCaption("0");
        text = SlutSammanfattning(labFakta[1]->Caption().toInt(), m.OrdOeverhoppat);
    }
    VisaMeddelande(text);
}

void FrmPluvo::VisaOrdetMedRadera()
{
    ModPluvo& m = modPluvo();
    const int t = m.Tillstaand;
    const bool tillaatet = (t == PluvoSkriver && m.VisaMedRaderaPluvo) ||
                           ((t == TestVisar || t == TestSkriver) && m.VisaMedRaderaTest);
    if (!tillaatet || OrdKlart)
        return;

    m.OrdetVisat = true;
    const Uppgift& rad = modPluvo().aktuellRad();
    txtLoggbok.skrivOrdetVisades(rad.Ord, rad.Foerklaring, OrdFelRaeknat);

    if (!labStreck->isHidden())
        labStreck->hide();
    if (!picFel->isHidden())
        picFel->hide();
    for (int i = 0; i < OrdLaengd && i < int(labOrd.size()); ++i)
        labOrd[size_t(i)]->show();

    if (SkaLaesaUpp())
        PrataOrd(true);

    if (t == PluvoSkriver) {
        if (m.AutoDoeljPluvo)
            StartaAutostart();
        m.Tillstaand = PluvoVisar;
    } else if (t == TestSkriver) {
        if (m.AutoDoeljTest)
            StartaAutostart();
        m.Tillstaand = TestVisar;
    }
}

void FrmPluvo::labOrd_Click(int)
{
    NaestaSteg();
}

void FrmPluvo::labFoerklaring_Click(int)
{
    NaestaSteg();
}

namespace {

// Over a word or an explanation that a click would step on, the pointer
// shows it is clickable.
void saettStegPekare(Etikett* etikett, const QCursor& klickbar)
{
    const int t = modPluvo().Tillstaand;
    const bool klickbart = t == PluvoVisar || t == Laeser || t == TestVisar;
    const QCursor pekare = klickbart ? klickbar : QCursor(Qt::ArrowCursor);
    if (etikett->cursor().shape() != pekare.shape() ||
        (pekare.shape() == Qt::BitmapCursor && etikett->cursor().pixmap().cacheKey() != pekare.pixmap().cacheKey()))
        etikett->setCursor(pekare);
}

}  // namespace

void FrmPluvo::labOrd_MouseMove(int Index)
{
    if (Index >= 0 && Index < int(labOrd.size()))
        saettStegPekare(labOrd[size_t(Index)], labMenyVal[0]->cursor());
}

void FrmPluvo::labFoerklaring_MouseMove(int Index)
{
    if (Index >= 0 && Index < int(labFoerklaring.size()))
        saettStegPekare(labFoerklaring[size_t(Index)], labMenyVal[0]->cursor());
}
