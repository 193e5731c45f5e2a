// Start-up of the training window: settings, colours and layout.
#include "common/ModPluvo.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"
#include "trainer/Layout.h"
#include "trainer/Stil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

class Start : public ::testing::Test {
protected:
    void SetUp() override { nyStart(); }
    void TearDown() override { Skaerm::saettStorlek({}); }

    std::unique_ptr<FrmPluvo> starta() { return startaTraeningsfoenster(m_mapp.path()); }

    QStringList lagradeNycklar()
    {
        QSettings s(SettingsStore::filnamn(), QSettings::IniFormat);
        return s.allKeys();
    }

    QTemporaryDir m_mapp;
};

// Said once when `vaeg` beside the settings is no file: the run keeps its
// settings in memory.
QString sagtOmIngenFil(const QString& vaeg)
{
    return vaeg + QString::fromUtf8(" är ingen vanlig fil och lämnas orörd.\r\n"
                                    "Inställningarna sparas inte utan gäller bara tills programmet avslutas.");
}

}  // namespace

TEST_F(Start, EmptySettingsGiveEveryDefaultAndStoreOnlyTheExerciseFolder)
{
    auto f = starta();
    const ModPluvo& m = modPluvo();
    EXPECT_EQ(f->windowTitle(), "Pluvo 7.0");
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(m.InstLaast, 0);
    EXPECT_EQ(m.FaergStil, 3);
    EXPECT_TRUE(m.PipVidFel);
    EXPECT_FALSE(m.TvaaRoester);
    EXPECT_FLOAT_EQ(m.TspKorr, 1.0f);
    EXPECT_FLOAT_EQ(m.Tsp2Korr, 1.0f);
    EXPECT_FALSE(m.LaesOevning);
    EXPECT_FALSE(m.LaesMeny);
    EXPECT_FALSE(m.SparaLoggbokDiskett);
    EXPECT_FALSE(m.VaendRtt);
    EXPECT_FALSE(m.VaendOrd);
    EXPECT_TRUE(m.VaendGlo);
    EXPECT_FALSE(m.VaendTst);
    EXPECT_FALSE(m.ExaktMatchning);
    EXPECT_TRUE(m.VisaMedRaderaPluvo);
    EXPECT_FALSE(m.VisaMedRaderaTest);
    EXPECT_FALSE(m.BytMedEnterPluvo);
    EXPECT_TRUE(m.BytMedEnterTest);
    EXPECT_FALSE(m.AutoDoeljPluvo);
    EXPECT_FALSE(m.AutoDoeljTest);
    EXPECT_EQ(m.AutoTid, 2);
    EXPECT_FALSE(m.SpaerraRepetition);
    EXPECT_FALSE(m.TavlaPaa);
    EXPECT_FALSE(m.MusStyrning);
    EXPECT_FALSE(f->timEnTangent.Enabled());
    EXPECT_EQ(f->timEnTangent.Interval(), 1000);
    EXPECT_TRUE(m.NaermasteVaeg);
    EXPECT_FALSE(m.KantBegraensning);
    EXPECT_TRUE(m.AnnanMuspekare);
    EXPECT_TRUE(m.SlumpOrdning);
    EXPECT_EQ(m.UtskriftStorlek, 0);
    EXPECT_EQ(m.UtskriftOrdning, 0);
    EXPECT_EQ(m.OevningsTyp, 0);
    EXPECT_EQ(f->labAktuell->Caption(), QString::fromUtf8("Aktuell övning: Ej inläst"));

    const QString programMapp = m_mapp.path() + "/";
    EXPECT_EQ(m.OevningsMapp, programMapp);
    EXPECT_EQ(SettingsStore::las("Filkatalog", "Path"), programMapp);
    EXPECT_EQ(lagradeNycklar(), QStringList{"Filkatalog/Path"});
}

TEST_F(Start, StoredValuesAreReadByTheirRulesAndApplied)
{
    skrivInstaellning("Utseende", "Stil", "7");
    skrivInstaellning("Ljud", "pip", "false");
    skrivInstaellning("Ljud", "tvaa", "true");
    skrivInstaellning("Ljud", "tsp_korr", "0,5");
    skrivInstaellning("Special", "auto_tid", "2.5");
    skrivInstaellning("Styrning", "Alternativ", "3");
    skrivInstaellning("Styrning", "i_v", "5");
    skrivInstaellning("Filkatalog", "Slump", "0");
    skrivInstaellning("Teckensnitt", "Font", "Liberation Serif");
    auto f = starta();
    const ModPluvo& m = modPluvo();
    EXPECT_EQ(m.FaergStil, 3);
    EXPECT_TRUE(m.PipVidFel);
    EXPECT_FALSE(m.TvaaRoester);
    EXPECT_FLOAT_EQ(m.TspKorr, 0.5f);
    EXPECT_EQ(m.AutoTid, 2);
    EXPECT_TRUE(m.TavlaPaa);
    EXPECT_FALSE(m.MusStyrning);
    EXPECT_TRUE(f->timEnTangent.Enabled());
    EXPECT_EQ(f->timEnTangent.Interval(), 5000);
    EXPECT_FALSE(m.SlumpOrdning);
    EXPECT_EQ(f->labOrd[0]->font().family(), "Liberation Serif");
    EXPECT_EQ(f->labFoerklaring[0]->font().family(), "Liberation Serif");
    EXPECT_EQ(f->labStreck->font().family(), "Liberation Serif");
}

TEST_F(Start, AMissingExerciseFolderFallsBackToTheProgramFolder)
{
    skrivInstaellning("Filkatalog", "Path", m_mapp.path() + "/finns-inte");
    auto f = starta();
    EXPECT_EQ(modPluvo().OevningsMapp, m_mapp.path() + "/");
    EXPECT_EQ(SettingsStore::las("Filkatalog", "Path"), m_mapp.path() + "/");
}

TEST_F(Start, AGarbledSettingsFileGivesTheDefaultsAndARunningProgram)
{
    const QString fil = SettingsStore::filnamn();
    skrivFil(fil, QByteArray("\x00\xff[Ljud\npip=\x01\x02,;\\\n[[[]]]=\n", 22) + QByteArray(5000, '\xfe'));
    auto f = starta();
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(modPluvo().FaergStil, 3);
    EXPECT_TRUE(modPluvo().PipVidFel);
}

TEST_F(Start, ASettingsFileThatIsAPipeOrALinkToOneIsLeftAloneAndSaidOnce)
{
    QTemporaryDir annan;
    const QString fil = SettingsStore::filnamn();
    const QString roer = annan.filePath("roer");
    ASSERT_EQ(mkfifo(QFile::encodeName(roer).constData(), 0600), 0);
    QDir().mkpath(QFileInfo(fil).absolutePath());
    for (const bool laenk : {false, true}) {
        QFile::remove(fil);
        ASSERT_TRUE(laenk ? QFile::link(roer, fil) : mkfifo(QFile::encodeName(fil).constData(), 0600) == 0);
        MsgBoxInspelare svar;
        std::unique_ptr<FrmPluvo> f;
        // Read as a file, a pipe waits for a writer that never comes.
        std::optional<QString> mapp;
        medVakt(10, [&] {
            f = starta();
            mapp = SettingsStore::las("Filkatalog", "Path");
        });
        EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
        EXPECT_EQ(modPluvo().FaergStil, 3);
        ASSERT_EQ(svar.anrop.size(), 1u);
        EXPECT_EQ(svar.anrop[0].text, sagtOmIngenFil(fil));
        // The exercise folder written at start-up is kept for the run.
        EXPECT_EQ(mapp, modPluvo().OevningsMapp);
        EXPECT_EQ(QFileInfo(fil).isSymLink(), laenk);
        EXPECT_EQ(QFileInfo(roer).isFile(), false);
        EXPECT_TRUE(QFileInfo(laenk ? roer : fil).exists());
    }
    QFile::remove(fil);
}

TEST_F(Start, ALockBesideTheSettingsThatIsNoFileKeepsChangesInMemoryAndIsSaidOnce)
{
    const QString fil = SettingsStore::filnamn();
    const QString laas = fil + ".lock";
    skrivInstaellning("Utseende", "Stil", "2");
    for (const bool roer : {false, true}) {
        ASSERT_TRUE(roer ? mkfifo(QFile::encodeName(laas).constData(), 0600) == 0 : QDir().mkdir(laas));
        MsgBoxInspelare svar;
        std::unique_ptr<FrmPluvo> f;
        bool sparad = false;
        // A first start writes the exercise folder: a lock that cannot be
        // taken would hold it up for good.
        medVakt(10, [&] {
            f = starta();
            sparad = SettingsStore::SaveSetting("Utseende", "Stil", "4");
        });
        EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
        EXPECT_EQ(modPluvo().FaergStil, 2);
        ASSERT_EQ(svar.anrop.size(), 1u);
        EXPECT_EQ(svar.anrop[0].text, sagtOmIngenFil(laas));
        EXPECT_TRUE(sparad);
        EXPECT_EQ(SettingsStore::las("Utseende", "Stil"), "4");
        EXPECT_EQ(QSettings(fil, QSettings::IniFormat).value("Utseende/Stil"), "2");
        EXPECT_TRUE(QFileInfo(laas).exists() && !QFileInfo(laas).isFile());
        f.reset();
        ASSERT_TRUE(roer ? QFile::remove(laas) : QDir().rmdir(laas));
        EXPECT_FALSE(SettingsStore::iMinnet());
    }

    // A lock a running program holds is waited for a little, one left by a
    // program that has ended is taken over.
    const QByteArray levande = QByteArray::number(QCoreApplication::applicationPid()) + "\n"
                               + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n";
    for (const QByteArray& innehaall : {levande, QByteArray("2147483647\nPluvo\n")}) {
        skrivFil(laas, innehaall);
        const int fel = SettingsStore::antalSkrivfel();
        bool sparad = false;
        medVakt(10, [&] { sparad = SettingsStore::SaveSetting("Utseende", "Stil", "5"); });
        EXPECT_EQ(sparad, innehaall != levande);
        EXPECT_EQ(SettingsStore::antalSkrivfel(), fel + (sparad ? 0 : 1));
        EXPECT_EQ(QFileInfo::exists(laas), !sparad);
    }
    QFile::remove(laas);
}

TEST_F(Start, AHandEditedValueWithACommaOrSemicolonReadsBackAsItsText)
{
    skrivFil(SettingsStore::filnamn(), "[Teckensnitt]\nFont=Liberation Sans, Bold\n[Ljud]\ntsp_korr=2,5\n");
    EXPECT_EQ(SettingsStore::las("Teckensnitt", "Font"), "Liberation Sans,Bold");
    EXPECT_EQ(SettingsStore::las("Ljud", "tsp_korr"), "2,5");
    SettingsStore::SaveSetting("Visa", "Namn", "a;b, c");
    EXPECT_EQ(SettingsStore::las("Visa", "Namn"), "a;b, c");
}

TEST_F(Start, AStoredVoiceThatIsGoneIsReportedAndStartUpGoesOn)
{
    skrivInstaellning("Ljud", "tvaa", "True");
    skrivInstaellning("Roester", "MOLVI Pluvo", "ingen sådan röst");
    MsgBoxInspelare svar;
    auto f = starta();
    if (!modPluvo().TalFinns)
        GTEST_SKIP() << "no speech engine";
    ASSERT_EQ(svar.anrop.size(), 1u);
    EXPECT_EQ(svar.anrop[0].text, QString::fromUtf8("Kunde inte hämta röst 1"));
    EXPECT_EQ(svar.anrop[0].rubrik, "Pluvo");
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
}

TEST_F(Start, AFirstStartWithNoStoredVoiceReportsNothing)
{
    MsgBoxInspelare svar;
    auto f = starta();
    EXPECT_TRUE(svar.anrop.empty());
}

TEST_F(Start, WithoutUsableSpeechDataTheProgramStartsAndRunsAnExerciseSilently)
{
    iEgenProcess([this]() -> QString {
        // espeak-ng reads the home folder's data before the system's.
        QDir(m_mapp.path()).mkpath("espeak-ng-data");
        qputenv("HOME", m_mapp.path().toUtf8());
        qunsetenv("ESPEAK_DATA_PATH");
        skrivInstaellning("Ljud", "oev", "True");
        MsgBoxInspelare svar;
        auto f = starta();
        if (modPluvo().TalFinns || !svar.anrop.empty())
            return "speech is taken to work";
        QSignalSpy talat(&f->tspPluvo, &TextSpeaker::talade);
        laddaIn({rad("hund", "dog")});
        f->SaettLaege(PluvoVisar);
        tryckTangent(*f, Qt::Key_Return);
        skriv(*f, "hund");
        if (!f->OrdKlart)
            return "the word cannot be typed";
        return talat.isEmpty() ? QString() : "something was spoken";
    });
}

TEST_F(Start, MenuFontFollowsTheScreenWidth)
{
    Skaerm::saettStorlek({800, 600});
    auto f = starta();
    EXPECT_EQ(f->MenyTeckenstorlek, 32);
    EXPECT_DOUBLE_EQ(f->labMeny->FontSize(), 28);
    f.reset();
    nyStart();
    Skaerm::saettStorlek({1024, 768});
    f = starta();
    EXPECT_EQ(f->MenyTeckenstorlek, 41);
    EXPECT_NEAR(f->labMeny->FontSize(), 35.84, 0.01);
}

TEST_F(Start, EverySchemeColoursTheWindowAndKeepsTheHighlightedItemInTheWordColour)
{
    auto f = starta();
    f->labMenyVal[1]->setBold(true);
    f->labMenyVal[1]->setForeColor(Qt::red);
    struct Vaenta {
        int nummer;
        QColor bakgrund, ord, foerklaring, meny, menyVal;
    };
    // The colours as a pupil sees them, red, green and blue.
    const Vaenta vaentade[] = {
        {0, {0, 0, 0}, {255, 255, 0}, {255, 255, 128}, {255, 128, 0}, {255, 255, 128}},
        {2, {255, 238, 192}, {0, 0, 0}, {31, 31, 31}, {63, 63, 63}, {31, 31, 31}},
        {5, {255, 238, 255}, {0, 0, 255}, {128, 128, 255}, {128, 128, 255}, {128, 128, 255}},
        {3, {255, 238, 192}, {0, 0, 255}, {128, 128, 255}, {128, 128, 255}, {128, 128, 255}},
    };
    for (const Vaenta& v : vaentade) {
        SaettStil(v.nummer);
        EXPECT_EQ(f->BackColor(), v.bakgrund) << v.nummer;
        EXPECT_EQ(f->labOrd[0]->ForeColor(), v.ord) << v.nummer;
        EXPECT_EQ(f->labFoerklaring[0]->ForeColor(), v.foerklaring) << v.nummer;
        EXPECT_EQ(f->labMeny->ForeColor(), v.meny) << v.nummer;
        EXPECT_EQ(f->labAktuell->ForeColor(), v.meny) << v.nummer;
        EXPECT_EQ(f->labMenyVal[4]->ForeColor(), v.menyVal) << v.nummer;
        EXPECT_EQ(f->labMenyVal[1]->ForeColor(), v.ord) << v.nummer;
        EXPECT_EQ(modPluvo().MenyFaerg, v.menyVal) << v.nummer;
        EXPECT_EQ(f->labStreck->ForeColor(), v.ord) << v.nummer;
    }

    // A scheme outside 0..5 leaves the scheme colours and copies the word colour.
    f->labOrd[0]->setForeColor(QColor(10, 20, 30));
    SaettStil(7);
    EXPECT_EQ(f->BackColor(), QColor(255, 238, 192));
    EXPECT_EQ(f->labStreck->ForeColor(), QColor(10, 20, 30));
}

TEST_F(Start, TheWordSizeFitsTheScreenInStepsOfTwoAndATinyScreenEnds)
{
    Skaerm::saettStorlek({1024, 600});
    auto f = starta();
    const int laag = modPluvo().OrdStorlek;
    f.reset();
    nyStart();
    Skaerm::saettStorlek({1024, 1200});
    f = starta();
    const int hoeg = modPluvo().OrdStorlek;
    EXPECT_GT(hoeg, laag);
    EXPECT_EQ((hoeg - laag) % 2, 0);
    EXPECT_NEAR(f->labFoerklaring[0]->FontSize(), hoeg, 0.01);
    f.reset();
    nyStart();
    Skaerm::saettStorlek({120, 40});
    f = starta();
    EXPECT_GE(modPluvo().OrdStorlek, 1);
}

TEST_F(Start, ThePointerSettingChoosesTheClickablePointerForMenusAndBoard)
{
    const auto egen = [](QWidget* w) { return w->cursor().shape() == Qt::BitmapCursor; };
    skrivInstaellning("Styrning", "m_p", "False");
    skrivInstaellning("Styrning", "Alternativ", "1");
    auto f = starta();
    for (QWidget* w : {static_cast<QWidget*>(f->labMenyVal[0]), static_cast<QWidget*>(f->picUpp),
                       static_cast<QWidget*>(f->labFilnamn), static_cast<QWidget*>(f->picNaesta),
                       static_cast<QWidget*>(f->labSiffertavla[5])})
        EXPECT_FALSE(egen(w));
    f.reset();
    nyStart();
    f = starta();  // the keyboard method with the program's own pointer
    EXPECT_TRUE(egen(f->labMenyVal[4]));
    EXPECT_TRUE(egen(f->picNer));
    EXPECT_TRUE(egen(f->labFilnamn));
    EXPECT_FALSE(egen(f->picBakaat));
    EXPECT_FALSE(egen(f->labSiffertavla[0]));
}
