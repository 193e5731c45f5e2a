#include "common/SpeechSound.h"

#include "common/ModPluvo.h"
#include "platform/MciDevice.h"
#include "platform/ProgramFolder.h"
#include "platform/TextSpeaker.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

using TestSupport::skrivWav;

namespace {

QString status(const QString& q, const QString& vad)
{
    QString svar;
    return Mci::SkickaKommando("Status " + q + " " + vad, svar) == 0 ? svar : QString("fel");
}

class SpeechSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        ASSERT_TRUE(skrivWav(ljud, 1500));
        saettLjudKoppling({&roest1, &roest2, [this] { ++bevakningar; }});
    }
    void TearDown() override
    {
        StaengLjud();
        saettLjudKoppling({});
    }

    QTemporaryDir mapp;
    const QString ljud = mapp.path() + "/ord.wav";
    TextSpeaker roest1;
    TextSpeaker roest2;
    int bevakningar = 0;
};

}  // namespace

TEST_F(SpeechSoundTest, PlaysAWatchedSoundAndKeepsItOpen)
{
    SpelaLjud(ljud, true);
    const QString q = '"' + ljud + '"';
    EXPECT_EQ(modPluvo().OeppetLjud, q);
    EXPECT_EQ(bevakningar, 1);
    EXPECT_EQ(MciKommando("Status " + modPluvo().OeppetLjud + " mode"), "");
    EXPECT_EQ(modPluvo().MciSvar, "playing");

    // The next sound closes the one before.
    SpelaLjud(ljud + "{200,700}", false);
    EXPECT_EQ(modPluvo().OeppetLjud, q);
    EXPECT_EQ(bevakningar, 1);
    const qint64 pos = status(q, "position").toLongLong();
    EXPECT_GE(pos, 200);
    EXPECT_LT(pos, 700);

    // An empty reference only closes the open sound.
    TestSupport::MsgBoxInspelare inspelare;
    SpelaLjud("", false);
    EXPECT_EQ(modPluvo().OeppetLjud, "");
    EXPECT_EQ(status(q, "mode"), "fel");
    EXPECT_TRUE(inspelare.anrop.empty());
}

TEST_F(SpeechSoundTest, AFailedOpenIsShownOnlyWhenNotWatched)
{
    TestSupport::MsgBoxInspelare inspelare;
    const QString saknas = mapp.path() + "/saknas.wav";
    SpelaLjud(saknas, true);
    EXPECT_TRUE(inspelare.anrop.empty());
    EXPECT_EQ(bevakningar, 0);

    SpelaLjud(saknas, false);
    ASSERT_EQ(inspelare.anrop.size(), 1u);
    EXPECT_EQ(inspelare.anrop[0].text, "Ljudet \"" + saknas + "\" kan ej spelas.\r\nOrsak: Ljudfilen finns inte.");
    EXPECT_EQ(inspelare.anrop[0].rubrik, "Pluvo");
    EXPECT_EQ(inspelare.anrop[0].ikon, MsgIkon::Information);
    EXPECT_EQ(inspelare.anrop[0].knappar, MsgKnappar::Ok);
    EXPECT_EQ(modPluvo().OeppetLjud, "");

    // A clip whose end is not after its start is no clip: the whole text,
    // suffix included, is the path, and that file is missing.
    SpelaLjud(ljud + "{700,700}", false);
    ASSERT_EQ(inspelare.anrop.size(), 2u);
    EXPECT_EQ(inspelare.anrop[1].text,
              "Ljudet \"" + ljud + "{700,700}\" kan ej spelas.\r\nOrsak: Ljudfilen finns inte.");
    // So is a reference that ends with its "{", or whose numbers do not fit.
    SpelaLjud(ljud + "{", false);
    SpelaLjud(ljud + "{0,99999999999999}", false);
    EXPECT_EQ(inspelare.anrop.size(), 4u);
}

TEST_F(SpeechSoundTest, APlayThatFailsLeavesNoDeviceOpen)
{
    TestSupport::MsgBoxInspelare inspelare;
    SpelaLjud(ljud + "{5000,6000}", false);  // beyond the sound's end
    EXPECT_EQ(modPluvo().OeppetLjud, "");
    EXPECT_TRUE(inspelare.anrop.empty());
    EXPECT_EQ(status('"' + ljud + '"', "mode"), "fel");
    // So it can be opened again.
    SpelaLjud(ljud, false);
    EXPECT_EQ(modPluvo().OeppetLjud, '"' + ljud + '"');
}

TEST_F(SpeechSoundTest, ReferenceFromTheProgramFolder)
{
    QDir(mapp.path()).mkdir("ljud");
    ASSERT_TRUE(skrivWav(mapp.path() + "/ljud/hej.wav", 300));
    ProgramMapp::saett(mapp.path() + "/");
    SpelaLjud("\\ljud\\hej.wav", false);
    ProgramMapp::saett("");
    EXPECT_EQ(modPluvo().OeppetLjud, "\"" + mapp.path() + "/ljud/hej.wav\"");
}

TEST_F(SpeechSoundTest, MciKommandoGivesTheErrorTextAndKeepsTheLastReply)
{
    const QString q = '"' + ljud + '"';
    EXPECT_EQ(MciKommando("Open " + q), "");
    EXPECT_EQ(MciKommando("Status " + q + " length"), "");
    EXPECT_EQ(modPluvo().MciSvar, "1500");
    EXPECT_EQ(MciKommando("Status " + q + " färg"), "Kommandot är okänt eller felskrivet.");
    EXPECT_EQ(modPluvo().MciSvar, "1500");
    EXPECT_EQ(MciKommando("Close " + q), "");
    EXPECT_EQ(MciKommando("Close " + q), "Ljudet är inte öppnat.");
}

TEST_F(SpeechSoundTest, LaesStopsTheVoicesAndSpeaksWithVoiceOne)
{
    QSignalSpy talade1(&roest1, &TextSpeaker::talade);
    QSignalSpy talade2(&roest2, &TextSpeaker::talade);
    QSignalSpy tystades1(&roest1, &TextSpeaker::tystades);
    QSignalSpy tystades2(&roest2, &TextSpeaker::tystades);

    Laes("Huvudmeny");
    ASSERT_EQ(talade1.count(), 1);
    EXPECT_EQ(talade1.at(0).at(0).toString(), "huvud meny");
    EXPECT_EQ(tystades1.count(), 1);
    EXPECT_EQ(tystades2.count(), 0);

    modPluvo().TvaaRoester = true;
    Laes("huvudmeny");
    ASSERT_EQ(talade1.count(), 2);
    EXPECT_EQ(talade1.at(1).at(0).toString(), "huvudmeny");
    EXPECT_EQ(tystades2.count(), 1);
    EXPECT_EQ(talade2.count(), 0);
    roest1.Tysta();
}

TEST(SkaLaesaUpp, ByStateExerciseTypeAndSettings)
{
    TestSupport::nyStart();
    ModPluvo& m = modPluvo();
    const std::vector<int> menyer = {0, 1, 4, 6, 9, 10, 11, 12, 13};
    const std::vector<int> koerning = {2, 3, 5, 7, 8};

    for (bool laesMeny : {false, true})
        for (bool talFinns : {false, true})
            for (int t : menyer) {
                m.LaesMeny = laesMeny;
                m.TalFinns = talFinns;
                m.LaesOevning = true;
                m.OevningsTyp = 5;
                m.Tillstaand = t;
                EXPECT_EQ(SkaLaesaUpp(), laesMeny && talFinns) << t;
            }

    for (int typ : {1, 5})
        for (bool laesOevning : {false, true})
            for (bool talFinns : {false, true})
                for (int t : koerning) {
                    m.OevningsTyp = typ;
                    m.LaesOevning = laesOevning;
                    m.TalFinns = talFinns;
                    m.LaesMeny = true;
                    m.Tillstaand = t;
                    // A sound exercise plays its sounds even without speech.
                    EXPECT_EQ(SkaLaesaUpp(), typ == 5 || (laesOevning && talFinns)) << t;
                }

    m.LaesMeny = m.LaesOevning = m.TalFinns = true;
    for (int t : {-1, 14, 100}) {
        m.Tillstaand = t;
        EXPECT_FALSE(SkaLaesaUpp());
    }
}

TEST(StartaLjudinspelare, PassesAMissingRecorderOverSilently)
{
    TestSupport::MsgBoxInspelare inspelare;
    const QByteArray tidigare = qgetenv("PLUVO_INSPELARE");
    qputenv("PLUVO_INSPELARE", "/finns/inte/inspelare");
    StartaLjudinspelare();
    qputenv("PLUVO_INSPELARE", tidigare);
    EXPECT_TRUE(inspelare.anrop.empty());
}
