#include "editor/FrmKlipp.h"

#include "common/ModPluvo.h"
#include "platform/ProgramFolder.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The memory the test program holds, in bytes.
qint64 anvaentMinne()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray rad; !(rad = status.readLine()).isEmpty();)
        if (rad.startsWith("VmRSS:"))
            return rad.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return -1;
}

class FrmKlippTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        redigera.resize(800, 240);
        hund = tmp.path() + "/hund.wav";
        ASSERT_TRUE(TestSupport::skrivWav(hund, 3000));
    }
    void TearDown() override { ProgramMapp::saett({}); }

    std::unique_ptr<FrmKlipp> oeppna(const QString& tag)
    {
        auto f = std::make_unique<FrmKlipp>(&redigera, tag);
        f->show();
        return f;
    }
    static QString text(FrmKlipp& f, const char* namn) { return f.findChild<QLabel*>(namn)->text(); }
    static QPushButton* knapp(FrmKlipp& f, const char* namn) { return f.findChild<QPushButton*>(namn); }
    static QCheckBox* allt(FrmKlipp& f) { return f.findChild<QCheckBox*>("chkAllt"); }
    static QString okResultat(FrmKlipp& f)
    {
        QTest::mouseClick(knapp(f, "comOK"), Qt::LeftButton);
        EXPECT_FALSE(f.isVisible());
        return f.Tag();
    }
    // Clicks the clip row `bredd` parts of the bar's width from its left end
    // (below 0 or above 1: beyond the ends).
    static void klickaPaaStapeln(FrmKlipp& f, Qt::MouseButton knapp, double andel)
    {
        QWidget* rad = f.findChild<QWidget*>("imaBar1");
        QWidget* stapel = f.findChild<QWidget*>("shaLjud0");
        const int x = stapel->x() - rad->x() + int(std::lround(andel * stapel->width()));
        QTest::mouseClick(rad, knapp, {}, QPoint(std::clamp(x, 0, rad->width() - 1), rad->height() / 2));
    }

    QWidget redigera;
    QTemporaryDir tmp;
    QString hund;
    TestSupport::MsgBoxInspelare meddelanden;
};

}  // namespace

// --- Reading the handed-in clip ---

TEST_F(FrmKlippTest, KlippetLaesesRaettOchGesTillbakaIHelaMillisekunder)
{
    // The suffix is written with plain digits whatever the locale.
    const QLocale tidigare;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const struct {
        const char* suffix;
        const char* klipp;
        const char* tillbaka;
    } fall[] = {
        {"{1200,2500}", "Klipp: Från 1200 ms till 2500 ms", "{1200,2500}"},
        {"", "Inget klipp", ""},
        {"{2500,1200}", "Inget klipp", ""},
        {"{1200,1200}", "Inget klipp", ""},
        {"{a,b}", "Inget klipp", ""},
        {"{500,9999}", "Klipp: Från 500 ms till 3000 ms", "{500,3000}"},
        {"{1200.4,2500.6}", "Klipp: Från 1200 ms till 2501 ms", "{1200,2501}"},
    };
    for (const auto& f : fall) {
        auto k = oeppna(hund + f.suffix);
        EXPECT_EQ(text(*k, "labLjud"), hund);
        EXPECT_EQ(text(*k, "labLaengd"), QString::fromUtf8("Längd: 3000 ms"));
        EXPECT_EQ(text(*k, "labKlipp"), QString::fromUtf8(f.klipp)) << f.suffix;
        EXPECT_EQ(allt(*k)->isChecked(), QString(f.tillbaka).isEmpty()) << f.suffix;
        EXPECT_EQ(okResultat(*k), hund + f.tillbaka) << f.suffix;
    }
    QLocale::setDefault(tidigare);
}

TEST_F(FrmKlippTest, VaegUnderProgrammappenMaetsDaerOchGesTillbakaOfoeraendrad)
{
    ProgramMapp::saett(tmp.path() + "/");
    auto f = oeppna("\\hund.wav{1200,2500}");
    EXPECT_EQ(text(*f, "labLaengd"), QString::fromUtf8("Längd: 3000 ms"));
    EXPECT_EQ(okResultat(*f), "\\hund.wav{1200,2500}");
}

TEST_F(FrmKlippTest, SaknadFilVisarOeppningsfeletOchStaengerOk)
{
    auto f = oeppna(tmp.path() + "/borta.wav{1,2}");
    ASSERT_EQ(meddelanden.anrop.size(), 1u);
    EXPECT_EQ(meddelanden.anrop[0].text, "Ljudfilen finns inte.");
    EXPECT_FALSE(knapp(*f, "comOK")->isEnabled());
    EXPECT_TRUE(f->findChild<QWidget*>("shaLjud0")->isHidden());
    QTest::mouseClick(knapp(*f, "comAvbryt"), Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->Tag(), tmp.path() + "/borta.wav{1,2}");
}

// --- Marking on the bar ---

TEST_F(FrmKlippTest, KlickSaetterPunkterOchStannarVidLjudetsAendar)
{
    auto f = oeppna(hund);
    const int bredd = f->findChild<QWidget*>("shaLjud0")->width();
    const QString mitt = QString::number(std::lround(std::lround(0.5 * bredd) * 3000.0 / bredd));
    klickaPaaStapeln(*f, Qt::RightButton, 0.5);
    EXPECT_EQ(text(*f, "labKlipp"), QString::fromUtf8("Klipp: Från 0 ms till ") + mitt + " ms");
    EXPECT_FALSE(allt(*f)->isChecked());
    EXPECT_NEAR(f->findChild<QWidget*>("shaLjud2")->width(), bredd / 2, 2);

    klickaPaaStapeln(*f, Qt::LeftButton, 0.25);
    klickaPaaStapeln(*f, Qt::RightButton, 1.2);
    EXPECT_TRUE(text(*f, "labKlipp").endsWith("till 3000 ms"));
    klickaPaaStapeln(*f, Qt::LeftButton, -0.2);
    EXPECT_EQ(text(*f, "labKlipp"), "Inget klipp");
    EXPECT_TRUE(allt(*f)->isChecked());
    // Unchecking Allt by hand does nothing; checking it takes the whole sound.
    QTest::mouseClick(allt(*f), Qt::LeftButton);
    EXPECT_TRUE(allt(*f)->isChecked());
    klickaPaaStapeln(*f, Qt::RightButton, 0.5);
    EXPECT_FALSE(allt(*f)->isChecked());
    QTest::mouseClick(allt(*f), Qt::LeftButton);
    EXPECT_TRUE(allt(*f)->isChecked());
    EXPECT_EQ(text(*f, "labKlipp"), "Inget klipp");
    klickaPaaStapeln(*f, Qt::RightButton, 0.5);
    EXPECT_TRUE(meddelanden.anrop.empty());
    EXPECT_EQ(okResultat(*f), hund + "{0," + mitt + "}");
}

TEST_F(FrmKlippTest, PunktPaaFelSidaVaegras)
{
    auto f = oeppna(hund + "{1200,2500}");
    klickaPaaStapeln(*f, Qt::LeftButton, 0.9);
    klickaPaaStapeln(*f, Qt::RightButton, 0.1);
    ASSERT_EQ(meddelanden.anrop.size(), 2u);
    EXPECT_EQ(meddelanden.anrop[0].text, QString::fromUtf8("Inpunkten måste ligga framför utpunkten"));
    EXPECT_EQ(meddelanden.anrop[1].text, QString::fromUtf8("Utpunkten måste ligga bakom inpunkten"));
    EXPECT_EQ(meddelanden.anrop[1].rubrik, "Pluvo");
    EXPECT_EQ(text(*f, "labKlipp"), QString::fromUtf8("Klipp: Från 1200 ms till 2500 ms"));
}

// --- Listening ---

TEST_F(FrmKlippTest, KlippetSlutarVidUtpunkten)
{
    auto f = oeppna(hund + "{500,900}");
    QWidget* framsteg = f->findChild<QWidget*>("shaLjud3");
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(knapp(*f, "comLyssna1"), Qt::LeftButton);
    EXPECT_EQ(modPluvo().OeppetLjud, '"' + hund + '"');
    ASSERT_TRUE(QTest::qWaitFor([&] { return !framsteg->isHidden(); }, 1000));
    EXPECT_LE(framsteg->width(), f->findChild<QWidget*>("shaLjud2")->width());
    ASSERT_TRUE(QTest::qWaitFor([] { return modPluvo().OeppetLjud.isEmpty(); }, 3000));
    EXPECT_GT(t.elapsed(), 250);
    EXPECT_LT(t.elapsed(), 2000);  // the rest of the sound would take 2500 ms
    EXPECT_TRUE(framsteg->isHidden());
}

TEST_F(FrmKlippTest, StaengningsrutanAvbryterOchStopparLjudet)
{
    auto f = oeppna(hund + "{500,900}");
    QTest::mouseClick(knapp(*f, "comLyssna0"), Qt::LeftButton);
    EXPECT_FALSE(modPluvo().OeppetLjud.isEmpty());
    klickaPaaStapeln(*f, Qt::RightButton, 0.5);
    EXPECT_TRUE(f->close());
    EXPECT_EQ(modPluvo().OeppetLjud, "");
    EXPECT_EQ(f->Tag(), hund + "{500,900}");
}

TEST_F(FrmKlippTest, KlippUrEnLaangInspelningSpelasUtanAttFoenstretStannar)
{
    // Half an hour at CD quality: 318 MB.
    const QString lang = tmp.path() + "/lektion.wav";
    ASSERT_TRUE(TestSupport::skrivWav(lang, 30 * 60 * 1000, 44100, 2));
    const qint64 storlek = QFileInfo(lang).size();
    const qint64 minneFoere = anvaentMinne();
    ASSERT_GT(minneFoere, 0);

    // A timer due every 10 ms tells how long the window stood still at most.
    QElapsedTimer sedanTick;
    qint64 laengstaUppehaall = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { laengstaUppehaall = std::max(laengstaUppehaall, sedanTick.restart()); });
    tick.start(10);
    sedanTick.start();

    auto f = oeppna(lang + "{900000,900600}");
    EXPECT_EQ(text(*f, "labLaengd"), QString::fromUtf8("Längd: 1800000 ms"));
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(knapp(*f, "comLyssna1"), Qt::LeftButton);
    ASSERT_EQ(modPluvo().OeppetLjud, '"' + lang + '"');
    QTest::qWait(200);
    const qint64 minneUnder = anvaentMinne();
    ASSERT_TRUE(QTest::qWaitFor([] { return modPluvo().OeppetLjud.isEmpty(); }, 3000));
    EXPECT_GT(t.elapsed(), 400);  // the clip's 600 ms, not the half hour after it
    EXPECT_LT(laengstaUppehaall, 500);
    EXPECT_LT(minneUnder - minneFoere, storlek / 10);
}
