// The one funnel for every key of the training window, typed or simulated,
// and the keys that type no character (arrows, PageUp, F9).
#include "trainer/FrmPluvo.h"

#include "common/Ansi1252.h"
#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/TavlaLogik.h"
#include "platform/Clock.h"
#include "platform/Tangentbordet.h"
#include "trainer/KoerLogik.h"
#include "trainer/LetterBoard.h"

namespace {

// The board's cursor is stepped by keys (two to five keys, or one key).
bool tavlanStegas()
{
    const ModPluvo& m = modPluvo();
    return m.TavlaPaa && !m.MusStyrning;
}

// A character that types: every printable code, "!" too (a word may hold
// it); 127 is Delete, not a character.
bool skrivbartTecken(int kod)
{
    return kod >= 33 && kod <= 255 && kod != 127;
}

// The character code a board cell types: its caption's first character.
int cellTecken(const Etikett* cell)
{
    const QString text = cell->Caption();
    return text.isEmpty() ? -1 : ansiCode(text.at(0));
}

}  // namespace

void FrmPluvo::Form_KeyPress(int KeyAscii)
{
    ModPluvo& m = modPluvo();
    if (m.SpaerraRepetition && TangentNere)
        return;
    const int aatergaangarFoere = Tangentbordet::aatergaangar();

    Avbruten = false;
    m.EnterTryckt = false;
    const int t = m.Tillstaand;

    // Enter on the board's cursor: the next picture goes on, the back
    // picture shows the word again, a cell types its letter. Only going on
    // counts as Enter for passing a shown word over.
    const auto enterPaaTavlan = [&](bool stoppa) {
        const int val = m.TavlaVal;
        if (val == Tavla::Naesta) {
            m.EnterTryckt = true;
            if (stoppa)
                StoppaAutostart();
            NaestaSteg();
        } else if (val == Tavla::Bakaat) {
            VisaOrdetMedRadera();
        } else if (val >= 0 && val < Tavla::AntalCeller) {
            const int kod = cellTecken(labSiffertavla[size_t(val)]);
            if (kod >= 0)
                HanteraTecken(kod);
        }
    };

    if (KeyAscii == 27) {
        if (iUndermeny(t) || t == HaemtaMeny) {
            VisaHuvudmeny();
        } else if (iFilval(t)) {
            labFilnamn->hide();
            picUpp->hide();
            picNer->hide();
            imaMun->hide();
            VisaHuvudmeny();
        } else if (iKoerning(t)) {
            StoppaAutostart();
            TaBortOrd();
            TaBortFoerklaring();
            if (!labStreck->isHidden())
                labStreck->hide();
            if (!picFel->isHidden())
                picFel->hide();
            Avbruten = true;
            // A Läs run keeps no fact line: its words left come from the run.
            const int kvar = t == Laeser ? KvarILaesning(OmgaangStorlek, m.AktuelltOrd)
                                         : labFakta[3]->Caption().toInt();
            VisaSammanfattning();
            txtLoggbok.skrivAvbruten(kvar, Klocka::Tid(Klocka::Nu()));
            VisaHuvudmeny();
        }
        return;
    }

    if (KeyAscii == 8) {
        VisaOrdetMedRadera();
    } else if (skrivbartTecken(KeyAscii)) {
        HanteraTecken(KeyAscii);
    } else if (KeyAscii == 13) {
        if (t == Huvudmeny || iUndermeny(t) || t == HaemtaMeny) {
            m.EnterTryckt = true;
            labMenyVal_Click(MenyMarkoer);
        } else if (iFilval(t)) {
            m.EnterTryckt = true;
            OeppnaValdFil();
        } else if (t == PluvoSkriver || t == TestSkriver) {
            if (tavlanStegas()) {
                enterPaaTavlan(false);
            } else {
                m.EnterTryckt = true;
                NaestaSteg();
            }
        } else if (t == PluvoVisar || t == Laeser || t == TestVisar) {
            if (tavlanStegas()) {
                enterPaaTavlan(true);
            } else {
                m.EnterTryckt = true;
                StoppaAutostart();
                NaestaSteg();
            }
        }
    } else if (KeyAscii == 32) {
        if (t == Huvudmeny || t == HaemtaMeny) {
            MenyMarkoer = (MenyMarkoer + 1) % 5;
            MarkeraMenyval(MenyMarkoer);
        } else if (iUndermeny(t)) {
            MenyMarkoer = (MenyMarkoer + 1) % 3;
            MarkeraMenyval(MenyMarkoer);
        } else if (iFilval(t)) {
            picNer_MouseDown();
            TangentNere = true;
        } else if (t == PluvoVisar || t == Laeser || t == TestVisar) {
            if (tavlanStegas()) {
                StegaBokstavstavla();
            } else {
                StoppaAutostart();
                NaestaSteg();
            }
        } else if (t == PluvoSkriver || t == TestSkriver) {
            if (tavlanStegas())
                StegaBokstavstavla();
            else
                KontrolleraTangent(32);  // a blank is a letter of the word
        }
    }

    // A key whose handler opened a modal window (the summary, a message)
    // was let go over that window, and the window may have been closed by
    // a click: its release never comes here.
    TangentNere = Tangentbordet::aatergaangar() == aatergaangarFoere;
}

void FrmPluvo::Form_KeyUp()
{
    if (TangentNere)
        TangentNere = false;
}

void FrmPluvo::picTaTangent_KeyDown(int KeyCode)
{
    ModPluvo& m = modPluvo();
    if (m.SpaerraRepetition && TangentNere)
        return;
    const int t = m.Tillstaand;

    const auto flytta = [&](Pil pil) {
        if (!iKoerning(t) || !tavlanStegas())
            return;
        TavlaSynlig synlig;
        synlig.celler = !labSiffertavla[0]->isHidden();
        synlig.bakaat = !picBakaat->isHidden();
        const int nytt = FlyttaMedPil(m.TavlaVal, pil, synlig);
        if (nytt != m.TavlaVal) {
            m.TavlaVal = nytt;
            MarkeraVal(nytt);
        }
    };

    switch (KeyCode) {
    case 33:
        if (!labFakta[0]->isHidden() && SkaLaesaUpp() && m.TalFinns)
            Laes(StatusradText());
        break;
    case 40:
        if (t == Huvudmeny || t == HaemtaMeny) {
            if (MenyMarkoer < 4)
                MarkeraMenyval(++MenyMarkoer);
        } else if (iUndermeny(t)) {
            if (MenyMarkoer < 2)
                MarkeraMenyval(++MenyMarkoer);
        } else if (iFilval(t)) {
            picNer_MouseDown();
            TangentNere = true;
        } else {
            flytta(Pil::Ner);
        }
        break;
    case 38:
        if (t == Huvudmeny || t == HaemtaMeny || iUndermeny(t)) {
            if (MenyMarkoer > 0)
                MarkeraMenyval(--MenyMarkoer);
        } else if (iFilval(t)) {
            picUpp_MouseDown();
            TangentNere = true;
        } else {
            flytta(Pil::Upp);
        }
        break;
    case 37:
        flytta(Pil::Vaenster);
        break;
    case 39:
        flytta(Pil::Hoeger);
        break;
    case 120:
        menLaas->setVisible(!menLaas->isVisible());
        break;
    default:
        break;
    }
}

void FrmPluvo::picTaTangent_KeyUp(int)
{
    TangentNere = false;
}
