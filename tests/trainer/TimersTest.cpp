// Reading a run aloud (the speech plan on a fake clock, the two voices, the
// sounds of a "Glosor med ljud" run), automatic hiding, one-key scanning and
// the status line, in real runs of the training window.
#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/TavlaLogik.h"
#include "platform/Clock.h"
#include "support/TraeningsFixtur.h"
#include "trainer/FrmPluvo.h"
#include "trainer/KoerLogik.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace TestSupport;

namespace {

QString citerad(const QString& vaeg)
{
    return '"' + vaeg + '"';
}

// The texts a voice was given to speak.
QStringList sagt(const QSignalSpy& spion)
{
    QStringList texter;
    for (const QList<QVariant>& anrop : spion)
        texter << anrop.at(0).toString();
    return texter;
}

class KoerTimers : public ::testing::Test {
protected:
    void SetUp() override
    {
        nyStart();
        Klocka::saettTimerKaella([this] { return nu; });
    }
    void TearDown() override
    {
        f.reset();
        StaengLjud();
        Klocka::saettTimerKaella({});
    }

    // Starts the window with speech in runs; the one-key timer only ticks
    // when a test calls it.
    void starta()
    {
        skrivInstaellning("Ljud", "oev", "True");
        f = startaTraeningsfoenster(m_mapp.path());
        f->timEnTangent.setEnabled(false);
        modPluvo().TalFinns = true;
        roest1 = std::make_unique<QSignalSpy>(&f->tspPluvo, &TextSpeaker::talade);
        roest2 = std::make_unique<QSignalSpy>(&f->tspPluvo2, &TextSpeaker::talade);
    }

    void koer(const Uppgiftslista& rader, int laege = PluvoVisar, int typ = 1)
    {
        laddaIn(rader, typ);
        f->SaettLaege(laege);
    }

    void tangent(int kod) { tryckKod(*f, kod); }

    // Seconds after the first text until the second is due, for the voice
    // that spoke the first text.
    double foerdroejning(const TextSpeaker& roest, float faktor, int tecken)
    {
        return ::PratFoerdroejning(::PratVaentan(roest.TalTempo(), faktor, tecken));
    }

    void tomma()
    {
        roest1->clear();
        roest2->clear();
    }

    double nu = 1000.0;
    QTemporaryDir m_mapp;
    std::unique_ptr<FrmPluvo> f;
    std::unique_ptr<QSignalSpy> roest1;
    std::unique_ptr<QSignalSpy> roest2;
};

const Uppgift Kaffe{"kaffe", {}, "en dryck", {}};

// The memory the process holds now, in megabytes.
qint64 haallerMB()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

}  // namespace

TEST_F(KoerTimers, TheExplanationIsSpokenWhenTheWordHasHadItsTime)
{
    // Rate 0 with factor 1.0 and five letters: 150 ms a letter, due 1.25 s.
    EXPECT_DOUBLE_EQ(::PratFoerdroejning(::PratVaentan(0, 1.0f, 5)), 1.25);

    starta();
    modPluvo().Tsp2Korr = 1.0f;
    koer({Kaffe});
    EXPECT_EQ(sagt(*roest1), QStringList{"kaffe"});
    EXPECT_TRUE(roest2->isEmpty());
    EXPECT_EQ(f->KoadText, "en dryck");
    EXPECT_EQ(f->timPrata.Interval(), 100);
    const int tempo = f->tspPluvo.TalTempo();
    EXPECT_FLOAT_EQ(float(f->PratVaentan), ::PratVaentan(tempo, 1.0f, 5));
    const double due = foerdroejning(f->tspPluvo, 1.0f, 5);
    if (tempo == 0) {
        EXPECT_DOUBLE_EQ(due, 1.25);
    }

    nu += due - 0.01;
    f->timPrata_Timer();
    EXPECT_EQ(roest1->size(), 1);
    EXPECT_EQ(f->timPrata.Interval(), 100);
    nu += 0.02;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), (QStringList{"kaffe", "en dryck"}));
    EXPECT_EQ(f->timPrata.Interval(), 0);
    nu += 5;
    QTest::qWait(250);  // the stopped timer speaks nothing more
    EXPECT_EQ(roest1->size(), 2);
    EXPECT_TRUE(roest2->isEmpty());
}

TEST_F(KoerTimers, FactorZeroSpeaksTheExplanationHalfASecondAfterTheWord)
{
    starta();
    modPluvo().Tsp2Korr = 0.0f;
    koer({Kaffe});
    EXPECT_EQ(f->PratVaentan, 0);
    nu += 0.49;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), QStringList{"kaffe"});
    nu += 0.02;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), (QStringList{"kaffe", "en dryck"}));
}

TEST_F(KoerTimers, WithTwoVoicesTheWordHasVoiceTwoInNormalAndOmvaend)
{
    skrivInstaellning("Ljud", "tvaa", "True");
    starta();
    MeddelandeSvarare svar;
    ASSERT_TRUE(modPluvo().TvaaRoester);
    modPluvo().Tsp2Korr = 1.0f;
    koer({Kaffe}, PluvoVisar, 3);
    EXPECT_EQ(sagt(*roest2), QStringList{"kaffe"});
    EXPECT_TRUE(roest1->isEmpty());
    EXPECT_FLOAT_EQ(float(f->PratVaentan), ::PratVaentan(f->tspPluvo2.TalTempo(), 1.0f, 5));
    nu += foerdroejning(f->tspPluvo2, 1.0f, 5) + 0.01;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), QStringList{"en dryck"});
    EXPECT_EQ(sagt(*roest2), QStringList{"kaffe"});

    // Omvänd: the explanation stands first and has voice 1.
    tangent(27);
    tomma();
    modPluvo().TspKorr = 2.0f;
    f->Omvaend = true;
    koer({Kaffe}, PluvoVisar, 3);
    EXPECT_EQ(sagt(*roest1), QStringList{"en dryck"});
    EXPECT_TRUE(roest2->isEmpty());
    EXPECT_FLOAT_EQ(float(f->PratVaentan), ::PratVaentan(f->tspPluvo.TalTempo(), 2.0f, 8));
    nu += foerdroejning(f->tspPluvo, 2.0f, 8) - 0.01;
    f->timPrata_Timer();
    EXPECT_TRUE(roest2->isEmpty());
    nu += 0.02;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest2), QStringList{"kaffe"});
    EXPECT_EQ(sagt(*roest1), QStringList{"en dryck"});
}

TEST_F(KoerTimers, WithOneVoiceOmvaendSpeaksBothTextsWithVoiceOne)
{
    starta();
    modPluvo().TspKorr = 1.0f;
    f->Omvaend = true;
    koer({Kaffe}, PluvoVisar, 3);
    nu += foerdroejning(f->tspPluvo, 1.0f, 8) + 0.01;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), (QStringList{"en dryck", "kaffe"}));
    EXPECT_TRUE(roest2->isEmpty());
}

TEST_F(KoerTimers, NothingIsQueuedWithoutAnExplanationOrAfterBackspace)
{
    starta();
    koer({Uppgift{"kaffe", {}, {}, {}}, Kaffe});
    EXPECT_EQ(sagt(*roest1), QStringList{"kaffe"});
    EXPECT_TRUE(f->KoadText.isEmpty());
    EXPECT_EQ(f->timPrata.Interval(), 0);
    nu += 10;
    f->timPrata_Timer();
    EXPECT_EQ(roest1->size(), 1);

    // The second row: the word shown again with Backspace is spoken alone.
    tangent(13);
    for (QChar c : QStringLiteral("kaffe"))
        tangent(c.unicode());
    tangent(13);
    ASSERT_EQ(modPluvo().AktuelltOrd, 2);
    ASSERT_EQ(f->KoadText, "en dryck");
    tangent(13);
    ASSERT_EQ(modPluvo().Tillstaand, PluvoSkriver);
    tomma();
    tangent(8);
    ASSERT_EQ(modPluvo().Tillstaand, PluvoVisar);
    EXPECT_EQ(sagt(*roest1), QStringList{"kaffe"});
    EXPECT_TRUE(f->KoadText.isEmpty());
    EXPECT_EQ(f->timPrata.Interval(), 0);
    nu += 10;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), QStringList{"kaffe"});
}

TEST_F(KoerTimers, EscDuringTheWaitSpeaksNothingMore)
{
    starta();
    MeddelandeSvarare svar;
    koer({Kaffe});
    ASSERT_EQ(f->KoadText, "en dryck");
    tangent(27);
    ASSERT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(svar.texter.size(), 1);
    nu += 10;
    f->timPrata_Timer();
    QTest::qWait(250);
    EXPECT_EQ(sagt(*roest1), QStringList{"kaffe"});
    EXPECT_TRUE(roest2->isEmpty());
    EXPECT_EQ(f->timPrata.Interval(), 0);
}

TEST_F(KoerTimers, ATestRowReadsOnlyItsExplanation)
{
    starta();
    koer({Kaffe}, TestVisar);
    ASSERT_EQ(modPluvo().Tillstaand, TestSkriver);
    EXPECT_TRUE(roest1->isEmpty());
    EXPECT_EQ(f->KoadText, "en dryck");
    nu += 0.49;
    f->timPrata_Timer();
    EXPECT_TRUE(roest1->isEmpty());
    nu += 0.02;
    f->timPrata_Timer();
    EXPECT_EQ(sagt(*roest1), QStringList{"en dryck"});
    EXPECT_TRUE(roest2->isEmpty());
}

TEST_F(KoerTimers, ASoundRunPlaysTheSecondSoundWhenTheFirstHasEnded)
{
    const QString ord = m_mapp.path() + "/hund.wav";
    const QString foerklaring = m_mapp.path() + "/dog.wav";
    ASSERT_TRUE(skrivWav(ord, 400));
    ASSERT_TRUE(skrivWav(foerklaring, 300));
    starta();
    modPluvo().TalFinns = false;  // sounds play without speech
    QElapsedTimer tid;
    tid.start();
    koer({Uppgift{"hund", ord, "dog", foerklaring}}, PluvoVisar, 5);
    EXPECT_EQ(modPluvo().OeppetLjud, citerad(ord));
    EXPECT_EQ(f->KoadText, foerklaring);
    EXPECT_EQ(f->timKontroll.Interval(), 100);
    EXPECT_TRUE(roest1->isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([&] { return modPluvo().OeppetLjud == citerad(foerklaring); }, 5000));
    EXPECT_GE(tid.elapsed(), 350);  // not before the word's 400 ms have played
    EXPECT_TRUE(f->KoadText.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([] { return modPluvo().OeppetLjud.isEmpty(); }, 5000));
    EXPECT_GE(tid.elapsed(), 600);
    EXPECT_EQ(f->timKontroll.Interval(), 0);
}

TEST_F(KoerTimers, ASoundThatCannotPlayLetsTheSecondPlayAtOnce)
{
    const QString foerklaring = m_mapp.path() + "/dog.wav";
    ASSERT_TRUE(skrivWav(foerklaring, 300));
    starta();
    koer({Uppgift{"hund", m_mapp.path() + "/saknas.wav", "dog", foerklaring}}, PluvoVisar, 5);
    EXPECT_EQ(modPluvo().OeppetLjud, citerad(foerklaring));
    EXPECT_TRUE(f->KoadText.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([] { return modPluvo().OeppetLjud.isEmpty(); }, 5000));
    EXPECT_EQ(f->timKontroll.Interval(), 0);
}

TEST_F(KoerTimers, AQueuedSoundIsDroppedWhenTheRunHasEnded)
{
    const QString ord = m_mapp.path() + "/hund.wav";
    const QString foerklaring = m_mapp.path() + "/dog.wav";
    ASSERT_TRUE(skrivWav(ord, 200));
    ASSERT_TRUE(skrivWav(foerklaring, 200));
    starta();
    SpelaLjud(ord, true);
    f->KoadText = foerklaring;
    ASSERT_EQ(modPluvo().Tillstaand, Huvudmeny);
    bool spelade = false;
    QTimer vakt;
    QObject::connect(&vakt, &QTimer::timeout, [&] { spelade |= modPluvo().OeppetLjud == citerad(foerklaring); });
    vakt.start(5);
    ASSERT_TRUE(QTest::qWaitFor([] { return modPluvo().OeppetLjud.isEmpty(); }, 5000));
    EXPECT_FALSE(spelade);
    EXPECT_TRUE(f->KoadText.isEmpty());
    EXPECT_EQ(f->timKontroll.Interval(), 0);
}

TEST_F(KoerTimers, SoundsClaiming1024ChannelsOr1HzNeitherEndNorSwellTheRun)
{
    iEgenProcess([this]() -> QString {
        const QString laag = m_mapp.path() + "/laag.wav";  // 20 kB at 1 Hz
        const QString bred = m_mapp.path() + "/bred.wav";  // 20 kB of 1024 channels
        if (!skrivWav(laag, 10000 * 1000, 1) || !skrivWav(bred, 10, 1000, 1024))
            return "the sounds cannot be written";
        starta();
        const qint64 foere = haallerMB();
        koer({rad("hund", "dog", laag), rad("katt", "cat", bred)}, PluvoVisar, 5);
        // A sound that swells does so within its first blocks.
        (void)QTest::qWaitFor([&] { return modPluvo().OeppetLjud.isEmpty() || haallerMB() - foere > 64; }, 2000);
        const qint64 mer = haallerMB() - foere;
        tryckTangent(*f, Qt::Key_Return);
        skriv(*f, "hund");
        tryckTangent(*f, Qt::Key_Return);
        tryckTangent(*f, Qt::Key_Return);
        skriv(*f, "katt");

        QStringList fel;
        if (!f->OrdKlart)
            fel << "the second word cannot be typed";
        if (mer > 64)
            fel << QString("the first sound took %1 MB").arg(mer);
        for (const QString& ljud : {laag, bred})
            if (MciKommando("Open " + citerad(ljud)) != QString::fromUtf8("Ljudfilens format kan inte läsas."))
                fel << ljud + " is not refused as an unreadable format";
        return fel.join('\n');
    });
}

TEST_F(KoerTimers, OneKeyScanningWaitsTwoTicksAfterAMenuIsDrawn)
{
    skrivInstaellning("Styrning", "Alternativ", "3");
    skrivInstaellning("Styrning", "tan_r", "True");
    starta();
    ModPluvo& m = modPluvo();
    ASSERT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(m.SkanningsVaentan, 2);
    EXPECT_EQ(f->MenyMarkoer, 0);
    f->timEnTangent_Timer();
    EXPECT_EQ(f->MenyMarkoer, 0);
    f->timEnTangent_Timer();
    EXPECT_EQ(f->MenyMarkoer, 0);
    f->timEnTangent_Timer();
    EXPECT_EQ(f->MenyMarkoer, 1);
    EXPECT_FALSE(f->TangentNere);  // the next real key is not blocked
    f->timEnTangent_Timer();
    EXPECT_EQ(f->MenyMarkoer, 2);
}

TEST_F(KoerTimers, AWholeWordIsTypedWithTheSingleKey)
{
    skrivInstaellning("Styrning", "Alternativ", "3");
    starta();
    MeddelandeSvarare svar;
    ModPluvo& m = modPluvo();
    laddaIn({Uppgift{"bo", {}, {}, {}}});

    int tick = 0;
    const auto skanna = [&] {
        f->timEnTangent_Timer();
        ++tick;
    };
    // Scans until the cursor stands on the cell showing `tecken`.
    const auto till = [&](QChar tecken) {
        for (int i = 0; i < 100; ++i) {
            if (m.TavlaVal >= 0 && f->labSiffertavla[size_t(m.TavlaVal)]->Caption() == QString(tecken))
                return true;
            skanna();
        }
        return false;
    };

    tryckTangent(*f, Qt::Key_Return);  // "Pluvo", highlighted from the start
    ASSERT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    tryckTangent(*f, Qt::Key_Return);  // the next picture hides the word
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    skanna();
    skanna();
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    skanna();
    EXPECT_EQ(m.TavlaVal, 0);  // the third tick steps towards "b"
    ASSERT_TRUE(till(u'b'));
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_FALSE(f->labOrd[0]->isHidden());
    const int foere = m.TavlaVal;
    skanna();  // one tick's pause after a letter
    EXPECT_EQ(m.TavlaVal, foere);
    ASSERT_TRUE(till(u'o'));
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_TRUE(f->OrdKlart);
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    ASSERT_EQ(svar.texter.size(), 1);
    EXPECT_TRUE(svar.texter[0].contains("pluvot"));
    EXPECT_EQ(f->labFakta[5]->Caption(), "0");
}

TEST_F(KoerTimers, AShownWordHidesItselfAfterTheSetTime)
{
    skrivInstaellning("Special", "auto_s", "True");
    skrivInstaellning("Special", "auto_tid", "3");
    starta();
    koer({Uppgift{"kaffe", {}, {}, {}}});
    ModPluvo& m = modPluvo();
    EXPECT_EQ(f->timAutostart.Interval(), 100);
    nu += 2.9;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_FALSE(f->labOrd[0]->isHidden());
    nu += 0.1;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
    EXPECT_TRUE(f->labOrd[0]->isHidden());
    EXPECT_EQ(f->timAutostart.Interval(), 0);
}

TEST_F(KoerTimers, ATestWordShownWithBackspaceHidesItselfAfterTheSetTime)
{
    skrivInstaellning("Special", "auto_t", "True");
    skrivInstaellning("Special", "v_i_t", "True");
    skrivInstaellning("Special", "auto_tid", "2");
    starta();
    koer({Kaffe}, TestVisar);
    ModPluvo& m = modPluvo();
    ASSERT_EQ(m.Tillstaand, TestSkriver);
    f->timAutostart_Timer();  // nothing is shown to hide
    EXPECT_EQ(m.Tillstaand, TestSkriver);
    EXPECT_EQ(f->timAutostart.Interval(), 0);

    nu += 7;
    tangent(8);
    ASSERT_EQ(m.Tillstaand, TestVisar);
    EXPECT_FALSE(f->labOrd[0]->isHidden());
    EXPECT_EQ(f->timAutostart.Interval(), 100);
    nu += 1.9;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, TestVisar);
    nu += 0.1;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, TestSkriver);
    EXPECT_TRUE(f->labOrd[0]->isHidden());
    EXPECT_EQ(f->timAutostart.Interval(), 0);
}

TEST_F(KoerTimers, ALeftOverHidingTickStopsWithoutTouchingTheRun)
{
    skrivInstaellning("Special", "auto_s", "True");
    starta();
    koer({Uppgift{"kaffe", {}, {}, {}}, Uppgift{"te", {}, {}, {}}});
    ModPluvo& m = modPluvo();
    // A click on the word hides it without stopping the timer.
    f->labOrd_Click(0);
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    nu += 100;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
    EXPECT_EQ(f->timAutostart.Interval(), 0);

    f->StartaAutostart();
    EXPECT_EQ(f->AutostartStart, nu);
    EXPECT_EQ(f->timAutostart.Interval(), 100);
}

TEST_F(KoerTimers, TheWaitStartsAfterAMessageOverTheWordHasClosed)
{
    skrivInstaellning("Special", "auto_s", "True");
    skrivInstaellning("Special", "auto_tid", "2");
    starta();
    ModPluvo& m = modPluvo();
    QElapsedTimer oeppet;
    double start = 0;
    MeddelandeSvarare svar([&] {
        // The message stays up long enough for the hiding timer to tick.
        if (!oeppet.isValid()) {
            oeppet.start();
            nu += 10;
        }
        if (oeppet.elapsed() < 400)
            return false;
        start = f->AutostartStart;
        return true;
    });
    f->Omvaend = true;
    koer({Kaffe, Uppgift{"te", {}, {}, {}}}, PluvoVisar, 3);
    ASSERT_EQ(svar.texter.size(), 1);
    EXPECT_TRUE(svar.texter[0].contains(QStringLiteral("saknar"))) << svar.texter[0].toStdString();
    ASSERT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(start, nu);  // the wait began again while the message was up
    nu += 1.9;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    nu += 0.2;
    f->timAutostart_Timer();
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
}

TEST_F(KoerTimers, TheStatusLineReadsTheFactsAsSentences)
{
    starta();
    f->labFakta[1]->setCaption("12");
    f->labFakta[3]->setCaption("12");
    f->labFakta[5]->setCaption("0");
    EXPECT_EQ(f->StatusradText(), "Antal uppgifter:,12.Kvar:,12.Antal fel:,0.");
}
