// Letter checking through the training window: accents, case, exact
// matching, the alternative word of a Test run, and letters chosen on the
// letter board.
#include "common/ModPluvo.h"
#include "support/TraeningsFixtur.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Bokstaever : public KoerningsFixtur {};

}  // namespace

TEST_F(Bokstaever, PlainLetterStandsForAnAccentedOne)
{
    starta({rad("café"), rad("særlig"), rad("bär"), rad("µm")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("caf");
    skriv("E");
    EXPECT_EQ(f->AntalFel, 1);
    EXPECT_EQ(synligtOrd(), "caf_");
    skriv("e");
    EXPECT_EQ(synligtOrd(), "café");
    EXPECT_TRUE(f->OrdKlart);
    tryck(Qt::Key_Return);

    tryck(Qt::Key_Return);
    skriv("sä");
    EXPECT_EQ(synligtOrd(), "sæ____");
    skriv("rlig");
    tryck(Qt::Key_Return);

    // ä, å and ö are letters of their own.
    tryck(Qt::Key_Return);
    skriv("ba");
    EXPECT_EQ(synligtOrd(), "b__");
    EXPECT_EQ(f->AntalFel, 2);
    skriv("är");
    tryck(Qt::Key_Return);

    tryck(Qt::Key_Return);
    skriv("u");
    EXPECT_EQ(synligtOrd(), "µ_");
    EXPECT_EQ(f->AntalFel, 2);
}

TEST_F(Bokstaever, ExactMatchingRefusesThePlainLetter)
{
    modPluvo().ExaktMatchning = true;
    starta({rad("café"), rad("særlig")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("cafe");
    EXPECT_EQ(synligtOrd(), "caf_");
    EXPECT_EQ(f->AntalFel, 1);
    skriv("é");
    EXPECT_TRUE(f->OrdKlart);
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("sä");
    EXPECT_EQ(synligtOrd(), "s_____");
    skriv("æ");
    EXPECT_EQ(synligtOrd(), "sæ____");
    EXPECT_EQ(f->AntalFel, 2);
}

TEST_F(Bokstaever, CaseMatters)
{
    starta({rad("Hund")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("h");
    EXPECT_EQ(synligtOrd(), "____");
    skriv("H");
    skriv("UND");
    EXPECT_EQ(synligtOrd(), "H___");
    EXPECT_EQ(f->AntalFel, 4);
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 1 - " + Tid + CRLF + "Hund - h" + CRLF + "Hund - HU\\N\\D");
}

TEST_F(Bokstaever, ThreeWrongKeysAtOneLetterMakeOneLine)
{
    starta({rad("sol", "het"), rad("is")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("xyz");
    EXPECT_EQ(f->AntalFel, 3);
    EXPECT_EQ(f->FelIOmgaang, 1);
    EXPECT_EQ(f->labFakta[5]->Caption(), "3");
    EXPECT_EQ(f->labFakta[3]->Caption(), "3");
    EXPECT_EQ(f->picFel->x(), f->labOrd[0]->x());
    EXPECT_EQ(f->picFel->toolTip(), "");
    skriv("s");
    EXPECT_TRUE(f->picFel->isHidden());
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 2 - " + Tid + CRLF + "sol (het) - x\\y\\z" + CRLF);
    EXPECT_EQ(modPluvo().FelOrdlista[0].Ord, "sol");
}

TEST_F(Bokstaever, BlankAndSignsAreLettersLikeAnyOther)
{
    starta({rad("god dag!")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("god");
    tryck(Qt::Key_Space);
    EXPECT_EQ(synligtOrd(), "god ____");
    skriv("dag");
    // The exclamation mark types like any sign, so the word can be finished.
    skriv("!");
    EXPECT_EQ(synligtOrd(), "god dag!");
    EXPECT_TRUE(f->OrdKlart);
    EXPECT_EQ(f->AntalFel, 0);
}

TEST_F(Bokstaever, AnotherWordWithTheSameExplanationGetsTheArrow)
{
    starta({rad("kall", "inte varm"), rad("kylig", "inte varm")}, TestVisar);
    ModPluvo& m = modPluvo();
    ASSERT_EQ(m.Tillstaand, TestSkriver);
    skriv("k");
    skriv("y");
    EXPECT_FALSE(f->picFel->isHidden());
    EXPECT_EQ(f->picFel->toolTip(), "Försök igen med annat ord!");
    EXPECT_EQ(f->picFel->x(), f->labOrd[1]->x());
    EXPECT_EQ(f->AntalFel, 0);
    EXPECT_EQ(f->FelIOmgaang, 0);
    EXPECT_FALSE(f->OrdFelRaeknat);
    EXPECT_TRUE(f->lstFel.isEmpty());

    // The first l of kylig is its third letter: a counted error.
    skriv("l");
    EXPECT_EQ(f->AntalFel, 1);
    EXPECT_EQ(f->FelIOmgaang, 1);
    EXPECT_EQ(f->picFel->toolTip(), "");
    skriv("all");
    EXPECT_EQ(logg(), "Test - Antal ord: 2 - " + Tid + CRLF + "kall (inte varm) - ky\\l" + CRLF);
}

TEST_F(Bokstaever, WordShownAfterAnUncountedKeyStartsOnItsOwnLine)
{
    modPluvo().VisaMedRaderaTest = true;
    starta({rad("kall", "inte varm"), rad("kylig", "inte varm")}, TestVisar);
    skriv("ky");
    ASSERT_FALSE(f->OrdFelRaeknat);
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(logg(), "Test - Antal ord: 2 - " + Tid + CRLF + "kall (inte varm) - ky" + CRLF +
                          "Ordet visades - kall(inte varm)" + CRLF);
}

TEST_F(Bokstaever, LettersAreCheckedOnlyWhileThePupilTypes)
{
    starta({rad("sol")}, PluvoVisar);
    const QString foereLogg = logg();
    f->KontrolleraTangent('x');
    f->KontrolleraTangent('s');
    EXPECT_EQ(f->AntalFel, 0);
    EXPECT_FALSE(f->OrdKlart);
    EXPECT_EQ(logg(), foereLogg);
    EXPECT_TRUE(f->picFel->isHidden());
}

TEST_F(Bokstaever, EnterOnABoardCellTypesItsLetterAndPassesNothingOver)
{
    ModPluvo& m = modPluvo();
    m.TavlaPaa = true;
    m.MusStyrning = false;
    m.VisaMedRaderaTest = true;
    m.BytMedEnterTest = true;
    starta({rad("kall", "inte varm"), rad("het", "mycket varm")}, TestVisar);
    tryck(Qt::Key_Backspace);
    ASSERT_EQ(m.Tillstaand, TestVisar);
    ASSERT_TRUE(m.OrdetVisat);

    f->labSiffertavla[10]->setCaption("k");
    m.TavlaVal = 10;
    tryck(Qt::Key_Return);
    EXPECT_FALSE(m.EnterTryckt);
    EXPECT_EQ(m.AktuelltOrd, 1);
    EXPECT_EQ(m.Tillstaand, TestSkriver);
    EXPECT_EQ(synligtOrd(), "k___");
    EXPECT_EQ(f->AntalFel, 0);
    EXPECT_FALSE(logg().contains("Vidare till nästa"));

    // The back picture shows the word again; it is no Enter either.
    m.TavlaVal = -1;
    tryck(Qt::Key_Return);
    EXPECT_FALSE(m.EnterTryckt);
    EXPECT_EQ(m.Tillstaand, TestVisar);
    EXPECT_EQ(synligtOrd(), "kall");

    // The next picture goes on, and that Enter passes the shown word over.
    m.TavlaVal = -2;
    tryck(Qt::Key_Return);
    EXPECT_TRUE(m.EnterTryckt);
    EXPECT_EQ(m.AktuelltOrd, 2);
    EXPECT_TRUE(logg().contains("Vidare till nästa utan att skriva ordet" + CRLF));
}
