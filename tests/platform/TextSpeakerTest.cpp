#include "platform/TextSpeaker.h"

#include "platform/SettingsStore.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Waits while `villkor` holds; false on timeout.
template <typename F>
bool vaentaMedan(F villkor, int maxMs)
{
    QElapsedTimer t;
    t.start();
    while (villkor()) {
        if (t.elapsed() > maxMs)
            return false;
        QThread::msleep(5);
    }
    return true;
}

TalRoest roestMedId(const TextSpeaker& tsp, const QString& id)
{
    for (int i = 0; i < tsp.AntalRoester(); ++i)
        if (tsp.Roest(i).id() == id)
            return tsp.Roest(i);
    return {};
}

bool aerSvensk(const TalRoest& r)
{
    return r.id() == "sv" || r.id().endsWith("/sv");
}

}  // namespace

TEST(TextSpeaker, EngineAndVoices)
{
    TextSpeaker tsp;
    ASSERT_TRUE(tsp.TalsyntesFinns());
    EXPECT_GT(tsp.AntalRoester(), 10);
    for (int i = 0; i < tsp.AntalRoester(); ++i) {
        EXPECT_FALSE(tsp.Roest(i).id().startsWith("mb/")) << tsp.Roest(i).id().toStdString();
        EXPECT_FALSE(tsp.Roest(i).GetVoiceName().isEmpty());
    }
    EXPECT_FALSE(tsp.Roest(-1).giltig());
    EXPECT_FALSE(tsp.Roest(tsp.AntalRoester()).giltig());
    EXPECT_TRUE(aerSvensk(tsp.AktuellRoest()));
    EXPECT_NEAR(tsp.TalTempo(), 57, 1);
    EXPECT_FALSE(tsp.VaeljRoest(TalRoest("finns/inte", "Ingen")));
    EXPECT_TRUE(aerSvensk(tsp.AktuellRoest()));
}

TEST(TextSpeaker, SpeaksInTheBackgroundAndStopsAtOnce)
{
    TextSpeaker tsp;
    QSignalSpy talade(&tsp, &TextSpeaker::talade);
    QSignalSpy tystades(&tsp, &TextSpeaker::tystades);

    QElapsedTimer t;
    t.start();
    tsp.Tala("Hej, det här är ett test");
    EXPECT_LT(t.elapsed(), 100);  // returns at once
    EXPECT_TRUE(tsp.Talar());
    ASSERT_TRUE(vaentaMedan([&] { return tsp.Talar(); }, 8000));
    EXPECT_GT(t.elapsed(), 500);
    EXPECT_LT(t.elapsed(), 6000);
    ASSERT_EQ(talade.count(), 1);
    EXPECT_EQ(talade.at(0).at(0).toString(), "Hej, det här är ett test");

    tsp.Tala("Det här är en lång mening som tar flera sekunder att läsa upp för eleven.");
    QThread::msleep(300);
    EXPECT_TRUE(tsp.Talar());
    tsp.Tysta();
    EXPECT_FALSE(tsp.Talar());
    EXPECT_EQ(tystades.count(), 1);

    // Stopped while still queued: nothing plays afterwards.
    tsp.Tala("Ett ord");
    tsp.Tysta();
    QThread::msleep(200);
    EXPECT_FALSE(tsp.Talar());
}

TEST(TextSpeaker, TwoInstancesSpeakAtOnceWithTheirOwnVoices)
{
    TextSpeaker roest1;
    TextSpeaker roest2;
    const TalRoest engelsk = roestMedId(roest2, "gmw/en");
    ASSERT_TRUE(engelsk.giltig());
    ASSERT_TRUE(roest2.VaeljRoest(engelsk));
    EXPECT_TRUE(aerSvensk(roest1.AktuellRoest()));
    EXPECT_EQ(roest2.AktuellRoest().id(), "gmw/en");

    roest1.Tala("Det här är den första rösten som talar en stund.");
    roest2.Tala("This is the second voice speaking for a while.");
    QThread::msleep(400);
    EXPECT_TRUE(roest1.Talar());
    EXPECT_TRUE(roest2.Talar());
    // Stopping one voice leaves the other speaking.
    roest2.Tysta();
    EXPECT_FALSE(roest2.Talar());
    EXPECT_TRUE(roest1.Talar());
    roest1.Tysta();
}

TEST(TextSpeaker, VoiceKeptAcrossARestart)
{
    TestSupport::nyStart();
    {
        TextSpeaker tsp;
        // First start: nothing stored is no error, and the voice is Swedish.
        ASSERT_TRUE(tsp.HaemtaRoest("MOLVI Pluvo"));
        EXPECT_TRUE(aerSvensk(tsp.AktuellRoest()));

        ASSERT_TRUE(tsp.VaeljRoest(roestMedId(tsp, "gmw/en")));
        tsp.SparaRoest("MOLVI Pluvo2");
        EXPECT_EQ(SettingsStore::las("Roester", "MOLVI Pluvo2").value_or(""), tsp.AktuellRoest().RoestNamn());
    }
    TextSpeaker tsp2;
    EXPECT_TRUE(aerSvensk(tsp2.AktuellRoest()));
    ASSERT_TRUE(tsp2.HaemtaRoest("MOLVI Pluvo2"));
    EXPECT_EQ(tsp2.AktuellRoest().id(), "gmw/en");

    // A stored voice that is no longer installed cannot be restored.
    SettingsStore::SaveSetting("Roester", "MOLVI Pluvo", "Röst som inte finns");
    EXPECT_FALSE(tsp2.HaemtaRoest("MOLVI Pluvo"));
    EXPECT_EQ(tsp2.AktuellRoest().id(), "gmw/en");
}
