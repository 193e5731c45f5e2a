#include "editor/FrmRedigera.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "editor/Uppgiftsfoenster.h"
#include "platform/FileDialog.h"
#include "platform/Screen.h"
#include "platform/SoundRecorder.h"
#include "platform/TextSpeaker.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using TestSupport::medModal;

namespace {

class FrmRedigeraTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        Skaerm::saettStorlek(QSize(1600, 900));
        skrivIn.resize(1200, 700);
        saettLjudKoppling(LjudKoppling{&roest1, &roest2, {}});
    }
    void TearDown() override
    {
        saettLjudKoppling(LjudKoppling{});
        saettOeppnaDialogHanterare({});
        Skaerm::saettStorlek({});
    }

    std::unique_ptr<FrmRedigera> oeppna(const QString& rad, bool glosorMedLjud = false)
    {
        auto f = std::make_unique<FrmRedigera>(&skrivIn, rad, glosorMedLjud);
        f->show();
        return f;
    }
    static QLineEdit* ruta(FrmRedigera& f, int i) { return f.findChild<QLineEdit*>(QString("txtRedigera%1").arg(i)); }
    static QPushButton* knapp(FrmRedigera& f, const QString& namn) { return f.findChild<QPushButton*>(namn); }
    static QStringList rutor(FrmRedigera& f)
    {
        return {ruta(f, 0)->text(), ruta(f, 1)->text(), ruta(f, 2)->text(), ruta(f, 3)->text()};
    }
    static void klicka(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    QWidget skrivIn;
    TextSpeaker roest1;
    TextSpeaker roest2;
    TestSupport::MsgBoxInspelare meddelanden;
};

}  // namespace

// --- Lines in and out ---

TEST_F(FrmRedigeraTest, RaderTillbakaOfoeraendrade)
{
    for (const QString& rad : {QString::fromUtf8("katt[kat] (cat)[kæt]"), QString("hund (dog)"), QString("ko[ku]")}) {
        auto f = oeppna(rad);
        klicka(knapp(*f, "comOK"));
        EXPECT_FALSE(f->isVisible());
        EXPECT_EQ(f->Tag(), rad);
    }
    auto f = oeppna(QString::fromUtf8("katt[kat] (cat)[kæt]"));
    EXPECT_EQ(rutor(*f), (QStringList{"katt", "kat", "cat", QString::fromUtf8("kæt")}));
    auto g = oeppna("hund (dog)");
    EXPECT_EQ(rutor(*g), (QStringList{"hund", "", "dog", ""}));

    // A line that starts with "(" has no word, so OK waits for one.
    auto h = oeppna(QString::fromUtf8("(förklaring)[uttal]"));
    EXPECT_EQ(rutor(*h), (QStringList{"", "", QString::fromUtf8("förklaring"), "uttal"}));
    EXPECT_FALSE(knapp(*h, "comOK")->isEnabled());
    TestSupport::skrivIn(ruta(*h, 0), "ord");
    klicka(knapp(*h, "comOK"));
    EXPECT_EQ(h->Tag(), QString::fromUtf8("ord (förklaring)[uttal]"));
}

TEST_F(FrmRedigeraTest, StaengGerTomTextMenEscLaemnarRadenSomDenVar)
{
    auto f = oeppna("hund (dog)");
    TestSupport::skrivIn(ruta(*f, 0), "ar");
    klicka(knapp(*f, "comAvbryt"));
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->Tag(), "");

    auto g = oeppna("hund (dog)");
    TestSupport::skrivIn(ruta(*g, 0), "ar");
    QTest::keyClick(ruta(*g, 0), Qt::Key_Escape);
    EXPECT_FALSE(g->isVisible());
    EXPECT_EQ(g->Tag(), "hund (dog)");
}

TEST_F(FrmRedigeraTest, RedigeraUppgiftVisarFoenstretModaltOchGerRaden)
{
    medModal([](QWidget& w) {
        auto* f = qobject_cast<FrmRedigera*>(&w);
        ASSERT_NE(f, nullptr);
        TestSupport::skrivIn(ruta(*f, 0), "mus");
        QTest::keyClick(ruta(*f, 0), Qt::Key_Return);
    });
    EXPECT_EQ(RedigeraUppgift(&skrivIn, "", false), "mus");
}

// --- OK and the pronunciation column ---

TEST_F(FrmRedigeraTest, OkBaraMedEttOrdSomOeverleverRensningen)
{
    modPluvo().TalFinns = true;
    auto f = oeppna("");
    QPushButton* ok = knapp(*f, "comOK");
    EXPECT_FALSE(ok->isEnabled());
    TestSupport::skrivIn(ruta(*f, 0), " ([=]) ");
    EXPECT_FALSE(ok->isEnabled());
    TestSupport::skrivIn(ruta(*f, 0), "x");
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClick(ruta(*f, 0), Qt::Key_Backspace);
    EXPECT_FALSE(ok->isEnabled());
    // The composed line is cleaned, and a pronunciation without an
    // explanation is dropped.
    TestSupport::skrivIn(ruta(*f, 0), "ka(t)t= ");
    klicka(f->findChild<QCheckBox*>("chkVisaUttal"));
    TestSupport::skrivIn(ruta(*f, 3), "uttal");
    klicka(ok);
    EXPECT_EQ(f->Tag(), "katt");
}

TEST_F(FrmRedigeraTest, OkVaegrarTeckenSomFilenInteRymmerOchNamngerDem)
{
    auto f = oeppna("");
    TestSupport::skrivIn(ruta(*f, 0), QString::fromUtf8("łódź"));
    TestSupport::skrivIn(ruta(*f, 2), QString::fromUtf8("Łódź €"));
    klicka(knapp(*f, "comOK"));
    ASSERT_EQ(meddelanden.anrop.size(), 1u);
    EXPECT_EQ(meddelanden.anrop[0].text, QString::fromUtf8("Tecknet \"ł\" kan inte sparas i en övningsfil.\r\n"
                                                           "Ändra texten och tryck OK igen."));
    EXPECT_EQ(meddelanden.anrop[0].ikon, MsgIkon::Utropstecken);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->Tag(), "");
    EXPECT_EQ(rutor(*f), (QStringList{QString::fromUtf8("łódź"), "", QString::fromUtf8("Łódź €"), ""}));

    // Corrected word, but the explanation still holds one.
    ruta(*f, 0)->selectAll();
    TestSupport::skrivIn(ruta(*f, 0), "lodz");
    klicka(knapp(*f, "comOK"));
    ASSERT_EQ(meddelanden.anrop.size(), 2u);
    EXPECT_TRUE(meddelanden.anrop[1].text.startsWith(QString::fromUtf8("Tecknet \"Ł\" kan")));
    EXPECT_TRUE(f->isVisible());

    // The euro sign fits, and "=" is still cleaned away as before.
    ruta(*f, 2)->selectAll();
    TestSupport::skrivIn(ruta(*f, 2), QString::fromUtf8("Lodz = €"));
    klicka(knapp(*f, "comOK"));
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f->Tag(), QString::fromUtf8("lodz (Lodz  €)"));

    // A word made only of such letters lets OK say why instead of staying grey.
    auto g = oeppna("hund (dog)");
    ruta(*g, 0)->selectAll();
    TestSupport::skrivIn(ruta(*g, 0), QString::fromUtf8("źł"));
    ASSERT_TRUE(knapp(*g, "comOK")->isEnabled());
    klicka(knapp(*g, "comOK"));
    ASSERT_EQ(meddelanden.anrop.size(), 3u);
    EXPECT_TRUE(meddelanden.anrop[2].text.contains(QString::fromUtf8("\"ź\"")));
    EXPECT_TRUE(g->isVisible());
    EXPECT_EQ(ruta(*g, 0)->text(), QString::fromUtf8("źł"));
    QTest::keyClick(ruta(*g, 0), Qt::Key_Escape);
    EXPECT_EQ(g->Tag(), "hund (dog)");
}

TEST_F(FrmRedigeraTest, UttalskolumnenFoeljerRutanOchMinns)
{
    modPluvo().TalFinns = true;
    auto f = oeppna("katt[kat]");
    auto* chk = f->findChild<QCheckBox*>("chkVisaUttal");
    EXPECT_FALSE(chk->isChecked());
    EXPECT_FALSE(ruta(*f, 1)->isEnabled());
    const int smal = f->width();
    klicka(chk);
    EXPECT_GT(f->width(), smal);
    EXPECT_TRUE(ruta(*f, 1)->isEnabled());
    EXPECT_TRUE(ruta(*f, 3)->isEnabled());
    f->reject();
    auto g = oeppna("hund");
    EXPECT_TRUE(g->findChild<QCheckBox*>("chkVisaUttal")->isChecked());
    EXPECT_EQ(g->width(), f->width());

    // Without speech, and for sounds, there is no pronunciation to show.
    EXPECT_TRUE(oeppna("hund", true)->findChild<QCheckBox*>("chkVisaUttal")->isHidden());
    modPluvo().TalFinns = false;
    EXPECT_TRUE(oeppna("hund")->findChild<QCheckBox*>("chkVisaUttal")->isHidden());
}

// --- Speech ---

// What a voice said since the last look.
QStringList talat(QSignalSpy& spion)
{
    QStringList texter;
    for (const QList<QVariant>& anrop : spion)
        texter << anrop.at(0).toString();
    spion.clear();
    return texter;
}

TEST_F(FrmRedigeraTest, KlickadRutaLaesesMedRaettRoest)
{
    modPluvo().TalFinns = true;
    QSignalSpy roest1Talar(&roest1, &TextSpeaker::talade);
    QSignalSpy roest2Talar(&roest2, &TextSpeaker::talade);
    QSignalSpy roest2Tystas(&roest2, &TextSpeaker::tystades);
    auto f = oeppna("katt[kat] (cat)[kat2]");
    klicka(ruta(*f, 0));
    klicka(ruta(*f, 2));
    EXPECT_EQ(talat(roest1Talar), QStringList({"katt", "cat"}));
    EXPECT_EQ(roest2Tystas.size(), 0);

    // With two voices the word and its pronunciation take voice 2.
    modPluvo().TvaaRoester = true;
    f = oeppna("katt[kat] (cat)[kat2]");
    klicka(f->findChild<QCheckBox*>("chkVisaUttal"));
    klicka(ruta(*f, 0));
    klicka(ruta(*f, 1));
    klicka(ruta(*f, 3));
    EXPECT_EQ(talat(roest2Talar), QStringList({"katt", "kat"}));
    EXPECT_EQ(talat(roest1Talar), QStringList({"kat2"}));
    EXPECT_GE(roest2Tystas.size(), 3);

    // Sound exercises and a missing speech engine speak nothing.
    f = oeppna("katt (cat)", true);
    klicka(ruta(*f, 0));
    klicka(ruta(*f, 2));
    modPluvo().TalFinns = false;
    f = oeppna("katt (cat)");
    klicka(ruta(*f, 0));
    EXPECT_EQ(roest1Talar.size() + roest2Talar.size(), 0);
}

// --- Sounds ---

class LjudRadTest : public FrmRedigeraTest {
protected:
    void SetUp() override
    {
        FrmRedigeraTest::SetUp();
        mapp = tmp.path() + "/Ljud/";
        QDir().mkpath(mapp);
        ASSERT_TRUE(TestSupport::skrivWav(mapp + "Hund.WAV", 3000));
        saettOeppnaDialogHanterare([this](const OeppnaDialogAnrop& a) {
            anrop.push_back(a);
            return svar;
        });
    }
    QTemporaryDir tmp;
    QString mapp;
    std::optional<QString> svar;
    std::vector<OeppnaDialogAnrop> anrop;
};

TEST_F(LjudRadTest, BlaeddraSpararVaegenSomValdOchMinnsMappen)
{
    auto f = oeppna("", true);
    TestSupport::skrivIn(ruta(*f, 0), "hund");
    EXPECT_TRUE(ruta(*f, 1)->isReadOnly());
    EXPECT_FALSE(knapp(*f, "comOK")->isEnabled());
    EXPECT_FALSE(knapp(*f, "comLyssna0")->isEnabled());
    EXPECT_FALSE(knapp(*f, "comKlipp0")->isEnabled());

    svar = mapp + "Hund.WAV";
    klicka(knapp(*f, "comBlaeddra0"));
    ASSERT_EQ(anrop.size(), 1u);
    EXPECT_EQ(anrop[0].filter, QString::fromUtf8("Ljud|*.wav;*.mp3;*.au"));
    EXPECT_EQ(anrop[0].startmapp, "");
    EXPECT_EQ(ruta(*f, 1)->text(), mapp + "Hund.WAV");
    EXPECT_TRUE(knapp(*f, "comOK")->isEnabled());
    EXPECT_TRUE(knapp(*f, "comLyssna0")->isEnabled());
    EXPECT_TRUE(knapp(*f, "comTaBort0")->isEnabled());
    EXPECT_TRUE(knapp(*f, "comKlipp0")->isEnabled());
    EXPECT_FALSE(knapp(*f, "comLyssna1")->isEnabled());

    // Cancel changes nothing, but the dialog opened in the folder chosen.
    svar.reset();
    klicka(knapp(*f, "comBlaeddra1"));
    ASSERT_EQ(anrop.size(), 2u);
    EXPECT_EQ(anrop[1].startmapp, mapp);
    EXPECT_EQ(ruta(*f, 3)->text(), "");

    klicka(knapp(*f, "comOK"));
    EXPECT_EQ(f->Tag(), "hund[" + mapp + "Hund.WAV]");
    EXPECT_TRUE(meddelanden.anrop.empty());
}

TEST_F(LjudRadTest, VaegarSomEnOevningInteKanBaeraVaegras)
{
    auto f = oeppna("hund[" + mapp + "Hund.WAV]", true);
    const QStringList namnen{"a(b).wav", "a)b.wav", "[x].wav", "a]b.wav", "a=b.wav", "a{1,2}.wav", "tab\t.wav",
                             "a\"b.wav", QString::fromUtf8("łódź.wav")};
    for (const QString& namn : namnen) {
        svar = mapp + namn;
        klicka(knapp(*f, "comBlaeddra0"));
        EXPECT_EQ(ruta(*f, 1)->text(), mapp + "Hund.WAV") << namn.toStdString();
    }
    ASSERT_EQ(meddelanden.anrop.size(), 9u);
    EXPECT_EQ(meddelanden.anrop[0].rubrik, QString::fromUtf8("Öppna"));
    EXPECT_EQ(modPluvo().LjudKatalog, "");
}

TEST_F(LjudRadTest, TaBortToemmerRadenOchStaengSlutarSpela)
{
    auto f = oeppna("hund[" + mapp + "Hund.WAV] (dog)[" + mapp + "Hund.WAV{100,2900}]", true);
    klicka(knapp(*f, "comLyssna1"));
    EXPECT_EQ(modPluvo().OeppetLjud, '"' + mapp + "Hund.WAV\"");
    klicka(knapp(*f, "comTaBort0"));
    EXPECT_EQ(ruta(*f, 1)->text(), "");
    EXPECT_FALSE(knapp(*f, "comLyssna0")->isEnabled());
    EXPECT_FALSE(knapp(*f, "comOK")->isEnabled());
    klicka(knapp(*f, "comAvbryt"));
    EXPECT_EQ(f->Tag(), "");
    EXPECT_EQ(modPluvo().OeppetLjud, "");
}

TEST_F(LjudRadTest, KlippLaeggerTillKlippetIRutan)
{
    auto f = oeppna("hund[" + mapp + "Hund.WAV]", true);
    medModal([](QWidget& w) {
        QWidget* klipp = &w;
        ASSERT_EQ(klipp->objectName(), "frmKlipp");
        QWidget* rad = klipp->findChild<QWidget*>("imaBar1");
        QWidget* stapel = klipp->findChild<QWidget*>("shaLjud0");
        QTest::mouseClick(rad, Qt::RightButton, {}, QPoint(rad->width() - 1, rad->height() / 2));
        QTest::mouseClick(rad, Qt::LeftButton, {}, QPoint(stapel->x() - rad->x() + stapel->width() / 3, 2));
        QTest::mouseClick(klipp->findChild<QPushButton*>("comOK"), Qt::LeftButton);
    });
    klicka(knapp(*f, "comKlipp0"));
    EXPECT_TRUE(ruta(*f, 1)->text().startsWith(mapp + "Hund.WAV{"));
    EXPECT_TRUE(ruta(*f, 1)->text().endsWith(",3000}"));
    EXPECT_NE(ruta(*f, 1)->text(), mapp + "Hund.WAV{0,3000}");
}

TEST_F(LjudRadTest, MunnenStartarLjudinspelaren)
{
    const QByteArray tidigare = qgetenv("PLUVO_INSPELARE");
    qputenv("PLUVO_INSPELARE", "sleep 1");
    const qint64 foere = Ljudinspelare::processId();
    auto f = oeppna("hund", true);
    QLabel* mun = f->findChild<QLabel*>("imaMun");
    EXPECT_FALSE(mun->isHidden());
    klicka(mun);
    EXPECT_NE(Ljudinspelare::processId(), foere);
    if (tidigare.isNull())
        qunsetenv("PLUVO_INSPELARE");
    else
        qputenv("PLUVO_INSPELARE", tidigare);
}
