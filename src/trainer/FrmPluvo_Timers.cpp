// Reading the current row aloud (speech, or the sounds of a "Glosor med
// ljud" exercise), the timers that carry it on, automatic hiding of a shown
// word, one-key scanning and the status line read with PageUp.
#include "trainer/FrmPluvo.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "platform/Clock.h"
#include "trainer/KoerLogik.h"

#include <QApplication>

namespace {

constexpr int Bevakningstakt = 100;  // ms between ticks of the run timers

bool ljudoevning()
{
    return modPluvo().OevningsTyp == 5;
}

}  // namespace

void FrmPluvo::PrataOrd(bool MedOrd)
{
    ModPluvo& m = modPluvo();
    KoadText.clear();

    if (!ljudoevning()) {
        timPrata.setInterval(0);
        if (Omvaend) {
            tspPluvo.Tysta();
            if (m.TvaaRoester)
                tspPluvo2.Tysta();
        } else {
            if (m.TvaaRoester)
                tspPluvo2.Tysta();
            tspPluvo.Tysta();
        }
    } else {
        StaengLjud();
    }

    if (!m.harAktuellRad())
        return;
    const Uppgift& u = m.aktuellRad();

    QString T1;
    if (MedOrd)
        T1 = u.OrdUttal.isEmpty() ? u.Ord : u.OrdUttal;
    // Nothing follows a row without explanation, nor a word shown again.
    if (!u.Foerklaring.isEmpty() && !m.OrdetVisat)
        KoadText = u.FoerklaringUttal.isEmpty() ? u.Foerklaring : u.FoerklaringUttal;

    if (ljudoevning()) {
        if (MedOrd) {
            SpelaLjud(T1, true);
            // A first sound that could not be played leaves nothing to wait
            // for: the second one plays now instead of being lost.
            if (m.OeppetLjud.isEmpty() && !KoadText.isEmpty()) {
                SpelaLjud(KoadText, true);
                KoadText.clear();
            }
        } else {
            SpelaLjud(KoadText, true);
            KoadText.clear();
        }
        return;
    }

    // With two voices the word has voice 2 and the explanation voice 1.
    TextSpeaker& foersta = (m.TvaaRoester && !Omvaend) ? tspPluvo2 : tspPluvo;
    if (!T1.isEmpty())
        foersta.Tala(T1);

    if (!KoadText.isEmpty()) {
        const float faktor = Omvaend ? m.TspKorr : m.Tsp2Korr;
        PratVaentan = ::PratVaentan(foersta.TalTempo(), faktor, int(T1.size()));
        PratStart = Klocka::Timer();
        timPrata.setInterval(Bevakningstakt);
    }
}

void FrmPluvo::StoppaAutostart()
{
    const ModPluvo& m = modPluvo();
    const int t = m.Tillstaand;
    if (((t == PluvoVisar && m.AutoDoeljPluvo) || (t == TestVisar && m.AutoDoeljTest)) &&
        timAutostart.Interval() != 0)
        timAutostart.setInterval(0);
}

void FrmPluvo::StartaAutostart()
{
    AutostartStart = Klocka::Timer();
    timAutostart.setInterval(Bevakningstakt);
}

QString FrmPluvo::StatusradText()
{
    std::array<QString, 6> fakta;
    for (size_t i = 0; i < fakta.size(); ++i)
        fakta[i] = labFakta[i]->Caption();
    return ::StatusradText(fakta);
}

void FrmPluvo::timAutostart_Timer()
{
    const ModPluvo& m = modPluvo();
    // No word shown: a tick left over from a word or run that is gone must
    // never hide the next one.
    if (m.Tillstaand != PluvoVisar && m.Tillstaand != TestVisar) {
        timAutostart.setInterval(0);
        return;
    }
    // The pupil cannot see the word while a message covers it: the wait
    // starts again when the message has closed.
    if (QApplication::activeModalWidget()) {
        AutostartStart = Klocka::Timer();
        return;
    }
    if (float(Klocka::Timer() - AutostartStart) >= float(m.AutoTid)) {
        timAutostart.setInterval(0);
        NaestaSteg();
    }
}

void FrmPluvo::timEnTangent_Timer()
{
    ModPluvo& m = modPluvo();
    if (m.SkanningsVaentan < 1) {
        // A key the pupil holds keeps its guard: only a Space the funnel
        // let through is this tick's own to release.
        const bool spaerrad = m.SpaerraRepetition && TangentNere;
        Form_KeyPress(32);
        if (!spaerrad)
            TangentNere = false;
    } else {
        --m.SkanningsVaentan;
    }
}

void FrmPluvo::timKontroll_Timer()
{
    ModPluvo& m = modPluvo();
    // Nothing open: the poll has nothing to watch until the next sound.
    if (m.OeppetLjud.isEmpty()) {
        timKontroll.setInterval(0);
        return;
    }
    // A run that has ended plays nothing more of its row.
    if (!iKoerning(m.Tillstaand))
        KoadText.clear();

    MciKommando("Status " + m.OeppetLjud + " mode");
    if (!LjudetSlut(m.MciSvar))
        return;

    if (!KoadText.isEmpty()) {
        const QString naesta = KoadText;
        KoadText.clear();
        SpelaLjud(naesta, true);
    } else {
        timKontroll.setInterval(0);
        StaengLjud();
    }
}

void FrmPluvo::timPrata_Timer()
{
    const ModPluvo& m = modPluvo();
    if (!iKoerning(m.Tillstaand)) {
        timPrata.setInterval(0);
        return;
    }
    if (Klocka::Timer() - PratStart < ::PratFoerdroejning(float(PratVaentan)))
        return;
    timPrata.setInterval(0);
    if (KoadText.isEmpty())
        return;
    if (Omvaend) {
        tspPluvo.Tysta();
        (m.TvaaRoester ? tspPluvo2 : tspPluvo).Tala(KoadText);
    } else {
        (m.TvaaRoester ? tspPluvo2 : tspPluvo).Tysta();
        tspPluvo.Tala(KoadText);
    }
}
