// Runs driven through the training window with real key events: starting a
// run, the word on screen, passes, summaries, Backspace, Enter and Esc.
#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "support/TraeningsFixtur.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <type_traits>

using namespace TestSupport;

namespace {

class Koerning : public KoerningsFixtur {};

// Runs of an exercise fetched through the on-screen menus.
class KoerningAvFil : public OevningsmappFixtur {};

// The letters of the word on screen.
QString visatOrd(const FrmPluvo& f)
{
    QString text;
    for (int i = 0; i < f.OrdLaengd; ++i)
        text += f.labOrd[size_t(i)]->isHidden() ? QString() : f.labOrd[size_t(i)]->Caption();
    return text;
}

}  // namespace

TEST_F(Koerning, WordIsLaidOutOneLetterPerLabelCentred)
{
    starta({rad("hund", "ett djur"), rad("katt")}, PluvoVisar);
    ModPluvo& m = modPluvo();
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(f->labMeny->Caption(), "Pluvo");
    ASSERT_EQ(f->OrdLaengd, 4);
    ASSERT_EQ(f->labOrd.size(), 4u);
    EXPECT_EQ(synligtOrd(), "hund");
    EXPECT_EQ(f->FoerklaringLaengd, 8);
    EXPECT_EQ(foerklaring(), "ett djur");
    for (Etikett* e : f->labFoerklaring)
        EXPECT_FALSE(e->isHidden());
    for (size_t i = 1; i < f->labOrd.size(); ++i) {
        EXPECT_EQ(f->labOrd[i]->x(), f->labOrd[i - 1]->x() + f->labOrd[i - 1]->width());
        EXPECT_EQ(f->labOrd[i]->y(), f->labOrd[0]->y());
    }
    const int vaenster = f->labOrd[0]->x();
    const int hoeger = Twips::tillPixlar(Skaerm::Width()) - (f->labOrd[3]->x() + f->labOrd[3]->width());
    EXPECT_LE(std::abs(vaenster - hoeger), 1);
    EXPECT_EQ(f->labOrd[0]->FontSize(), m.OrdStorlek);

    // The fact line of a Pluvo run.
    EXPECT_EQ(f->labFakta[1]->Caption(), "2");
    EXPECT_EQ(f->labFakta[3]->Caption(), "2");
    EXPECT_EQ(f->labFakta[5]->Caption(), "0");
    for (Etikett* e : f->labFakta)
        EXPECT_FALSE(e->isHidden());

    // The next row unloads the old labels; a row without explanation shows none.
    tryck(Qt::Key_Return);
    skriv("hund");
    tryck(Qt::Key_Return);
    EXPECT_EQ(synligtOrd(), "katt");
    EXPECT_EQ(f->labOrd.size(), 4u);
    EXPECT_EQ(f->labFoerklaring.size(), 1u);
    EXPECT_TRUE(f->labFoerklaring[0]->isHidden());
}

TEST_F(Koerning, LongWordShrinksToNineTenthsOfTheScreen)
{
    starta({rad(QString(60, QChar('m')))}, PluvoVisar);
    const double storlek = modPluvo().OrdStorlek;
    EXPECT_LT(f->labOrd[0]->FontSize(), storlek);
    EXPECT_EQ(f->labStreck->FontSize(), f->labOrd[0]->FontSize());
    const Etikett* sista = f->labOrd.back();
    EXPECT_LE(Twips::Left(sista) + Twips::Width(sista), Skaerm::Width());
}

TEST_F(Koerning, LetterFontChosenInTheSettingsIsKept)
{
    QFont font = f->labOrd[0]->font();
    font.setFamily("DejaVu Serif");
    f->labOrd[0]->setFont(font);
    starta({rad("hund", "djur")}, PluvoVisar);
    EXPECT_EQ(f->labOrd[0]->font().family(), "DejaVu Serif");
    EXPECT_EQ(f->labOrd[3]->font().family(), "DejaVu Serif");
    EXPECT_EQ(f->labTest->font().family(), "DejaVu Serif");
}

TEST_F(Koerning, PluvoRunWithoutErrorsEndsWithSummary)
{
    starta({rad("hund", "djur"), rad("sol")}, PluvoVisar);
    tryck(Qt::Key_Return);
    EXPECT_EQ(modPluvo().Tillstaand, PluvoSkriver);
    EXPECT_EQ(synligtOrd(), "____");
    EXPECT_FALSE(f->labStreck->isHidden());
    skriv("hu");
    EXPECT_EQ(synligtOrd(), "hu__");
    EXPECT_EQ(f->labStreck->x(), f->labOrd[2]->x() + Twips::tillPixlar(24));
    skriv("nd");
    EXPECT_TRUE(f->OrdKlart);
    EXPECT_TRUE(f->labStreck->isHidden());
    tryck(Qt::Key_Return);
    EXPECT_EQ(modPluvo().Tillstaand, PluvoVisar);
    EXPECT_EQ(f->labFakta[3]->Caption(), "1");
    tryck(Qt::Key_Return);
    skriv("sol");
    EXPECT_TRUE(meddelanden.texter.isEmpty());
    tryck(Qt::Key_Return);

    EXPECT_EQ(meddelanden.texter, QStringList{" Du har pluvot " + CRLF + " till 2 ord " + CRLF + " och är klar. "});
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 2 - " + Tid + CRLF + "Övningen genomförd - " + Tid + CRLF + CRLF);
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(f->labFakta[3]->Caption(), "0");
}

TEST_F(Koerning, WrongWordsComeBackInTheOrderOfTheirFirstError)
{
    starta({rad("ett"), rad("två", "2"), rad("tre"), rad("fyra")}, PluvoVisar);
    ModPluvo& m = modPluvo();

    tryck(Qt::Key_Return);
    skriv("ett");
    tryck(Qt::Key_Return);

    // Row 2: two wrong keys at the second letter, one at the third.
    tryck(Qt::Key_Return);
    skriv("tx");
    EXPECT_FALSE(f->picFel->isHidden());
    EXPECT_EQ(f->picFel->x(), f->labOrd[1]->x());
    // A fifth of its height above the letters (to the nearest pixel).
    EXPECT_NEAR(Twips::Top(f->picFel), Twips::Top(f->labOrd[0]) - Twips::Height(f->picFel) / 5, Twips::PerPixel);
    EXPECT_EQ(f->AntalFel, 1);
    EXPECT_EQ(f->FelIOmgaang, 1);
    EXPECT_EQ(f->labFakta[3]->Caption(), "4");  // 4 - 2 + 1 + 1
    EXPECT_EQ(f->labFakta[5]->Caption(), "1");
    skriv("y");
    EXPECT_EQ(f->AntalFel, 2);
    EXPECT_EQ(f->FelIOmgaang, 1);
    skriv("v");
    EXPECT_TRUE(f->picFel->isHidden());
    skriv("q");
    EXPECT_EQ(f->picFel->x(), f->labOrd[2]->x());
    skriv("å");
    EXPECT_EQ(f->AntalFel, 3);
    EXPECT_EQ(f->labFakta[3]->Caption(), "4");
    EXPECT_EQ(f->lstFel, QStringList{"två (2)"});
    EXPECT_TRUE(f->menSenaste->isEnabled());
    tryck(Qt::Key_Return);

    tryck(Qt::Key_Return);
    skriv("tre");
    tryck(Qt::Key_Return);

    tryck(Qt::Key_Return);
    skriv("fyrz");
    skriv("a");
    tryck(Qt::Key_Return);

    // The second pass: rows 2 and 4 in the order of their first error.
    EXPECT_EQ(f->OmgaangStorlek, 2);
    ASSERT_EQ(m.Ordlista.size(), 2u);
    EXPECT_EQ(m.Ordlista[0].Ord, "två");
    EXPECT_EQ(m.Ordlista[1].Ord, "fyra");
    EXPECT_EQ(synligtOrd(), "två");
    EXPECT_EQ(f->labFakta[1]->Caption(), "4");
    EXPECT_EQ(f->labFakta[3]->Caption(), "2");

    // "fyra" is typed wrong again and forms a third pass alone.
    tryck(Qt::Key_Return);
    skriv("två");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("x");
    skriv("fyra");
    tryck(Qt::Key_Return);
    EXPECT_TRUE(meddelanden.texter.isEmpty());
    EXPECT_EQ(f->OmgaangStorlek, 1);
    EXPECT_EQ(synligtOrd(), "fyra");
    tryck(Qt::Key_Return);
    skriv("fyra");
    tryck(Qt::Key_Return);

    EXPECT_EQ(meddelanden.texter, QStringList{" Du har pluvot " + CRLF + " till 4 ord " + CRLF + " och är klar. "});
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 4 - " + Tid + CRLF +
                          "två (2) - tx\\y" + CRLF +
                          "två (2) - tvq" + CRLF +
                          "fyra - fyrz" + CRLF +
                          "fyra - x" + CRLF +
                          "Övningen genomförd - " + Tid + CRLF + CRLF);
    EXPECT_EQ(f->AntalFel, 5);
    EXPECT_EQ(f->lstFel, (QStringList{"två (2)", "fyra"}));
}

TEST_F(Koerning, OmvaendRunsOnlyRowsWithExplanationSwapped)
{
    Uppgiftslista rader;
    for (int i = 0; i < 10; ++i)
        rader.push_back(rad("ord" + QString::number(i)));
    rader[2] = rad("hund", "dog");
    rader[5] = rad("katt", "cat");
    rader[8] = rad("häst", "horse");
    starta(rader, PluvoVisar, true);

    EXPECT_EQ(meddelanden.texter, QStringList{" 7 ord saknar " + CRLF + " förklaring och tas bort. "});
    EXPECT_EQ(f->OmgaangStorlek, 3);
    EXPECT_EQ(synligtOrd(), "dog");
    EXPECT_EQ(foerklaring(), "hund");
    EXPECT_EQ(f->labFakta[1]->Caption(), "3");
    EXPECT_EQ(logg(), "Pluvo - omvänd övning - Antal ord: 3 - " + Tid + CRLF);

    // A wrong key keeps the swapped row for the list of recent errors.
    tryck(Qt::Key_Return);
    skriv("x");
    EXPECT_EQ(f->lstFel, QStringList{"dog (hund)"});
}

TEST_F(Koerning, NoRowWithExplanationEndsTheRunAtOnce)
{
    starta({rad("hund"), rad("katt")}, TestVisar);
    EXPECT_EQ(meddelanden.texter, QStringList{" Förklaringar saknas. "});
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(logg(), "");
}

TEST_F(Koerning, RowsWithoutWordAreLeftOut)
{
    // A row with an empty word among others is simply not run, and is not
    // counted as lacking an explanation.
    starta({rad("", "bara förklaring"), rad("hund", "djur"), rad("")}, TestVisar);
    EXPECT_TRUE(meddelanden.texter.isEmpty());
    EXPECT_EQ(f->OmgaangStorlek, 1);
    EXPECT_EQ(modPluvo().Tillstaand, TestSkriver);
    EXPECT_EQ(foerklaring(), "djur");
    EXPECT_EQ(logg(), "Test - Antal ord: 1 - " + Tid + CRLF);
}

TEST_F(Koerning, ExerciseWithoutAnyWordShowsItsMessage)
{
    starta({rad(""), rad("", "förklaring")}, PluvoVisar);
    EXPECT_EQ(meddelanden.texter, QStringList{"Övningen innehåller inga godkända ord"});
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(logg(), "");
    EXPECT_EQ(f->OrdLaengd, 0);

    // A Test run whose only rows with an explanation have no word.
    meddelanden.texter.clear();
    starta({rad("", "förklaring")}, TestVisar);
    EXPECT_EQ(meddelanden.texter, QStringList{"Övningen innehåller inga godkända ord"});

    // Rows lacking an explanation besides it: that is what the pupil is told.
    meddelanden.texter.clear();
    starta({rad("", "förklaring"), rad("hund")}, TestVisar);
    EXPECT_EQ(meddelanden.texter, QStringList{" Förklaringar saknas. "});
    EXPECT_EQ(logg(), "");
}

TEST_F(Koerning, RowsTooLongForTheLettersAreLeftOut)
{
    // 101 characters fill the labels; one more, in the word or in the
    // explanation, does not fit.
    const QString fullt(101, u'a');
    starta({rad(fullt + "a"), rad("hund", fullt + "f"), rad(fullt, fullt)}, PluvoVisar);
    EXPECT_TRUE(meddelanden.texter.isEmpty());
    EXPECT_EQ(synligtOrd(), fullt);
    EXPECT_EQ(foerklaring(), fullt);
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 1 - " + Tid + CRLF);

    meddelanden.texter.clear();
    starta({rad(fullt + "a"), rad("hund", fullt + "f")}, Laeser);
    EXPECT_EQ(meddelanden.texter, QStringList{"Övningen innehåller inga godkända ord"});
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(logg(), "");
}

TEST_F(KoerningAvFil, AHugeWordIsLeftOutAndTheOtherRunsAtOnce)
{
    skrivOevning("lang.rtt", QByteArray(100000, 'a') + "\r\nhund\r\n");
    auto f = starta();
    tryckTecken(*f, u'h');
    tryckTecken(*f, u'r');
    tryckTangent(*f, Qt::Key_Return);
    ASSERT_EQ(f->labAktuell->Caption(), "Aktuell övning: Rättstavning - lang");
    ASSERT_EQ(modPluvo().AntalOrd, 2);

    for (QChar laege : {u'l', u'p'}) {
        const qsizetype foere = f->txtLoggbok.text().size();
        QElapsedTimer tid;
        tid.start();
        tryckTecken(*f, laege);
        EXPECT_LT(tid.elapsed(), 5000) << "only a freeze takes this long";
        ASSERT_EQ(f->OrdLaengd, 4);
        EXPECT_EQ(visatOrd(*f), "hund");
        EXPECT_TRUE(f->txtLoggbok.text().mid(foere).contains(" - Antal ord: 1 - "));
        tryckTangent(*f, Qt::Key_Escape);
        EXPECT_EQ(tillstaand(), Huvudmeny);
    }
}

TEST_F(Koerning, ShuffledRunIsLoggedAsSuch)
{
    modPluvo().OevningsOrdlista = {rad("a"), rad("b"), rad("c")};
    modPluvo().AntalOrd = 3;
    modPluvo().OevningsTyp = 1;
    modPluvo().BlandaKoersel = true;
    foere = f->txtLoggbok.text().size();
    f->SaettLaege(PluvoVisar);
    EXPECT_EQ(logg(), "Pluvo - slumpmässig ordning - Antal ord: 3 - " + Tid + CRLF);
    QStringList ord;
    for (const Uppgift& u : modPluvo().Ordlista)
        ord << u.Ord;
    ord.sort();
    EXPECT_EQ(ord, (QStringList{"a", "b", "c"}));
}

TEST_F(Koerning, FraagaBlandaAsksWithTheSettingAsDefault)
{
    TestSupport::MsgBoxInspelare svar(MsgSvar::Ja);
    modPluvo().SlumpOrdning = true;
    f->FraagaBlanda();
    ASSERT_EQ(svar.anrop.size(), 1u);
    EXPECT_EQ(svar.anrop[0].text, "Skall uppgifterna blandas?");
    EXPECT_EQ(svar.anrop[0].rubrik, "Pluvo");
    EXPECT_EQ(svar.anrop[0].knappar, MsgKnappar::JaNej);
    EXPECT_EQ(svar.anrop[0].ikon, MsgIkon::Fraaga);
    EXPECT_EQ(svar.anrop[0].standard, MsgSvar::Ja);
    EXPECT_TRUE(modPluvo().BlandaKoersel);

    svar.svar = MsgSvar::Nej;
    modPluvo().SlumpOrdning = false;
    f->FraagaBlanda();
    EXPECT_EQ(svar.anrop[1].standard, MsgSvar::Nej);
    EXPECT_FALSE(modPluvo().BlandaKoersel);
}

TEST_F(Koerning, ReversibleTypesFollowTheirSettings)
{
    ModPluvo& m = modPluvo();
    m.VaendRtt = true;
    m.VaendOrd = false;
    m.VaendGlo = true;
    m.VaendTst = false;
    const bool vaentat[] = {false, true, false, true, false, true};
    for (int typ = 0; typ <= 5; ++typ) {
        m.OevningsTyp = typ;
        EXPECT_EQ(f->OevningsTypVaendbar(), vaentat[typ]) << typ;
    }
}

TEST_F(Koerning, LaesRunStepsToItsEndWithoutSummary)
{
    starta({rad("ett", "1"), rad("två"), rad("tre", "3")}, Laeser);
    EXPECT_EQ(f->labMeny->Caption(), "Läs");
    EXPECT_EQ(synligtOrd(), "ett");
    EXPECT_EQ(foerklaring(), "1");
    EXPECT_TRUE(f->labFakta[0]->isHidden());
    tryck(Qt::Key_Return);
    EXPECT_EQ(synligtOrd(), "två");
    EXPECT_TRUE(f->labFoerklaring[0]->isHidden());
    tryck(Qt::Key_Space);
    EXPECT_EQ(synligtOrd(), "tre");
    EXPECT_EQ(modPluvo().Tillstaand, Laeser);
    tryck(Qt::Key_Return);
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_TRUE(meddelanden.texter.isEmpty());
    EXPECT_EQ(logg(), "Läs - Antal ord: 3 - " + Tid + CRLF + "Övningen genomförd - " + Tid + CRLF + CRLF);
}

TEST_F(Koerning, BackspaceShowsTheWordWhenThePluvoSettingAllows)
{
    ModPluvo& m = modPluvo();
    m.VisaMedRaderaPluvo = false;
    starta({rad("hund", "djur")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("h");
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
    EXPECT_EQ(synligtOrd(), "h___");

    m.VisaMedRaderaPluvo = true;
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(synligtOrd(), "hund");
    EXPECT_TRUE(m.OrdetVisat);
    EXPECT_TRUE(f->labStreck->isHidden());
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 1 - " + Tid + CRLF + "Ordet visades - hund(djur)" + CRLF);

    // Enter hides it again (passing over is off by default): the pupil types.
    tryck(Qt::Key_Return);
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
    EXPECT_EQ(synligtOrd(), "____");
    skriv("hund");
    EXPECT_TRUE(f->OrdKlart);
    // A finished word is not shown again.
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(m.Tillstaand, PluvoSkriver);
}

TEST_F(Koerning, BackspaceAfterAWrongKeyStartsWithAnEmptyLine)
{
    modPluvo().VisaMedRaderaPluvo = true;
    starta({rad("sol")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("xs");
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 1 - " + Tid + CRLF + "sol - x" + CRLF + CRLF + "Ordet visades - sol" + CRLF);
}

TEST_F(Koerning, BackspaceInATestRunFollowsTheTestSetting)
{
    ModPluvo& m = modPluvo();
    m.VisaMedRaderaTest = false;
    m.VisaMedRaderaPluvo = true;
    starta({rad("kall", "inte varm")}, TestVisar);
    EXPECT_EQ(m.Tillstaand, TestSkriver);
    EXPECT_EQ(synligtOrd(), "____");
    EXPECT_EQ(foerklaring(), "inte varm");
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(m.Tillstaand, TestSkriver);
    EXPECT_EQ(synligtOrd(), "____");

    m.VisaMedRaderaTest = true;
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(m.Tillstaand, TestVisar);
    EXPECT_EQ(synligtOrd(), "kall");
}

TEST_F(Koerning, EnterPassesAShownWordOverWhenThePluvoSettingIsOn)
{
    ModPluvo& m = modPluvo();
    m.VisaMedRaderaPluvo = true;
    m.BytMedEnterPluvo = true;
    starta({rad("hund"), rad("sol")}, PluvoVisar);
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Backspace);
    tryck(Qt::Key_Return);
    EXPECT_EQ(m.AktuelltOrd, 2);
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(synligtOrd(), "sol");
    tryck(Qt::Key_Return);
    skriv("sol");
    tryck(Qt::Key_Return);
    EXPECT_EQ(meddelanden.texter, QStringList{" Du har tränat " + CRLF + " på 2 ord " + CRLF + " och är klar. "});
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 2 - " + Tid + CRLF + "Ordet visades - hund" + CRLF +
                          "Vidare till nästa utan att skriva ordet" + CRLF + "Övningen genomförd - " + Tid +
                          CRLF + CRLF);
}

TEST_F(Koerning, EnterPassesOverInATestRunByDefault)
{
    ModPluvo& m = modPluvo();
    m.VisaMedRaderaTest = true;
    ASSERT_TRUE(m.BytMedEnterTest);
    starta({rad("kall", "inte varm"), rad("het", "mycket varm")}, TestVisar);
    skriv("x");
    tryck(Qt::Key_Backspace);
    tryck(Qt::Key_Return);
    EXPECT_EQ(m.Tillstaand, TestSkriver);
    EXPECT_EQ(m.AktuelltOrd, 2);
    EXPECT_EQ(foerklaring(), "mycket varm");
    EXPECT_TRUE(logg().endsWith("Ordet visades - kall(inte varm)" + CRLF + "Vidare till nästa utan att skriva ordet" + CRLF));
    skriv("het");
    tryck(Qt::Key_Return);
    // The row passed over had a counted error: it comes back.
    EXPECT_EQ(f->OmgaangStorlek, 1);
    EXPECT_EQ(foerklaring(), "inte varm");
    EXPECT_TRUE(meddelanden.texter.isEmpty());
}

TEST_F(Koerning, EscAtTheFirstWordOfTheSecondPass)
{
    starta({rad("ett"), rad("två"), rad("tre")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("x");
    skriv("ett");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("två");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("tre");
    tryck(Qt::Key_Return);
    ASSERT_EQ(f->OmgaangStorlek, 1);
    ASSERT_EQ(modPluvo().AktuelltOrd, 1);
    EXPECT_EQ(f->labFakta[3]->Caption(), "1");

    tryck(Qt::Key_Escape);
    EXPECT_EQ(meddelanden.texter,
              QStringList{" Övningen har avbrutits. " + CRLF + " Du har pluvot" + CRLF + "till 2 ord " + CRLF +
                          " och har 1 kvar. "});
    EXPECT_TRUE(logg().endsWith("ett - x" + CRLF + "Övningen avbruten - 1 ord kvar - " + Tid + CRLF + CRLF));
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(f->labOrd.size(), 1u);
    EXPECT_TRUE(f->labOrd[0]->isHidden());
}

TEST_F(Koerning, EscAtTheThirdRowCountsTheRowsDoneAndLeft)
{
    Uppgiftslista rader;
    for (int i = 0; i < 10; ++i)
        rader.push_back(rad("o" + QString(QChar('a' + i))));

    // Row 1 typed wrong, row 2 right, row 3 not yet wrong: Kvar 10 - 3 + 1 + 1.
    starta(rader, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("xoa");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("ob");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Escape);
    EXPECT_EQ(meddelanden.texter,
              QStringList{" Övningen har avbrutits. " + CRLF + " Du har pluvot" + CRLF + "till 1 ord " + CRLF +
                          " och har 9 kvar. "});
    EXPECT_TRUE(logg().endsWith("Övningen avbruten - 9 ord kvar - " + Tid + CRLF + CRLF));
    meddelanden.texter.clear();

    // The same after row 3 has been counted wrong: Kvar 10, and row 3 is done.
    starta(rader, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("xoa");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("ob");
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    skriv("x");
    tryck(Qt::Key_Escape);
    EXPECT_EQ(meddelanden.texter,
              QStringList{" Övningen har avbrutits. " + CRLF + " Du har pluvot" + CRLF + "till 1 ord " + CRLF +
                          " och har 10 kvar. "});
    EXPECT_TRUE(logg().endsWith("oc - x" + CRLF + "Övningen avbruten - 10 ord kvar - " + Tid + CRLF + CRLF));
}

TEST_F(Koerning, EscOnTheLastRowOfAPassIsStillAnAbort)
{
    starta({rad("ab")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("ab");
    ASSERT_TRUE(f->OrdKlart);
    tryck(Qt::Key_Escape);
    EXPECT_EQ(meddelanden.texter,
              QStringList{" Övningen har avbrutits. " + CRLF + " Du har pluvot" + CRLF + "till 0 ord " + CRLF +
                          " och har 1 kvar. "});
    EXPECT_TRUE(logg().endsWith("Övningen avbruten - 1 ord kvar - " + Tid + CRLF + CRLF));
}

TEST_F(Koerning, EscWithAnOpenWrongKeyLineClosesItFirst)
{
    starta({rad("sol", "het"), rad("måne")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("sx");
    EXPECT_FALSE(f->picFel->isHidden());
    tryck(Qt::Key_Escape);
    // Row 1 counted wrong: N = 2 - 3 + 1, K = 2 - 1 + 1 + 1.
    EXPECT_EQ(meddelanden.texter,
              QStringList{" Övningen har avbrutits. " + CRLF + " Du har pluvot" + CRLF + "till 0 ord " + CRLF +
                          " och har 3 kvar. "});
    EXPECT_EQ(logg(), "Pluvo - Antal ord: 2 - " + Tid + CRLF + "sol (het) - sx" + CRLF +
                          "Övningen avbruten - 3 ord kvar - " + Tid + CRLF + CRLF);
    EXPECT_TRUE(f->picFel->isHidden());
    EXPECT_TRUE(f->labStreck->isHidden());
}

TEST_F(Koerning, EscInALaesRunCountsItsOwnRowsLeft)
{
    // An aborted Pluvo run leaves its figure in the fact line.
    starta({rad("a"), rad("b"), rad("c"), rad("d"), rad("e"), rad("f"), rad("g")}, PluvoVisar);
    tryck(Qt::Key_Escape);
    ASSERT_EQ(f->labFakta[3]->Caption(), "7");
    meddelanden.texter.clear();

    starta({rad("ett"), rad("två"), rad("tre"), rad("fyra"), rad("fem")}, Laeser);
    tryck(Qt::Key_Return);
    tryck(Qt::Key_Return);
    ASSERT_EQ(modPluvo().AktuelltOrd, 3);
    tryck(Qt::Key_Escape);
    EXPECT_TRUE(meddelanden.texter.isEmpty());
    EXPECT_EQ(logg(), "Läs - Antal ord: 5 - " + Tid + CRLF + "Övningen avbruten - 3 ord kvar - " + Tid + CRLF + CRLF);
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
}

TEST_F(Koerning, QueuedSpeechAndSoundStopBeforeTheSummary)
{
    starta({rad("sol", "het")}, PluvoVisar);
    tryck(Qt::Key_Return);
    skriv("sol");
    // The word was read again with its explanation still queued.
    f->KoadText = "het";
    f->timPrata.setInterval(100);
    f->timKontroll.setInterval(100);
    QString koadUnderMeddelande = "?";
    int prataUnderMeddelande = -1;
    int kontrollUnderMeddelande = -1;
    meddelanden.medanOeppet = [&] {
        koadUnderMeddelande = f->KoadText;
        prataUnderMeddelande = f->timPrata.Interval();
        kontrollUnderMeddelande = f->timKontroll.Interval();
        return true;
    };
    tryck(Qt::Key_Return);
    ASSERT_EQ(meddelanden.texter.size(), 1);
    EXPECT_EQ(koadUnderMeddelande, "");
    EXPECT_EQ(prataUnderMeddelande, 0);
    EXPECT_EQ(kontrollUnderMeddelande, 0);
}

TEST_F(Koerning, QueuedSpeechStopsBeforeTheAbortSummary)
{
    starta({rad("sol", "het")}, PluvoVisar);
    f->KoadText = "het";
    f->timPrata.setInterval(100);
    QString koadUnderMeddelande = "?";
    meddelanden.medanOeppet = [&] {
        koadUnderMeddelande = f->KoadText;
        return true;
    };
    tryck(Qt::Key_Escape);
    ASSERT_EQ(meddelanden.texter.size(), 1);
    EXPECT_EQ(koadUnderMeddelande, "");
    EXPECT_EQ(f->timPrata.Interval(), 0);
}

TEST_F(Koerning, AutomaticHidingWaitsFromTheShownWord)
{
    ModPluvo& m = modPluvo();
    m.AutoDoeljPluvo = true;
    m.VisaMedRaderaPluvo = true;
    starta({rad("hund")}, PluvoVisar);
    EXPECT_EQ(f->timAutostart.Interval(), 100);
    tryck(Qt::Key_Return);
    EXPECT_EQ(f->timAutostart.Interval(), 0);
    tryck(Qt::Key_Backspace);
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(f->timAutostart.Interval(), 100);
}

TEST_F(Koerning, ClickOnTheWordStepsTheRun)
{
    starta({rad("hund", "djur")}, PluvoVisar);
    QTest::mouseClick(f->labOrd[2], Qt::LeftButton);
    EXPECT_EQ(modPluvo().Tillstaand, PluvoSkriver);
    skriv("hund");
    QTest::mouseClick(f->labFoerklaring[3], Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    EXPECT_EQ(meddelanden.texter.size(), 1);
}

TEST_F(Koerning, PointerOverTheWordShowsWhenAClickSteps)
{
    modPluvo().AnnanMuspekare = true;
    f->labMenyVal[0]->setCursor(Qt::PointingHandCursor);
    starta({rad("hund", "djur")}, PluvoVisar);
    f->labOrd_MouseMove(1);
    EXPECT_EQ(f->labOrd[1]->cursor().shape(), Qt::PointingHandCursor);
    tryck(Qt::Key_Return);
    f->labOrd_MouseMove(1);
    EXPECT_EQ(f->labOrd[1]->cursor().shape(), Qt::ArrowCursor);
    f->labFoerklaring_MouseMove(0);
    EXPECT_EQ(f->labFoerklaring[0]->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Koerning, CountersAreWholeNumbersBeyondSixteenBits)
{
    static_assert(std::is_same_v<decltype(FrmPluvo::AntalFel), int>);
    static_assert(std::is_same_v<decltype(FrmPluvo::OmgaangStorlek), int>);
    static_assert(std::is_same_v<decltype(FrmPluvo::FelIOmgaang), int>);
    static_assert(std::is_same_v<decltype(FrmPluvo::OrdLaengd), int>);
    starta({rad("sol")}, PluvoVisar);
    tryck(Qt::Key_Return);
    for (int i = 0; i < 32770; ++i)
        f->KontrolleraTangent('x');
    EXPECT_EQ(f->AntalFel, 32770);
    EXPECT_EQ(f->labFakta[5]->Caption(), "32770");
}
