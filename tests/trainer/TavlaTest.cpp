// The letter board in real runs: the cursor stepped with Space and the
// arrow keys (nearest way on and off, edge limit on and off), Enter on the
// cursor, and the board clicked with the mouse method.
#include "common/ModPluvo.h"
#include "common/TavlaLogik.h"
#include "support/TraeningsFixtur.h"
#include "trainer/FrmPluvo.h"
#include "trainer/LetterBoard.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class TavlaStegning : public ::testing::Test {
protected:
    void SetUp() override { nyStart(); }
    void TearDown() override { f.reset(); }

    // Starts the window with the control method and the board settings, and
    // a Pluvo run of the rows of a spelling exercise, the first word shown.
    void koer(const QString& alternativ, const QStringList& ord, const QString& naermast = "True",
              const QString& kant = "False")
    {
        skrivInstaellning("Styrning", "Alternativ", alternativ);
        skrivInstaellning("Styrning", "near", naermast);
        skrivInstaellning("Styrning", "kant", kant);
        f = startaTraeningsfoenster(m_mapp.path());
        f->timEnTangent.setEnabled(false);
        Uppgiftslista rader;
        for (const QString& o : ord)
            rader.push_back(rad(o));
        laddaIn(rader);
        f->SaettLaege(PluvoVisar);
        ASSERT_EQ(modPluvo().Tillstaand, PluvoVisar);
    }

    void tangent(int kod) { tryckKod(*f, kod); }
    void space() { tangent(32); }
    void enter() { tangent(13); }

    // The cursor after each of `antal` steps with Space.
    std::vector<int> steg(int antal)
    {
        std::vector<int> val;
        for (int i = 0; i < antal; ++i) {
            space();
            val.push_back(modPluvo().TavlaVal);
        }
        return val;
    }

    // Steps with Space until the cursor stands on the cell showing `tecken`.
    void stegaTill(QChar tecken)
    {
        for (int i = 0; i < 64; ++i) {
            const int val = modPluvo().TavlaVal;
            if (val >= 0 && f->labSiffertavla[size_t(val)]->Caption() == QString(tecken))
                return;
            space();
        }
        FAIL() << "no cell shows " << QString(tecken).toStdString();
    }

    bool bokstavSynlig(int i) const { return !f->labOrd[size_t(i)]->isHidden(); }
    int antalFel() const { return f->labFakta[5]->Caption().toInt(); }

    QTemporaryDir m_mapp;
    std::unique_ptr<FrmPluvo> f;
};

using V = std::vector<int>;

}  // namespace

TEST_F(TavlaStegning, TheNearestWayReachesTheLetterAndThenLeavesForThePictures)
{
    koer("2", {"ok"});
    ModPluvo& m = modPluvo();
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    enter();  // the next picture hides the word
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    EXPECT_FALSE(f->picBakaat->isHidden());

    EXPECT_EQ(steg(4), (V{14, Tavla::Bakaat, Tavla::Naesta, 14}));
    EXPECT_TRUE(f->labSiffertavla[14]->Bold());
    enter();
    EXPECT_TRUE(bokstavSynlig(0));
    EXPECT_EQ(steg(4), (V{13, 12, 11, 10}));
    enter();
    EXPECT_TRUE(bokstavSynlig(1));
    EXPECT_TRUE(f->OrdKlart);
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    EXPECT_EQ(antalFel(), 0);
}

TEST_F(TavlaStegning, TheWayRoundTheRowIsTakenWhenShorterUnlessTheEdgeStopsIt)
{
    koer("2", {"md"});
    enter();
    EXPECT_EQ(steg(3), (V{14, 13, 12}));
    enter();
    EXPECT_EQ(steg(6), (V{13, 14, 0, 1, 2, 3}));
    f.reset();

    nyStart();
    koer("2", {"md"}, "True", "True");
    enter();
    EXPECT_EQ(steg(13), (V{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    enter();
    EXPECT_EQ(steg(9), (V{11, 10, 9, 8, 7, 6, 5, 4, 3}));
}

TEST_F(TavlaStegning, ATargetInTheOtherRowIsReachedByChangingRowsFirst)
{
    koer("2", {"fu"});
    enter();
    EXPECT_EQ(steg(6), (V{0, 1, 2, 3, 4, 5}));
    enter();
    EXPECT_EQ(steg(2), (V{20, Tavla::Bakaat}));
}

TEST_F(TavlaStegning, WithoutTheNearestWayTheCursorWalksTheWholeBoard)
{
    koer("2", {"ab"}, "False");
    V runda;
    for (int i = 0; i < 30; ++i)
        runda.push_back(i);
    V visas = runda;
    visas.push_back(Tavla::Naesta);  // the back picture is hidden while the word shows
    visas.push_back(0);
    EXPECT_EQ(steg(32), visas);

    tangent(8);  // nothing to show again yet
    while (modPluvo().TavlaVal != Tavla::Naesta)
        space();
    enter();
    ASSERT_EQ(modPluvo().Tillstaand, PluvoSkriver);
    V skriver = runda;
    skriver.push_back(Tavla::Bakaat);
    skriver.push_back(Tavla::Naesta);
    skriver.push_back(0);
    EXPECT_EQ(steg(33), skriver);
}

TEST_F(TavlaStegning, EnterOnACellTypesItsLetterAndEnterOnTheBackPictureShowsTheWord)
{
    koer("2", {"ab"}, "False");
    ModPluvo& m = modPluvo();
    enter();
    steg(3);
    ASSERT_EQ(m.TavlaVal, 2);  // "c"
    enter();
    EXPECT_FALSE(bokstavSynlig(0));
    EXPECT_EQ(antalFel(), 1);
    EXPECT_FALSE(f->picFel->isHidden());

    while (m.TavlaVal != 0)
        space();
    enter();
    EXPECT_TRUE(bokstavSynlig(0));
    EXPECT_FALSE(bokstavSynlig(1));
    EXPECT_TRUE(f->picFel->isHidden());

    while (m.TavlaVal != Tavla::Bakaat)
        space();
    enter();
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_TRUE(bokstavSynlig(0));
    EXPECT_TRUE(bokstavSynlig(1));
    EXPECT_EQ(antalFel(), 1);
    EXPECT_TRUE(f->picFel->isHidden());
}

TEST_F(TavlaStegning, EnterOnTheBackPictureMarksNothingWrong)
{
    koer("2", {"ab"});
    ModPluvo& m = modPluvo();
    enter();
    EXPECT_EQ(steg(2), (V{0, Tavla::Bakaat}));  // the target reached, the cursor leaves it
    enter();
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(antalFel(), 0);
    EXPECT_TRUE(f->picFel->isHidden());
    EXPECT_TRUE(f->lstFel.isEmpty());
}

TEST_F(TavlaStegning, AWholeRunIsTypedByStepping)
{
    MeddelandeSvarare svar;
    koer("2", {"hej", QStringLiteral("Åsa-7")});
    ModPluvo& m = modPluvo();
    for (const QString& ord : {QStringLiteral("hej"), QStringLiteral("Åsa-7")}) {
        ASSERT_EQ(m.Tillstaand, PluvoVisar);
        enter();
        for (int i = 0; i < ord.size(); ++i) {
            stegaTill(ord.at(i));
            enter();
            EXPECT_TRUE(bokstavSynlig(i)) << ord.toStdString() << i;
        }
        EXPECT_TRUE(f->OrdKlart);
        EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
        enter();
    }
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(antalFel(), 0);
    ASSERT_EQ(svar.texter.size(), 1);
    EXPECT_TRUE(svar.texter[0].contains("pluvot")) << svar.texter[0].toStdString();
    EXPECT_TRUE(f->labSiffertavla[0]->isHidden());
    EXPECT_TRUE(f->picNaesta->isHidden());
}

TEST_F(TavlaStegning, ArrowKeysMoveTheCursorAndItsHighlight)
{
    koer("2", {"ab"});
    ModPluvo& m = modPluvo();
    enter();
    tryckTangent(*f, Qt::Key_Right);
    EXPECT_EQ(m.TavlaVal, 0);
    tryckTangent(*f, Qt::Key_Down);
    EXPECT_EQ(m.TavlaVal, 15);
    EXPECT_TRUE(f->labSiffertavla[15]->Bold());
    tryckTangent(*f, Qt::Key_Left);
    EXPECT_EQ(m.TavlaVal, Tavla::Bakaat);
    EXPECT_EQ(f->picBakaat->BorderStyle(), 1);
    tryckTangent(*f, Qt::Key_Up);
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    // Space goes on from where the arrows left the cursor.
    space();
    EXPECT_EQ(m.TavlaVal, 0);
    enter();
    EXPECT_TRUE(bokstavSynlig(0));
}

TEST_F(TavlaStegning, WithTheMouseMethodClicksTypeAndThePicturesStep)
{
    skrivInstaellning("Styrning", "tan_r", "True");  // a click is never a held key
    MeddelandeSvarare svar;
    koer("1", {"ab"});
    ModPluvo& m = modPluvo();

    QTest::mouseClick(f->picNaesta, Qt::LeftButton);
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    EXPECT_FALSE(f->picBakaat->isHidden());
    EXPECT_FALSE(f->TangentNere);

    QTest::mouseClick(f->labSiffertavla[5], Qt::LeftButton);
    EXPECT_EQ(antalFel(), 1);
    QTest::mouseClick(f->labSiffertavla[0], Qt::LeftButton);
    EXPECT_TRUE(bokstavSynlig(0));

    // The back picture shows the word again and the board follows.
    QTest::mouseClick(f->picBakaat, Qt::LeftButton);
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_TRUE(f->picBakaat->isHidden());
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    QTest::mouseClick(f->picNaesta, Qt::LeftButton);
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    QTest::mouseClick(f->labSiffertavla[0], Qt::LeftButton);
    QTest::mouseClick(f->labSiffertavla[1], Qt::LeftButton);
    EXPECT_TRUE(f->OrdKlart);
    // The word typed wrong comes back in the next pass.
    QTest::mouseClick(f->picNaesta, Qt::LeftButton);
    ASSERT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_TRUE(svar.texter.isEmpty());
    QTest::mouseClick(f->picNaesta, Qt::LeftButton);
    QTest::mouseClick(f->labSiffertavla[0], Qt::LeftButton);
    QTest::mouseClick(f->labSiffertavla[1], Qt::LeftButton);
    QTest::mouseClick(f->picNaesta, Qt::LeftButton);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(svar.texter.size(), 1);
}

TEST_F(TavlaStegning, TheMouseOnlyHighlightsAndSpaceAndEnterDoNotUseTheBoard)
{
    koer("1", {"ab"});
    ModPluvo& m = modPluvo();
    f->labSiffertavla_MouseMove(4);
    EXPECT_TRUE(f->labSiffertavla[4]->Bold());
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    f->picNaesta_MouseMove();
    EXPECT_EQ(f->picNaesta->BorderStyle(), 1);
    EXPECT_FALSE(f->labSiffertavla[4]->Bold());

    space();  // as without a board: the word is hidden
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    f->picBakaat_MouseMove();
    EXPECT_EQ(f->picBakaat->BorderStyle(), 1);
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    space();  // a blank is a letter of the word, and "a" is expected
    EXPECT_EQ(antalFel(), 1);
}

TEST_F(TavlaStegning, WithoutTheMouseMethodClicksAndMovesAreIgnored)
{
    koer("2", {"ab"});
    ModPluvo& m = modPluvo();
    enter();
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    QTest::mouseClick(f->labSiffertavla[0], Qt::LeftButton);
    EXPECT_FALSE(bokstavSynlig(0));
    EXPECT_EQ(antalFel(), 0);
    QTest::mouseClick(f->picBakaat, Qt::LeftButton);
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
    QTest::mouseClick(f->picNaesta, Qt::LeftButton);
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
    f->labSiffertavla_MouseMove(7);
    EXPECT_FALSE(f->labSiffertavla[7]->Bold());
    EXPECT_EQ(f->picNaesta->BorderStyle(), 1);
}
