// Loading exercises into the training window: every road, every type, the
// old-version question, the row limit and the fallbacks.
#include "common/Ansi1252.h"
#include "common/Etikett.h"
#include "common/ModPluvo.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/SettingsStore.h"
#include "support/TraeningsFixtur.h"
#include "trainer/FrmPluvo.h"
#include "common/OevningsNamn.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <set>

using namespace TestSupport;

namespace {

const QString Inga = QStringLiteral("Övningen innehåller inga godkända ord");
const QString EjInlaest = QStringLiteral("Aktuell övning: Ej inläst");
const QString Fraaga = QStringLiteral(
    "Denna övning tycks ha skapats med en äldre version av Pluvo.\r\nSkall övningen konverteras vid inläsning?");

// An exercise file as the editor writes it: header, lines, CRLF after each.
QByteArray oevning(const QStringList& rader)
{
    QByteArray b = "[Pluvo 7.0.7]\r\n";
    for (const QString& r : rader)
        b += ansi(r) + "\r\n";
    return b;
}

int antalInlaesningar(const QString& loggbok)
{
    return int(loggbok.count(QStringLiteral("**** Aktuell övning: ")));
}

class LaddningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        ASSERT_TRUE(mapp.isValid());
        program = mapp.path() + "/program/";
        QDir().mkpath(program);
        Klocka::saettNuKaella([] { return QDateTime(QDate(2024, 3, 5), QTime(10, 20, 30)); });
    }
    void TearDown() override
    {
        Klocka::saettNuKaella({});
        saettOeppnaDialogHanterare({});
    }

    QString skriv(const QString& namn, const QByteArray& bytes)
    {
        const QString vaeg = mapp.path() + "/oevningar/" + namn;
        TestSupport::skrivFil(vaeg, bytes);
        return vaeg;
    }

    std::unique_ptr<FrmPluvo> starta() { return TestSupport::startaTraeningsfoenster(program); }

    QTemporaryDir mapp;
    QString program;
};

}  // namespace

TEST_F(LaddningTest, FirstStartLeavesNothingLoadedAndWritesNoKey)
{
    MsgBoxInspelare boxar;
    auto f = starta();
    EXPECT_EQ(f->labAktuell->Caption(), EjInlaest);
    EXPECT_EQ(modPluvo().OevningsTyp, 0);
    EXPECT_TRUE(f->txtLoggbok.text().isEmpty());
    EXPECT_TRUE(f->AktuellSoekvaeg.isEmpty());
    EXPECT_FALSE(SettingsStore::las("Aktuell", "Filnamn").has_value());
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_FALSE(f->LaddarSparadOevning);
}

TEST_F(LaddningTest, LoadsEachType)
{
    struct Fall {
        QString fil;
        QString rad;
        QString aktuell;
        int typ;
        bool mun;
    };
    const std::vector<Fall> fall = {
        {"Stavning.rtt", "och (och så vidare)", "Aktuell övning: Rättstavning - stavning", 1, false},
        {"ord.ORD", "flitig (som arbetar mycket)", "Aktuell övning: Ordkunskap - ord", 2, false},
        {"Djur.glo", "dog (hund)", "Aktuell övning: Glosor - djur", 3, false},
        {"huvudstäder.Tst", "Sverige (Stockholm)", "Aktuell övning: Övrigt - huvudstäder", 4, false},
        {"Glosa.GLS", "dog[\\ljud\\dog.wav] (hund)[\\ljud\\hund.wav]",
         "Aktuell övning: Glosor med ljud - glosa", 5, true},
    };
    MsgBoxInspelare boxar;
    auto f = starta();
    for (const Fall& x : fall) {
        const QString vaeg = skriv(x.fil, oevning({x.rad, "andra (tvåa)", "", "tredje"}));
        const QString foere = f->txtLoggbok.text();
        f->LaesInOevning(vaeg, true);
        EXPECT_EQ(f->labAktuell->Caption(), x.aktuell);
        EXPECT_EQ(modPluvo().OevningsTyp, x.typ) << x.fil.toStdString();
        EXPECT_EQ(modPluvo().AntalOrd, 3);
        ASSERT_EQ(modPluvo().OevningsOrdlista.size(), 3u);
        EXPECT_EQ(modPluvo().OevningsOrdlista[1].Ord, "andra");
        EXPECT_EQ(modPluvo().OevningsOrdlista[1].Foerklaring, "tvåa");
        EXPECT_EQ(modPluvo().OevningsOrdlista[2].Ord, "tredje");
        EXPECT_EQ(!f->imaMun_akt->isHidden(), x.mun) << x.fil.toStdString();
        EXPECT_EQ(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()), vaeg);
        EXPECT_EQ(f->AktuellSoekvaeg, vaeg);
        EXPECT_EQ(f->txtLoggbok.text(), foere + "**** " + x.aktuell + " - 10:20:30 ****" + CRLF + CRLF);
        EXPECT_FALSE(f->LaddarSparadOevning);
    }
    const Uppgift& ljud = modPluvo().OevningsOrdlista[0];
    EXPECT_EQ(ljud.Ord, "dog");
    EXPECT_EQ(ljud.OrdUttal, "\\ljud\\dog.wav");
    EXPECT_EQ(ljud.FoerklaringUttal, "\\ljud\\hund.wav");
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaddningTest, RememberedExerciseIsReloadedAtStart)
{
    const QString vaeg = skriv("Frukt.glo", oevning({"apple (äpple)", "pear (päron)"}));
    TestSupport::skrivInstaellning("Aktuell", "Filnamn", vaeg);
    MsgBoxInspelare boxar;
    auto f = starta();
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - frukt");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
    EXPECT_EQ(modPluvo().AntalOrd, 2);
    EXPECT_EQ(f->txtLoggbok.text(), "**** Aktuell övning: Glosor - frukt - 10:20:30 ****" + CRLF + CRLF);
    EXPECT_FALSE(f->LaddarSparadOevning);
    EXPECT_TRUE(boxar.anrop.empty());
}

TEST_F(LaddningTest, OldFileAnsweredYesIsConvertedFromCodePage850)
{
    // "häst (horse)" and "björn" as an old DOS program wrote them.
    const QString vaeg = skriv("gammal.glo", QByteArray("h\x84st (horse)\r\nbj\x94rn\r\n"));
    MsgBoxInspelare boxar(MsgSvar::Ja);
    auto f = starta();
    f->LaesInOevning(vaeg, true);
    ASSERT_EQ(boxar.anrop.size(), 1u);
    EXPECT_EQ(boxar.anrop[0].text, Fraaga);
    EXPECT_EQ(boxar.anrop[0].rubrik, "Pluvo");
    EXPECT_EQ(boxar.anrop[0].knappar, MsgKnappar::JaNej);
    EXPECT_EQ(boxar.anrop[0].ikon, MsgIkon::Fraaga);
    ASSERT_EQ(modPluvo().AntalOrd, 2);
    EXPECT_EQ(modPluvo().OevningsOrdlista[0].Ord, "häst");
    EXPECT_EQ(modPluvo().OevningsOrdlista[0].Foerklaring, "horse");
    EXPECT_EQ(modPluvo().OevningsOrdlista[1].Ord, "björn");
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - gammal");
}

TEST_F(LaddningTest, OldFileAnsweredNoKeepsTheText)
{
    const QString vaeg = skriv("gammal.glo", QByteArray("h\x84st (horse)\r\nbj\x94rn\r\n"));
    MsgBoxInspelare boxar(MsgSvar::Nej);
    auto f = starta();
    f->LaesInOevning(vaeg, true);
    ASSERT_EQ(boxar.anrop.size(), 1u);
    EXPECT_EQ(boxar.anrop[0].text, Fraaga);
    ASSERT_EQ(modPluvo().AntalOrd, 2);
    EXPECT_EQ(modPluvo().OevningsOrdlista[0].Ord, fraanAnsi("h\x84st"));
    EXPECT_EQ(modPluvo().OevningsOrdlista[1].Ord, fraanAnsi("bj\x94rn"));
}

TEST_F(LaddningTest, TheQuestionIsAskedWithoutTheHourglass)
{
    const QString vaeg = skriv("gammal.rtt", QByteArray("\r\nhej\r\n"));
    bool timglasUnderFraagan = true;
    saettMsgBoxHanterare([&](const MsgBoxAnrop&) {
        timglasUnderFraagan = QApplication::overrideCursor() != nullptr;
        return MsgSvar::Nej;
    });
    auto f = starta();
    f->LaesInOevning(vaeg, true);
    saettMsgBoxHanterare({});
    // A first line that is empty is no header: the question was asked.
    EXPECT_FALSE(timglasUnderFraagan);
    EXPECT_EQ(modPluvo().AntalOrd, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaddningTest, A1005LineFileGives1000RowsAndOneLoadLine)
{
    QStringList rader;
    for (int i = 0; i < 1005; ++i)
        rader << QString("ord%1 (förklaring %1)").arg(i);
    const QString vaeg = skriv("lang.ord", oevning(rader));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(vaeg, true);
    EXPECT_EQ(modPluvo().AntalOrd, 1000);
    ASSERT_EQ(modPluvo().OevningsOrdlista.size(), 1000u);
    EXPECT_EQ(modPluvo().OevningsOrdlista[999].Ord, "ord999");
    EXPECT_EQ(antalInlaesningar(f->txtLoggbok.text()), 1);
    EXPECT_TRUE(boxar.anrop.empty());
}

TEST_F(LaddningTest, EmptyAndHeaderOnlyFilesHaveNoRowsAndThePreviousStays)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)", "dog (hund)"}));
    const QString tom = skriv("tom.glo", QByteArray());
    const QString huvud = skriv("huvud.rtt", QByteArray("[Pluvo 7.0.7]\r\n\r\n\r\n"));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, true);
    for (const QString& vaeg : {tom, huvud}) {
        boxar.anrop.clear();
        const int foere = antalInlaesningar(f->txtLoggbok.text());
        f->LaesInOevning(vaeg, true);
        // No old-version question for a file without lines; one notice.
        ASSERT_EQ(boxar.anrop.size(), 1u) << vaeg.toStdString();
        EXPECT_EQ(boxar.anrop[0].text, Inga);
        EXPECT_EQ(boxar.anrop[0].rubrik, "Pluvo");
        EXPECT_EQ(boxar.anrop[0].knappar, MsgKnappar::Ok);
        EXPECT_EQ(boxar.anrop[0].ikon, MsgIkon::Information);
        // The previous exercise is loaded again, with its own load line.
        EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
        EXPECT_EQ(modPluvo().OevningsTyp, 3);
        EXPECT_EQ(modPluvo().AntalOrd, 2);
        EXPECT_EQ(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()), djur);
        EXPECT_EQ(f->AktuellSoekvaeg, djur);
        EXPECT_EQ(antalInlaesningar(f->txtLoggbok.text()), foere + 1);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaddningTest, NoRowsOnTheFileSelectorRoadUsesTheMessageWindow)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)"}));
    const QString huvud = skriv("huvud.rtt", oevning({}));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, false);
    MeddelandeSvarare svarare;
    f->LaesInOevning(huvud, false);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(svarare.texter, QStringList{Inga});
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
}

TEST_F(LaddningTest, RememberedExerciseWithoutRowsEndsNotLoaded)
{
    const QString huvud = skriv("huvud.rtt", oevning({}));
    TestSupport::skrivInstaellning("Aktuell", "Filnamn", huvud);
    MsgBoxInspelare boxar;
    MeddelandeSvarare svarare;
    auto f = starta();
    EXPECT_EQ(svarare.texter, QStringList{Inga});
    EXPECT_EQ(f->labAktuell->Caption(), EjInlaest);
    EXPECT_EQ(modPluvo().OevningsTyp, 0);
    EXPECT_EQ(modPluvo().AntalOrd, 0);
    EXPECT_EQ(SettingsStore::las("Aktuell", "Filnamn"), std::optional<QString>(QString()));
    EXPECT_TRUE(f->txtLoggbok.text().isEmpty());
    EXPECT_FALSE(f->LaddarSparadOevning);
}

TEST_F(LaddningTest, FailedLoadReloadsTheRememberedExerciseSilently)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)", "dog (hund)"}));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, true);
    f->LaesInOevning(mapp.path() + "/saknas.rtt", true);
    f->LaesInOevning(mapp.path() + "/saknas.ord", false);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
    EXPECT_EQ(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()), djur);
    EXPECT_EQ(antalInlaesningar(f->txtLoggbok.text()), 3);
    EXPECT_FALSE(f->LaddarSparadOevning);
}

TEST_F(LaddningTest, FailedLoadWhenTheRememberedOneIsGoneEndsNotLoaded)
{
    const QString djur = skriv("ljud.gls", oevning({"cat (katt)"}));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, true);
    EXPECT_FALSE(f->imaMun_akt->isHidden());
    QFile::remove(djur);
    f->LaesInOevning(mapp.path() + "/saknas.rtt", true);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(f->labAktuell->Caption(), EjInlaest);
    EXPECT_EQ(modPluvo().OevningsTyp, 0);
    EXPECT_TRUE(f->imaMun_akt->isHidden());
    EXPECT_TRUE(f->AktuellSoekvaeg.isEmpty());
    EXPECT_EQ(SettingsStore::las("Aktuell", "Filnamn"), std::optional<QString>(QString()));
    EXPECT_EQ(antalInlaesningar(f->txtLoggbok.text()), 1);
    EXPECT_FALSE(f->LaddarSparadOevning);
}

TEST_F(LaddningTest, FailedLoadWithNothingRememberedEndsNotLoaded)
{
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(mapp.path() + "/saknas.rtt", true);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(f->labAktuell->Caption(), EjInlaest);
    EXPECT_EQ(modPluvo().OevningsTyp, 0);
    EXPECT_FALSE(SettingsStore::las("Aktuell", "Filnamn").has_value());
}

TEST_F(LaddningTest, RememberedExerciseThatIsGoneEmptiesTheKeyAtStart)
{
    TestSupport::skrivInstaellning("Aktuell", "Filnamn", mapp.path() + "/borta.glo");
    MsgBoxInspelare boxar;
    auto f = starta();
    EXPECT_EQ(f->labAktuell->Caption(), EjInlaest);
    EXPECT_EQ(modPluvo().OevningsTyp, 0);
    EXPECT_EQ(SettingsStore::las("Aktuell", "Filnamn"), std::optional<QString>(QString()));
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_TRUE(f->txtLoggbok.text().isEmpty());
}

TEST_F(LaddningTest, ShortFileNameGivesAnEmptyNamePart)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)"}));
    const QString kort = skriv(".rtt", oevning({"och"}));
    const QString utanPunkt = skriv("ord", oevning({"flitig"}));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, true);
    f->LaesInOevning(kort, true);
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Rättstavning - ");
    EXPECT_EQ(modPluvo().OevningsTyp, 1);
    f->LaesInOevning(utanPunkt, true);
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Ordkunskap - ");
    EXPECT_EQ(modPluvo().OevningsTyp, 2);
    EXPECT_TRUE(f->txtLoggbok.text().endsWith("**** Aktuell övning: Ordkunskap -  - 10:20:30 ****" + CRLF + CRLF));
    EXPECT_EQ(f->AktuellSoekvaeg, utanPunkt);
}

TEST_F(LaddningTest, UnknownEndingIsAFailedOpen)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)"}));
    const QString text = skriv("anteckningar.txt", oevning({"hej (hallå)"}));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(text, true);
    EXPECT_EQ(f->labAktuell->Caption(), EjInlaest);
    EXPECT_EQ(modPluvo().OevningsTyp, 0);

    f->LaesInOevning(djur, true);
    f->LaesInOevning(text, true);
    EXPECT_TRUE(boxar.anrop.empty());
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
    ASSERT_EQ(modPluvo().AntalOrd, 1);
    EXPECT_EQ(modPluvo().OevningsOrdlista[0].Ord, "cat");
    EXPECT_EQ(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()), djur);
}

TEST_F(LaddningTest, MixedCaseFileNameLoadsAndIsReloadedByItsRealName)
{
    const QString vaeg = skriv("Mina Djur.GLO", oevning({"cat (katt)"}));
    MsgBoxInspelare boxar;
    {
        auto f = starta();
        f->LaesInOevning(vaeg, true);
        EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - mina djur");
        EXPECT_EQ(f->AktuellSoekvaeg, vaeg);
        EXPECT_EQ(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()), vaeg);
    }
    nollstaellModPluvo();
    auto g = starta();
    EXPECT_EQ(g->labAktuell->Caption(), "Aktuell övning: Glosor - mina djur");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
    EXPECT_EQ(g->AktuellSoekvaeg, vaeg);
    EXPECT_TRUE(boxar.anrop.empty());
}

TEST_F(LaddningTest, LoadLineClosesAnOpenWrongKeyLine)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)"}));
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, true);
    f->txtLoggbok.skrivFelTangent("hund", "", 1, u'x');
    ASSERT_TRUE(f->txtLoggbok.harOeppenRad());
    f->LaesInOevning(djur, true);
    EXPECT_TRUE(f->txtLoggbok.text().endsWith("hund - hx" + CRLF + "**** Aktuell övning: Glosor - djur - 10:20:30 ****" +
                                              CRLF + CRLF));
}

TEST_F(LaddningTest, BinaryJunkAndAHugeLineLoadWithoutCrash)
{
    QByteArray skraep;
    QRandomGenerator slump(4711);
    for (int i = 0; i < 20000; ++i)
        skraep += char(slump.bounded(256));
    const QString junk = skriv("skraep.glo", skraep);
    const QString lang = skriv("lang.rtt", "[Pluvo 7.0.7]\r\n" + QByteArray(100 * 1024, 'a') + " (b)\r\nkort\r\n");
    MsgBoxInspelare boxar(MsgSvar::Ja);
    MeddelandeSvarare svarare;
    auto f = starta();
    f->LaesInOevning(junk, true);
    EXPECT_FALSE(f->LaddarSparadOevning);
    EXPECT_GE(modPluvo().AntalOrd, 1);
    f->LaesInOevning(lang, true);
    ASSERT_EQ(modPluvo().AntalOrd, 2);
    EXPECT_EQ(modPluvo().OevningsOrdlista[0].Ord.size(), 100 * 1024);
    EXPECT_EQ(modPluvo().OevningsOrdlista[0].Foerklaring, "b");
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Rättstavning - lang");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaddningTest, OpenDialogOffersTheSixFiltersAndLoadsTheChoice)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)"}));
    std::vector<OeppnaDialogAnrop> anrop;
    saettOeppnaDialogHanterare([&](const OeppnaDialogAnrop& a) -> std::optional<QString> {
        anrop.push_back(a);
        return djur;
    });
    MsgBoxInspelare boxar;
    auto f = starta();
    f->HaemtaOevningDialog(2);
    ASSERT_EQ(anrop.size(), 1u);
    EXPECT_EQ(anrop[0].filter,
              "Rättstavning (*.rtt)|*.rtt|Ordkunskap (*.ord)|*.ord|Glosor (*.glo)|*.glo|Glosor med ljud "
              "(*.gls)|*.gls|Övrigt (*.tst)|*.tst|Alla typer|*.rtt;*.ord;*.glo;*.tst;*.gls");
    EXPECT_EQ(anrop[0].filterIndex, 3);
    EXPECT_EQ(anrop[0].startmapp, modPluvo().OevningsMapp);
    EXPECT_FALSE(anrop[0].startmapp.isEmpty());
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
    EXPECT_TRUE(boxar.anrop.empty());

    f->HaemtaOevningDialog(5);
    EXPECT_EQ(anrop.back().filterIndex, 6);
}

TEST_F(LaddningTest, CancelInTheOpenDialogChangesNothing)
{
    const QString djur = skriv("djur.glo", oevning({"cat (katt)"}));
    int visningar = 0;
    saettOeppnaDialogHanterare([&](const OeppnaDialogAnrop&) -> std::optional<QString> {
        ++visningar;
        return std::nullopt;
    });
    MsgBoxInspelare boxar;
    auto f = starta();
    f->LaesInOevning(djur, true);
    const QString loggbok = f->txtLoggbok.text();
    f->HaemtaOevningDialog(0);
    EXPECT_EQ(visningar, 1);
    EXPECT_EQ(f->txtLoggbok.text(), loggbok);
    EXPECT_EQ(f->labAktuell->Caption(), "Aktuell övning: Glosor - djur");
    EXPECT_EQ(modPluvo().OevningsTyp, 3);
    EXPECT_TRUE(boxar.anrop.empty());
}

TEST(LaddningNamn, TypeByTheLastThreeCharacters)
{
    EXPECT_EQ(OevningsTypFraanFil("C:\\Övn\\a.rtt"), "Rättstavning");
    EXPECT_EQ(OevningsTypFraanFil("/x/a.ORD"), "Ordkunskap");
    EXPECT_EQ(OevningsTypFraanFil("/x/record"), "Ordkunskap");
    EXPECT_EQ(OevningsTypFraanFil("X.GLO"), "Glosor");
    EXPECT_EQ(OevningsTypFraanFil("x.tst"), "Övrigt");
    EXPECT_EQ(OevningsTypFraanFil("D:\\X\\Glosa.GLS"), "Glosor med ljud");
    EXPECT_EQ(OevningsTypFraanFil("x.txt"), "");
    EXPECT_EQ(OevningsTypFraanFil(""), "");
    EXPECT_EQ(OevningsTypNummer("Rättstavning"), 1);
    EXPECT_EQ(OevningsTypNummer("Glosor med ljud"), 5);
    EXPECT_EQ(OevningsTypNummer(""), 0);
}

TEST(LaddningNamn, NameWithoutFolderAndEnding)
{
    EXPECT_EQ(OevningsNamnAvSoekvaeg("C:\\Övningar\\Djur.GLO"), "Djur");
    EXPECT_EQ(OevningsNamnAvSoekvaeg("/home/lärare/övn/Djur.glo"), "Djur");
    EXPECT_EQ(OevningsNamnAvSoekvaeg("/a\\b/c\\Sol.rtt"), "Sol");
    EXPECT_EQ(OevningsNamnAvSoekvaeg("a.glo"), "a");
    EXPECT_EQ(OevningsNamnAvSoekvaeg("/x/.glo"), "");
    EXPECT_EQ(OevningsNamnAvSoekvaeg("C:\\x\\ord"), "");
    EXPECT_EQ(OevningsNamnAvSoekvaeg(""), "");
}

TEST_F(LaddningTest, SampleExercisesLoadAndTheirSoundsPlay)
{
    // The samples that the build puts in the program folder.
    const QString prov = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../resources/exercises/";
    if (!QFileInfo::exists(prov))
        GTEST_SKIP() << "no sample folder beside the sources";
    MsgBoxInspelare boxar;
    auto f = starta();
    std::set<int> typer;
    QDirIterator filer(prov, {"*.rtt", "*.ord", "*.glo", "*.gls", "*.tst"}, QDir::Files);
    while (filer.hasNext()) {
        const QString vaeg = filer.next();
        const QByteArray bytes = TestSupport::lasFil(vaeg);
        EXPECT_TRUE(bytes.startsWith("[Pluvo 7.0.7]\r\n")) << vaeg.toStdString();
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << vaeg.toStdString();
        f->LaesInOevning(vaeg, true);
        EXPECT_EQ(f->AktuellSoekvaeg, vaeg);
        EXPECT_GE(modPluvo().AntalOrd, 5) << vaeg.toStdString();
        typer.insert(modPluvo().OevningsTyp);
        for (const Uppgift& u : modPluvo().OevningsOrdlista) {
            EXPECT_FALSE(u.Ord.isEmpty()) << vaeg.toStdString();
            for (const QString& ljud : {u.OrdUttal, u.FoerklaringUttal}) {
                if (!ljud.startsWith('\\'))
                    continue;
                // A leading "\" is the program folder, as the sound player reads it.
                const QString ljudfil = prov + ljud.mid(1).replace('\\', '/');
                SF_INFO info{};
                SNDFILE* sf = sf_open(QFile::encodeName(ljudfil).constData(), SFM_READ, &info);
                ASSERT_NE(sf, nullptr) << ljudfil.toStdString();
                EXPECT_EQ(info.channels, 1);
                EXPECT_LE(info.samplerate, 22050);
                EXPECT_GT(info.frames, 0);
                sf_close(sf);
            }
        }
    }
    EXPECT_EQ(typer, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(boxar.anrop.empty());
}
