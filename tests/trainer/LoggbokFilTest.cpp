// The logbook file saved to the diskette when the program ends.
#include "common/ModPluvo.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "support/Foensterstyrning.h"
#include "support/LitenDisk.h"
#include "support/TestSupport.h"
#include "common/Diskett.h"
#include "trainer/FrmPluvo.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

using TestSupport::MsgBoxInspelare;

namespace {

const QString Fraaga = QStringLiteral("Kunde inte spara Loggbok på disk.\r\nVill du avluta ändå?");

class LoggbokFilTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        ASSERT_TRUE(mapp.isValid());
        program = mapp.path() + "/program/";
        diskett = mapp.path() + "/diskett";
        QDir().mkpath(program);
        QDir().mkpath(diskett);
        setenv("PLUVO_DISKETT", diskett.toLocal8Bit().constData(), 1);
        Klocka::saettNuKaella([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 8, 7)); });

        const QString oevning = mapp.path() + "/djur.glo";
        TestSupport::skrivFil(oevning, "[Pluvo 7.0.7]\r\ncat (katt)\r\ndog (hund)\r\n");
        TestSupport::skrivInstaellning("Aktuell", "Filnamn", oevning);
        TestSupport::skrivInstaellning("Special", "spd", "True");
    }
    void TearDown() override
    {
        unsetenv("PLUVO_DISKETT");
        Klocka::saettNuKaella({});
    }

    std::unique_ptr<FrmPluvo> starta() { return TestSupport::startaTraeningsfoenster(program); }

    QStringList filer() const { return QDir(diskett).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir mapp;
    QString program;
    QString diskett;
};

}  // namespace

TEST_F(LoggbokFilTest, FileHoldsExactlyTheFrameAndTheLogbook)
{
    MsgBoxInspelare boxar;
    auto f = starta();
    f->txtLoggbok.skrivKoerningsHuvud(PluvoVisar, false, false, 2, "09:08:10");
    f->txtLoggbok.skrivFelTangent("hund", "dog", 1, u'ö');
    f->txtLoggbok.avslutaFelrad();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");

    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_TRUE(boxar.anrop.empty());
    ASSERT_EQ(filer(), QStringList{"20240305_090807.slf"});
    const QByteArray vaentat =
        "Pluvo - Loggbok\r\n"
        "2024-03-05 - 09:08:07\r\n"
        "\r\n"
        "**** Aktuell \xf6vning: Glosor - djur - 09:08:07 ****\r\n"
        "\r\n"
        "Pluvo - Antal ord: 2 - 09:08:10\r\n"
        "hund (dog) - h\xf6\r\n"
        "\xd6vningen genomf\xf6rd - 09:09:00\r\n"
        "\r\n"
        "\r\n"
        "\r\n";
    EXPECT_EQ(TestSupport::lasFil(diskett + "/20240305_090807.slf"), vaentat);
}

TEST_F(LoggbokFilTest, OnlyTheStartUpLoadLineWritesNothing)
{
    MsgBoxInspelare boxar;
    auto f = starta();
    ASSERT_FALSE(f->txtLoggbok.text().isEmpty());
    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_TRUE(filer().isEmpty());
}

TEST_F(LoggbokFilTest, SettingOffWritesNothing)
{
    TestSupport::skrivInstaellning("Special", "spd", "False");
    MsgBoxInspelare boxar;
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");
    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_TRUE(filer().isEmpty());
}

TEST_F(LoggbokFilTest, MissingDisketteAnsweredNoKeepsTheProgramRunning)
{
    const QString saknas = mapp.path() + "/ingen-diskett";
    setenv("PLUVO_DISKETT", saknas.toLocal8Bit().constData(), 1);
    MsgBoxInspelare boxar(MsgSvar::Nej);
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");
    const QString loggbok = f->txtLoggbok.text();

    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_TRUE(Cancel);
    ASSERT_EQ(boxar.anrop.size(), 1u);
    EXPECT_EQ(boxar.anrop[0].text, Fraaga);
    EXPECT_EQ(boxar.anrop[0].rubrik, "Pluvo");
    EXPECT_EQ(boxar.anrop[0].knappar, MsgKnappar::JaNej);
    EXPECT_EQ(boxar.anrop[0].ikon, MsgIkon::Fraaga);
    EXPECT_EQ(boxar.anrop[0].standard, MsgSvar::Nej);
    // A diskette cannot be made: the folder stays missing.
    EXPECT_FALSE(QFileInfo::exists(saknas));

    // Closing the window asks again and stays open.
    EXPECT_FALSE(f->close());
    EXPECT_EQ(boxar.anrop.size(), 2u);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->txtLoggbok.text(), loggbok);
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);

    // The next exit tries again: with the diskette in, the file is written.
    QDir().mkpath(saknas);
    Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_EQ(boxar.anrop.size(), 2u);
    EXPECT_EQ(QDir(saknas).entryList(QDir::Files), QStringList{"20240305_090807.slf"});
}

TEST_F(LoggbokFilTest, AFullDisketteAsksAndLeavesNoFile)
{
    TestSupport::LitenDisk disk(diskett, 4);
    if (!disk.monterad())
        GTEST_SKIP() << disk.fel.toStdString();
    disk.fyll(0);
    MsgBoxInspelare boxar(MsgSvar::Nej);
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");

    TestSupport::klickaMeny(f->menAvsluta);
    ASSERT_EQ(boxar.anrop.size(), 1u);
    EXPECT_EQ(boxar.anrop[0].text, Fraaga);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(filer(), QStringList{"fyllnad"});

    boxar.svar = MsgSvar::Ja;
    TestSupport::klickaMeny(f->menAvsluta);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(filer(), QStringList{"fyllnad"});
}

TEST_F(LoggbokFilTest, MissingDisketteAnsweredYesEndsTheProgram)
{
    setenv("PLUVO_DISKETT", (mapp.path() + "/ingen-diskett").toLocal8Bit().constData(), 1);
    MsgBoxInspelare boxar(MsgSvar::Ja);
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");
    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    ASSERT_EQ(boxar.anrop.size(), 1u);
    EXPECT_EQ(boxar.anrop[0].text, Fraaga);

    EXPECT_TRUE(f->close());
    EXPECT_FALSE(f->isVisible());
}

TEST_F(LoggbokFilTest, ANamedFileInsteadOfAFolderIsNoDiskette)
{
    const QString fil = mapp.path() + "/en-fil";
    TestSupport::skrivFil(fil, "x");
    setenv("PLUVO_DISKETT", fil.toLocal8Bit().constData(), 1);
    EXPECT_FALSE(Diskett::mapp().has_value());
    MsgBoxInspelare boxar(MsgSvar::Nej);
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");
    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_TRUE(Cancel);
    EXPECT_EQ(TestSupport::lasFil(fil), "x");
}

TEST_F(LoggbokFilTest, WithoutTheVariableTheDataFolderIsTheDiskette)
{
    unsetenv("PLUVO_DISKETT");
    const QString standard =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/MOLVI Pluvo/diskett";
    QDir(standard).removeRecursively();
    ASSERT_EQ(Diskett::mapp(), std::optional<QString>(standard + "/"));
    QDir(standard).removeRecursively();

    MsgBoxInspelare boxar;
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_TRUE(QFileInfo::exists(standard + "/20240305_090807.slf"));
    QDir(standard).removeRecursively();
}

TEST_F(LoggbokFilTest, TwoLogbooksOfOneSecondAreBothKept)
{
    // Another program has already saved its logbook in that second.
    TestSupport::skrivFil(diskett + "/20240305_090807.slf", "annan");
    MsgBoxInspelare boxar;
    for (const QString ord : {"katt", "hund"}) {
        auto f = starta();
        f->txtLoggbok.skrivFelTangent(ord, "", 0, u'x');
        f->txtLoggbok.avslutaFelrad();
        TestSupport::klickaMeny(f->menAvsluta);
        EXPECT_FALSE(f->isVisible());
    }
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(filer(), QStringList({"20240305_090807.slf", "20240305_090807_2.slf", "20240305_090807_3.slf"}));
    EXPECT_EQ(TestSupport::lasFil(diskett + "/20240305_090807.slf"), "annan");
    const QByteArray foersta = TestSupport::lasFil(diskett + "/20240305_090807_2.slf");
    const QByteArray andra = TestSupport::lasFil(diskett + "/20240305_090807_3.slf");
    EXPECT_TRUE(foersta.contains("\r\nkatt - x\r\n") && !foersta.contains("hund"));
    EXPECT_TRUE(andra.contains("\r\nhund - x\r\n") && !andra.contains("katt"));
}

TEST_F(LoggbokFilTest, NameAndContentsComeFromOneClockReading)
{
    MsgBoxInspelare boxar;
    auto f = starta();
    f->txtLoggbok.skrivGenomfoerd("23:59:59");
    // Every reading of the clock is a second later, across midnight.
    int anrop = 0;
    Klocka::saettNuKaella([&anrop] {
        return QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)).addSecs(anrop++);
    });
    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_EQ(anrop, 1);
    ASSERT_EQ(filer(), QStringList{"20241231_235959.slf"});
    EXPECT_TRUE(TestSupport::lasFil(diskett + "/20241231_235959.slf")
                    .startsWith("Pluvo - Loggbok\r\n2024-12-31 - 23:59:59\r\n\r\n"));
}

TEST_F(LoggbokFilTest, ACharacterWithoutCodeDoesNotCostTheRestOfTheLogbook)
{
    MsgBoxInspelare boxar;
    auto f = starta();
    f->txtLoggbok.skrivFelTangent(QStringLiteral("Łódź"), "", 0, u'x');
    f->txtLoggbok.avslutaFelrad();
    f->txtLoggbok.skrivGenomfoerd("09:09:00");
    bool Cancel = false;
    f->Form_QueryUnload(Cancel);
    EXPECT_FALSE(Cancel);
    const QByteArray inne = TestSupport::lasFil(diskett + "/20240305_090807.slf");
    EXPECT_TRUE(inne.contains("?\xf3" "d? - x\r\n\xd6vningen genomf\xf6rd - 09:09:00\r\n"));
}
