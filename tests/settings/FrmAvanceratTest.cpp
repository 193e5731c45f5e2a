// The speech delay dialog: both factors stored on OK, none on Avbryt.
#include "InstaellningsFixtur.h"

#include "common/ModPluvo.h"
#include "common/SettingsRules.h"
#include "platform/SettingsStore.h"
#include "settings/FrmAvancerat.h"
#include "support/Foensterstyrning.h"

#include <QPushButton>
#include <QSlider>

using namespace TestSupport;

namespace {

using FrmAvanceratTest = InstaellningsFixtur;

// Opens the dialog with "Avancerat..." on the sound page and lets `goer`
// work in it while it is up.
void medDialog(FrmOptions2& d, const std::function<void(FrmAvancerat&)>& goer)
{
    bool sett = false;
    medModal([&](QWidget& w) {
        auto* dialog = qobject_cast<FrmAvancerat*>(&w);
        ASSERT_NE(dialog, nullptr);
        sett = true;
        EXPECT_EQ(dialog->parentWidget(), &d);
        goer(*dialog);
    });
    QTest::mouseClick(d.comAvancerat, Qt::LeftButton);
    EXPECT_TRUE(sett);
}

float lastFaktor(const char* nyckel)
{
    return LasRegel::D(SettingsStore::las("Ljud", nyckel));
}

TEST_F(FrmAvanceratTest, TheLimitsAreStoredAndReadBack)
{
    if (!ljudsidan())
        GTEST_SKIP() << "no speech engine: the button is hidden";
    medDialog(*d, [](FrmAvancerat& a) {
        EXPECT_EQ(a.windowTitle(), "Pluvo - Talsyntes");
        EXPECT_EQ(a.sldTspKorr[0]->value(), 100);
        QTest::keyClick(a.sldTspKorr[0], Qt::Key_Home);
        QTest::keyClick(a.sldTspKorr[1], Qt::Key_End);
        EXPECT_EQ(a.labVaerde[0]->text(), "50 %");
        EXPECT_EQ(a.labVaerde[1]->text(), "500 %");
        QTest::mouseClick(a.OKButton, Qt::LeftButton);
    });
    EXPECT_FLOAT_EQ(modPluvo().Tsp2Korr, 0.5f);
    EXPECT_FLOAT_EQ(modPluvo().TspKorr, 5.0f);
    EXPECT_FLOAT_EQ(lastFaktor("tsp2_korr"), 0.5f);
    EXPECT_FLOAT_EQ(lastFaktor("tsp_korr"), 5.0f);

    // The dialog opens again on what was stored.
    medDialog(*d, [](FrmAvancerat& a) {
        EXPECT_EQ(a.sldTspKorr[0]->value(), 50);
        EXPECT_EQ(a.sldTspKorr[1]->value(), 500);
    });
}

TEST_F(FrmAvanceratTest, OkWithoutMovingStoresBothFactors)
{
    skrivInstaellning("Ljud", "tsp_korr", "1,2");
    if (!ljudsidan())
        GTEST_SKIP() << "no speech engine: the button is hidden";
    medDialog(*d, [](FrmAvancerat& a) {
        EXPECT_EQ(a.sldTspKorr[1]->value(), 120);
        QTest::keyClick(a.sldTspKorr[1], Qt::Key_Return);
    });
    const Nycklar nycklar = skrivna();
    EXPECT_EQ(nycklar.keys(), (QStringList{"Ljud/tsp2_korr", "Ljud/tsp_korr"}));
    EXPECT_FLOAT_EQ(lastFaktor("tsp_korr"), 1.2f);
    EXPECT_FLOAT_EQ(lastFaktor("tsp2_korr"), 1.0f);
}

TEST_F(FrmAvanceratTest, StandardThenAvbrytChangesNothing)
{
    skrivInstaellning("Ljud", "tsp_korr", "2");
    skrivInstaellning("Ljud", "tsp2_korr", "0.7");
    if (!ljudsidan())
        GTEST_SKIP() << "no speech engine: the button is hidden";
    medDialog(*d, [](FrmAvancerat& a) {
        QTest::mouseClick(a.comStandard, Qt::LeftButton);
        EXPECT_EQ(a.sldTspKorr[0]->value(), 100);
        EXPECT_EQ(a.sldTspKorr[1]->value(), 100);
        QTest::mouseClick(a.CancelButton, Qt::LeftButton);
    });
    EXPECT_EQ(skrivna(), Nycklar());
    EXPECT_FLOAT_EQ(modPluvo().TspKorr, 2.0f);
    EXPECT_FLOAT_EQ(modPluvo().Tsp2Korr, 0.7f);
}

TEST(FaktorText, ReadsBackInEveryLocale)
{
    const QLocale foere;
    for (const char* namn : {"sv_SE", "C", "de_DE", "ar_EG"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(namn)));
        for (float faktor : {0.5f, 1.0f, 1.2f, 2.37f, 5.0f})
            EXPECT_FLOAT_EQ(LasRegel::D(faktorText(faktor)), faktor) << namn;
    }
    QLocale::setDefault(foere);
}

}  // namespace
