#include "common/ModPluvo.h"
#include "support/TestSupport.h"
#include "trainer/KoerLogik.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using TestSupport::CRLF;
using TestSupport::rad;

namespace {

// Ten rows of which three have an explanation.
Uppgiftslista tioRader()
{
    Uppgiftslista lista;
    for (int i = 0; i < 10; ++i)
        lista.push_back(rad("ord" + QString::number(i)));
    lista[2] = rad("hund", "dog", "hunnd", "dogg");
    lista[5] = rad("katt", "cat");
    lista[8] = rad("häst", "horse");
    return lista;
}

Uppgiftslista numreradeRader(int antal)
{
    Uppgiftslista lista;
    for (int i = 0; i < antal; ++i)
        lista.push_back(rad(QString::number(i)));
    return lista;
}

// A source that plays back fixed numbers in turn.
Slumpkaella fastSlump(std::vector<double> tal)
{
    auto index = std::make_shared<size_t>(0);
    return [tal, index] { return tal[(*index)++ % tal.size()]; };
}

}  // namespace

TEST(Koerlista, NormalPluvoAndLaesTakeEveryRow)
{
    for (int laege : {PluvoVisar, Laeser}) {
        const Koerlista k = byggKoerlista(tioRader(), laege, false);
        EXPECT_EQ(k.rader, tioRader());
        EXPECT_EQ(k.utanFoerklaring, 0);
    }
}

TEST(Koerlista, OmvaendSwapsAndKeepsRowsWithExplanation)
{
    const Koerlista k = byggKoerlista(tioRader(), PluvoVisar, true);
    ASSERT_EQ(k.rader.size(), 3u);
    EXPECT_EQ(k.rader[0], rad("dog", "hund", "dogg", "hunnd"));
    EXPECT_EQ(k.rader[1], rad("cat", "katt"));
    EXPECT_EQ(k.rader[2], rad("horse", "häst"));
    EXPECT_EQ(k.utanFoerklaring, 7);
    EXPECT_EQ(SaknadFoerklaringText(k.utanFoerklaring),
              " 7 ord saknar " + CRLF + " förklaring och tas bort. ");
}

TEST(Koerlista, TestKeepsRowsWithExplanationUnchanged)
{
    const Koerlista normal = byggKoerlista(tioRader(), TestVisar, false);
    ASSERT_EQ(normal.rader.size(), 3u);
    EXPECT_EQ(normal.rader[0], rad("hund", "dog", "hunnd", "dogg"));
    EXPECT_EQ(normal.utanFoerklaring, 7);

    const Koerlista omvaend = byggKoerlista(tioRader(), TestVisar, true);
    ASSERT_EQ(omvaend.rader.size(), 3u);
    EXPECT_EQ(omvaend.rader[2], rad("horse", "häst"));
}

TEST(Koerlista, RowsWithNothingToTypeAreLeftOutUncounted)
{
    const Uppgiftslista lista = {rad("sol"), rad("", "utan ord"), rad(""), rad("måne", "natt")};

    const Koerlista normal = byggKoerlista(lista, PluvoVisar, false);
    EXPECT_EQ(normal.rader, (Uppgiftslista{rad("sol"), rad("måne", "natt")}));
    EXPECT_EQ(normal.utanFoerklaring, 0);

    // "sol" lacks an explanation; the wordless rows are no such words.
    const Koerlista test = byggKoerlista(lista, TestVisar, false);
    EXPECT_EQ(test.rader, Uppgiftslista{rad("måne", "natt")});
    EXPECT_EQ(test.utanFoerklaring, 1);

    // Reversed, the explanation is typed, so the wordless row can run.
    const Koerlista omvaend = byggKoerlista(lista, PluvoVisar, true);
    EXPECT_EQ(omvaend.rader, (Uppgiftslista{rad("utan ord", ""), rad("natt", "måne")}));
    EXPECT_EQ(omvaend.utanFoerklaring, 1);
}

TEST(BlandaOrdlista, EachSwapMovesTheRowAtItsPosition)
{
    // 0.0 names row 0 again at i = 0, so a redraw must follow.
    Uppgiftslista lista = numreradeRader(4);
    BlandaOrdlista(lista, fastSlump({0.0, 0.5, 0.0, 0.99, 0.3, 0.6}));
    // i=0: j=0 again, then 2 -> 2,1,0,3; i=1: j=0 -> 1,2,0,3;
    // i=2: j=3 -> 1,2,3,0; i=3: j=1 -> 1,0,3,2.
    EXPECT_EQ(lista, (Uppgiftslista{rad("1"), rad("0"), rad("3"), rad("2")}));
}

TEST(BlandaOrdlista, FixedSourceGivesTheSameOrder)
{
    Uppgiftslista a = numreradeRader(10);
    Uppgiftslista b = numreradeRader(10);
    BlandaOrdlista(a, fastSlump({0.42, 0.17, 0.93, 0.55, 0.08, 0.71}));
    BlandaOrdlista(b, fastSlump({0.42, 0.17, 0.93, 0.55, 0.08, 0.71}));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, numreradeRader(10));
}

TEST(BlandaOrdlista, FewerThanTwoRowsAreNeverShuffled)
{
    Uppgiftslista en = numreradeRader(1);
    int dragningar = 0;
    BlandaOrdlista(en, [&] {
        ++dragningar;
        return 0.0;
    });
    EXPECT_EQ(en, numreradeRader(1));
    EXPECT_EQ(dragningar, 0);

    Uppgiftslista tom;
    BlandaOrdlista(tom);
    EXPECT_TRUE(tom.empty());
}

TEST(BlandaOrdlista, ClockSeededShuffleKeepsEveryRow)
{
    Uppgiftslista lista = numreradeRader(50);
    BlandaOrdlista(lista);
    std::sort(lista.begin(), lista.end(),
              [](const Uppgift& x, const Uppgift& y) { return x.Ord.toInt() < y.Ord.toInt(); });
    EXPECT_EQ(lista, numreradeRader(50));
}

TEST(BlandaOrdlista, SourceGivingOneStillNamesARow)
{
    // 1.0 names the last row: i=0: j=2 -> 2,1,0; i=1: j=0 -> 1,2,0;
    // i=2: j=2 again, then 0 -> 0,2,1.
    Uppgiftslista lista = numreradeRader(3);
    BlandaOrdlista(lista, fastSlump({1.0, 0.0}));
    EXPECT_EQ(lista, (Uppgiftslista{rad("0"), rad("2"), rad("1")}));
}

TEST(AccentTabell, PlainLetterStandsForItsAccentedForms)
{
    EXPECT_TRUE(TeckenGodtas(u'e', u'é', false));
    EXPECT_TRUE(TeckenGodtas(u'e', u'è', false));
    EXPECT_TRUE(TeckenGodtas(u'u', u'ü', false));
    EXPECT_TRUE(TeckenGodtas(u'u', u'µ', false));
    EXPECT_TRUE(TeckenGodtas(u'ä', u'æ', false));
    EXPECT_TRUE(TeckenGodtas(u'Ä', u'Æ', false));
    EXPECT_TRUE(TeckenGodtas(u'E', u'É', false));
    EXPECT_TRUE(TeckenGodtas(u'é', u'é', false));
}

TEST(AccentTabell, NothingElseIsFolded)
{
    // Case always matters.
    EXPECT_FALSE(TeckenGodtas(u'E', u'é', false));
    EXPECT_FALSE(TeckenGodtas(u'e', u'É', false));
    EXPECT_FALSE(TeckenGodtas(u'a', u'A', false));
    // å, ä and ö are letters of their own.
    EXPECT_FALSE(TeckenGodtas(u'a', u'å', false));
    EXPECT_FALSE(TeckenGodtas(u'a', u'ä', false));
    EXPECT_FALSE(TeckenGodtas(u'o', u'ö', false));
    // An accented key never stands for a plain letter, nor for another form.
    EXPECT_FALSE(TeckenGodtas(u'é', u'e', false));
    EXPECT_FALSE(TeckenGodtas(u'è', u'é', false));
    EXPECT_FALSE(TeckenGodtas(u'a', u'æ', false));
    EXPECT_FALSE(TeckenGodtas(u'æ', u'ä', false));
}

TEST(AccentTabell, ExactMatchingTakesOnlyTheLetterItself)
{
    for (auto [skrivet, vaentat] : {std::pair{u'e', u'é'}, {u'e', u'è'}, {u'u', u'ü'},
                                   {u'ä', u'æ'}, {u'Ä', u'Æ'}, {u'u', u'µ'}}) {
        EXPECT_FALSE(TeckenGodtas(skrivet, vaentat, true)) << QString(vaentat).toStdString();
        EXPECT_TRUE(TeckenGodtas(vaentat, vaentat, true));
    }
    EXPECT_TRUE(TeckenGodtas(u'å', u'å', true));
    EXPECT_FALSE(TeckenGodtas(u'Å', u'å', true));
}

TEST(SoekAlternativOrd, AnotherWordWithTheSameExplanation)
{
    const Uppgiftslista test = {rad("kall", "inte varm"), rad("kylig", "inte varm"),
                                rad("het", "varm")};
    const Uppgift kall = test[0];
    EXPECT_TRUE(SoekAlternativOrd(test, kall, u'y', 1));
    // kylig's first l is its third letter.
    EXPECT_FALSE(SoekAlternativOrd(test, kall, u'l', 1));
    EXPECT_TRUE(SoekAlternativOrd(test, kall, u'l', 2));
    // The word itself and words of another explanation do not count.
    EXPECT_FALSE(SoekAlternativOrd(test, kall, u'a', 1));
    EXPECT_FALSE(SoekAlternativOrd(test, kall, u'e', 1));
    // Beyond the other word's end.
    EXPECT_FALSE(SoekAlternativOrd(test, kall, u'g', 5));
}

TEST(Felord, LineOfTheRowAndNoDuplicates)
{
    EXPECT_EQ(FelordRad(rad("hund")), "hund");
    EXPECT_EQ(FelordRad(rad("hund", "dog")), "hund (dog)");
    EXPECT_EQ(FelordRad(rad("hund", "dog", "hunnd", "dogg")), "hund[hunnd] (dog)[dogg]");
    EXPECT_EQ(FelordRad(rad("dog", "hund", "", "hunnd")), "dog (hund)[hunnd]");
    // A line like "ord ()[x]" loads with a pronunciation but no explanation.
    EXPECT_EQ(FelordRad(rad("ord", "", "", "x")), "ord");

    QStringList lista;
    EXPECT_TRUE(LaeggTillFelord(lista, "hund (dog)"));
    EXPECT_TRUE(LaeggTillFelord(lista, "katt"));
    EXPECT_FALSE(LaeggTillFelord(lista, "hund (dog)"));
    EXPECT_EQ(lista, (QStringList{"hund (dog)", "katt"}));
}

TEST(Sammanfattning, AbortTexts)
{
    // Esc at the 3rd of 10 rows with row 1 typed wrong: Kvar 9, one done.
    const int kvar = KvarFigur(10, 3, 1);
    EXPECT_EQ(kvar, 9);
    EXPECT_EQ(AvklaradeOrd(10, kvar, false), 1);
    EXPECT_EQ(AvbrottsSammanfattning(1, 9, false), " Övningen har avbrutits. " + CRLF +
                                                       " Du har pluvot" + CRLF + "till 1 ord " +
                                                       CRLF + " och har 9 kvar. ");
    EXPECT_EQ(AvbrottsSammanfattning(1, 9, true), " Övningen har avbrutits. " + CRLF +
                                                      " Du har tränat" + CRLF + "på 1 ord " + CRLF +
                                                      " och har 9 kvar. ");

    // The same Esc once row 3 has been counted wrong.
    const int kvarEfterFel = KvarFigur(10, 3, 2);
    EXPECT_EQ(kvarEfterFel, 10);
    EXPECT_EQ(AvklaradeOrd(10, kvarEfterFel, true), 1);
}

TEST(Sammanfattning, EndTexts)
{
    EXPECT_EQ(SlutSammanfattning(4, false),
              " Du har pluvot " + CRLF + " till 4 ord " + CRLF + " och är klar. ");
    EXPECT_EQ(SlutSammanfattning(4, true),
              " Du har tränat " + CRLF + " på 4 ord " + CRLF + " och är klar. ");
}

TEST(Sammanfattning, AbortedLaesRunCountsFromTheRunItself)
{
    EXPECT_EQ(KvarILaesning(12, 1), 12);
    EXPECT_EQ(KvarILaesning(12, 5), 8);
    EXPECT_EQ(KvarILaesning(12, 12), 1);
}

TEST(Statusrad, CaptionsAndNumbersAsOneSentence)
{
    EXPECT_EQ(StatusradText({"Antal uppgifter: ", "12", "Kvar: ", "12", "Antal fel: ", "0"}),
              "Antal uppgifter:,12.Kvar:,12.Antal fel:,0.");
}

TEST(PratVaentan, WaitBeforeTheSecondText)
{
    const float vaentan = PratVaentan(0, 1.0f, 5);
    EXPECT_FLOAT_EQ(vaentan, 750.0f);
    EXPECT_DOUBLE_EQ(PratFoerdroejning(vaentan), 1.25);

    EXPECT_FLOAT_EQ(PratVaentan(0, 0.0f, 5), 0.0f);
    EXPECT_DOUBLE_EQ(PratFoerdroejning(PratVaentan(0, 0.0f, 5)), 0.5);

    EXPECT_FLOAT_EQ(PratVaentan(57, 2.0f, 4), 456.0f);
    EXPECT_FLOAT_EQ(PratVaentan(57, 1.5f, 0), 0.0f);
}
