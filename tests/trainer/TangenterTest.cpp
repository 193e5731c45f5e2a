// The keyboard funnel: menus, the repetition guard, Esc, the arrows on the
// letter board, PageUp and F9.
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "support/TraeningsFixtur.h"
#include "trainer/TangentFaangare.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Tangenter : public KoerningsFixtur {};

void skickaUpprepning(FrmPluvo& f, Qt::Key tangent, const QString& text)
{
    // A held key arrives as release and press pairs marked as repeats.
    QKeyEvent slaepp(QEvent::KeyRelease, tangent, Qt::NoModifier, text, true);
    QApplication::sendEvent(f.picTaTangent, &slaepp);
    QKeyEvent tryck(QEvent::KeyPress, tangent, Qt::NoModifier, text, true);
    QApplication::sendEvent(f.picTaTangent, &tryck);
}

void haallNere(FrmPluvo& f, Qt::Key tangent, const QString& text, int upprepningar)
{
    QKeyEvent tryck(QEvent::KeyPress, tangent, Qt::NoModifier, text, false);
    QApplication::sendEvent(f.picTaTangent, &tryck);
    for (int i = 0; i < upprepningar; ++i)
        skickaUpprepning(f, tangent, text);
    QKeyEvent slaepp(QEvent::KeyRelease, tangent, Qt::NoModifier, text, false);
    QApplication::sendEvent(f.picTaTangent, &slaepp);
}

// A key held `upprepningar` times as X gives it to a busy program: each
// repeat a plain release and press stamped with one and the same time.
void haallNereSomX(FrmPluvo& f, Qt::Key tangent, const QString& text, int upprepningar)
{
    static quint64 tid = 1000;
    const auto skicka = [&](QEvent::Type typ) {
        QKeyEvent e(typ, tangent, Qt::NoModifier, text);
        e.setTimestamp(tid);
        QApplication::sendEvent(f.picTaTangent, &e);
    };
    tid += 1000;
    skicka(QEvent::KeyPress);
    for (int i = 0; i < upprepningar; ++i) {
        tid += 40;
        skicka(QEvent::KeyRelease);
        skicka(QEvent::KeyPress);
    }
    tid += 40;
    skicka(QEvent::KeyRelease);
}

}  // namespace

TEST_F(Tangenter, HeldKeyTypesOnceWithTheRepetitionGuard)
{
    modPluvo().SpaerraRepetition = true;
    starta({rad("aaaa")}, PluvoVisar);
    tryck(Qt::Key_Return);
    haallNere(*f, Qt::Key_A, "a", 2);
    EXPECT_EQ(synligtOrd(), "a___");
    EXPECT_FALSE(f->TangentNere);
    haallNere(*f, Qt::Key_A, "a", 0);
    EXPECT_EQ(synligtOrd(), "aa__");
    haallNereSomX(*f, Qt::Key_A, "a", 3);
    EXPECT_EQ(synligtOrd(), "aaa_");

    // While a key is held, the one-key scan's Space is dropped too.
    QKeyEvent tryckB(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x", false);
    QApplication::sendEvent(f->picTaTangent, &tryckB);
    EXPECT_TRUE(f->TangentNere);
    EXPECT_EQ(f->AntalFel, 1);
    f->Form_KeyPress(32);
    EXPECT_EQ(f->AntalFel, 1);
}

TEST_F(Tangenter, HeldKeyRepeatsWithoutTheGuard)
{
    modPluvo().SpaerraRepetition = false;
    starta({rad("aaaa")}, PluvoVisar);
    tryck(Qt::Key_Return);
    haallNere(*f, Qt::Key_A, "a", 2);
    EXPECT_EQ(synligtOrd(), "aaa_");
}

TEST_F(Tangenter, SpaceAndArrowsMoveTheMenuHighlight)
{
    ModPluvo& m = modPluvo();
    ASSERT_EQ(m.Tillstaand, Huvudmeny);
    QList<int> steg;
    for (int i = 0; i < 5; ++i) {
        tryck(Qt::Key_Space);
        steg << f->MenyMarkoer;
    }
    EXPECT_EQ(steg, (QList<int>{1, 2, 3, 4, 0}));

    for (int i = 0; i < 6; ++i)
        tryck(Qt::Key_Down);
    EXPECT_EQ(f->MenyMarkoer, 4);
    for (int i = 0; i < 6; ++i)
        tryck(Qt::Key_Up);
    EXPECT_EQ(f->MenyMarkoer, 0);

    m.Tillstaand = ValPluvo;
    steg.clear();
    for (int i = 0; i < 3; ++i) {
        tryck(Qt::Key_Space);
        steg << f->MenyMarkoer;
    }
    EXPECT_EQ(steg, (QList<int>{1, 2, 0}));
    for (int i = 0; i < 4; ++i)
        tryck(Qt::Key_Down);
    EXPECT_EQ(f->MenyMarkoer, 2);
}

TEST_F(Tangenter, EscLeavesSubmenusAndDoesNothingInTheMainMenu)
{
    ModPluvo& m = modPluvo();
    const QString loggFoere = f->txtLoggbok.text();
    tryck(Qt::Key_Escape);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_FALSE(f->Avbruten);
    EXPECT_EQ(f->txtLoggbok.text(), loggFoere);

    m.Tillstaand = ValTest;
    tryck(Qt::Key_Escape);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);

    m.Tillstaand = ListaGlo;
    f->labFilnamn->show();
    f->picUpp->show();
    f->picNer->show();
    tryck(Qt::Key_Escape);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_TRUE(f->labFilnamn->isHidden());
    EXPECT_TRUE(f->picUpp->isHidden());
    EXPECT_TRUE(f->picNer->isHidden());
    EXPECT_TRUE(meddelanden.texter.isEmpty());
}

TEST_F(Tangenter, EscInARunSetsAvbrutenForTheSummary)
{
    starta({rad("sol"), rad("is")}, PluvoVisar);
    bool avbrutenUnderMeddelande = false;
    meddelanden.medanOeppet = [&] {
        avbrutenUnderMeddelande = modPluvo().Tillstaand != Huvudmeny;
        return true;
    };
    tryck(Qt::Key_Escape);
    EXPECT_TRUE(avbrutenUnderMeddelande);
    ASSERT_EQ(meddelanden.texter.size(), 1);
    EXPECT_TRUE(meddelanden.texter[0].startsWith(" Övningen har avbrutits. "));
    EXPECT_EQ(modPluvo().Tillstaand, Huvudmeny);
    // Esc does not count as a held key.
    EXPECT_FALSE(f->TangentNere);
}

TEST_F(Tangenter, F9ShowsAndHidesTheLockEntry)
{
    ASSERT_FALSE(f->menLaas->isVisible());
    tryck(Qt::Key_F9);
    EXPECT_TRUE(f->menLaas->isVisible());
    tryck(Qt::Key_F9);
    EXPECT_FALSE(f->menLaas->isVisible());
}

TEST_F(Tangenter, ArrowsStepTheBoardOnlyWhenItIsStepped)
{
    ModPluvo& m = modPluvo();
    m.TavlaPaa = true;
    m.MusStyrning = false;
    starta({rad("sol")}, PluvoVisar);
    tryck(Qt::Key_Return);
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);
    for (Etikett* cell : f->labSiffertavla)
        cell->show();
    f->picBakaat->show();

    m.TavlaVal = -2;
    tryck(Qt::Key_Right);
    EXPECT_EQ(m.TavlaVal, 0);
    tryck(Qt::Key_Down);
    EXPECT_EQ(m.TavlaVal, 15);
    tryck(Qt::Key_Left);
    EXPECT_EQ(m.TavlaVal, -1);
    tryck(Qt::Key_Up);
    EXPECT_EQ(m.TavlaVal, -2);
    EXPECT_FALSE(f->TangentNere);

    // Under board stepping Space steps the board instead of typing a blank.
    const int fel = f->AntalFel;
    tryck(Qt::Key_Space);
    EXPECT_EQ(f->AntalFel, fel);

    // With the mouse method the arrows do nothing and Space types.
    m.MusStyrning = true;
    m.TavlaVal = -2;
    tryck(Qt::Key_Right);
    EXPECT_EQ(m.TavlaVal, -2);
    tryck(Qt::Key_Space);
    EXPECT_EQ(f->AntalFel, fel + 1);
}

TEST_F(Tangenter, EnterSetsTheFlagThatNaestaStegReads)
{
    starta({rad("sol")}, PluvoVisar);
    tryck(Qt::Key_Return);
    EXPECT_TRUE(modPluvo().EnterTryckt);
    skriv("s");
    EXPECT_FALSE(modPluvo().EnterTryckt);
}

TEST_F(Tangenter, PageUpReadsTheStatusLineOnlyWithTheFactLine)
{
    ModPluvo& m = modPluvo();
    m.TalFinns = true;
    m.LaesOevning = true;
    QStringList talat;
    QObject::connect(&f->tspPluvo, &TextSpeaker::talade, [&](const QString& t) { talat << t; });
    tryck(Qt::Key_PageUp);
    EXPECT_TRUE(talat.isEmpty());
    starta({rad("sol")}, PluvoVisar);
    f->tspPluvo.Tysta();
    talat.clear();
    tryck(Qt::Key_PageUp);
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
    EXPECT_EQ(talat, QStringList{"Antal uppgifter:,1.Kvar:,1.Antal fel:,0."});
    f->tspPluvo.Tysta();
}

TEST_F(Tangenter, OnlyTypedTextIsALetter)
{
    starta({rad("a@!")}, PluvoVisar);
    tryck(Qt::Key_Return);
    const auto skicka = [&](Qt::Key tangent, const QString& text, Qt::KeyboardModifiers mod) {
        QTest::sendKeyEvent(QTest::Click, f->picTaTangent, tangent, text, mod);
    };
    // Delete, Ctrl, Alt and Super with a letter type nothing.
    skicka(Qt::Key_Delete, QString(QChar(127)), Qt::NoModifier);
    skicka(Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
    skicka(Qt::Key_A, "a", Qt::AltModifier);
    skicka(Qt::Key_A, "a", Qt::MetaModifier);
    EXPECT_EQ(synligtOrd(), "___");
    EXPECT_EQ(f->AntalFel, 0);
    EXPECT_FALSE(logg().contains(QChar(127)));

    skriv("a");
    // AltGr arrives from X as a group switch; its characters type.
    skicka(Qt::Key_At, "@", Qt::GroupSwitchModifier);
    EXPECT_EQ(synligtOrd(), "a@_");
    skriv("!");
    EXPECT_EQ(synligtOrd(), "a@!");
    EXPECT_TRUE(f->OrdKlart);
    EXPECT_EQ(f->AntalFel, 0);
}

TEST_F(Tangenter, AScanTickLeavesTheGuardOfAHeldKey)
{
    ModPluvo& m = modPluvo();
    m.SpaerraRepetition = true;
    m.TavlaPaa = true;
    m.MusStyrning = false;
    starta({rad("aaaa")}, PluvoVisar);
    tryck(Qt::Key_Return);
    m.SkanningsVaentan = 0;
    f->timEnTangent.setInterval(20);
    f->timEnTangent.setEnabled(true);

    QKeyEvent tryckA(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a", false);
    QApplication::sendEvent(f->picTaTangent, &tryckA);
    QTest::qWait(150);  // several scan ticks while the key is held
    skickaUpprepning(*f, Qt::Key_A, "a");
    f->timEnTangent.setEnabled(false);
    EXPECT_EQ(synligtOrd(), "a___");
    QKeyEvent slaeppA(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a", false);
    QApplication::sendEvent(f->picTaTangent, &slaeppA);
    EXPECT_FALSE(f->TangentNere);
}
