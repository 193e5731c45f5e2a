// The training window's on-screen menus: drawing, highlight, speech, hot
// letters, keys, mouse and the choice of a mode.
#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "support/TraeningsFixtur.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Counts the close requests a window gets.
class StaengRaeknare : public QObject {
public:
    int antal = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Close)
            ++antal;
        return false;
    }
};

class MenyerTest : public OevningsmappFixtur {
protected:
    static QStringList rubriker(const FrmPluvo& f)
    {
        QStringList r;
        for (const Etikett* val : f.labMenyVal)
            r << val->Caption();
        return r;
    }

    static QStringList tips(const FrmPluvo& f)
    {
        QStringList r;
        for (const Etikett* val : f.labMenyVal)
            r << val->toolTip();
        return r;
    }

    static QList<bool> synliga(const FrmPluvo& f)
    {
        QList<bool> r;
        for (const Etikett* val : f.labMenyVal)
            r << !val->isHidden();
        return r;
    }

    // Only the item at `index` has the word colour and is bold.
    static void vaentaMarkerad(const FrmPluvo& f, int index)
    {
        EXPECT_EQ(f.MenyMarkoer, index);
        for (int i = 0; i < 5; ++i) {
            const Etikett* val = f.labMenyVal[size_t(i)];
            if (i == index) {
                EXPECT_EQ(val->ForeColor(), f.labOrd[0]->ForeColor()) << i;
                EXPECT_TRUE(val->Bold()) << i;
            } else {
                EXPECT_EQ(val->ForeColor(), modPluvo().MenyFaerg) << i;
                EXPECT_FALSE(val->Bold()) << i;
            }
        }
    }
};

}  // namespace

TEST_F(MenyerTest, MainMenuIsDrawnWithItsTableAndTooltips)
{
    auto f = starta();
    const ModPluvo& m = modPluvo();
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(m.SkanningsVaentan, 2);
    EXPECT_EQ(f->labMeny->Caption(), "Träna stavning");
    EXPECT_EQ(rubriker(*f), (QStringList{"Pluvo", "Läs", "Test", "Hämta", "Sluta"}));
    EXPECT_EQ(tips(*f), (QStringList{"Pluvo = P", "Läs = L", "Test = T", "Hämta = H", "Sluta = U"}));
    EXPECT_EQ(synliga(*f), (QList<bool>{true, true, true, true, true}));
    vaentaMarkerad(*f, 0);
    EXPECT_FALSE(f->labAktuell->isHidden());
    for (const Etikett* fakta : f->labFakta)
        EXPECT_TRUE(fakta->isHidden());
    for (const Etikett* bild : f->imaMeny)
        EXPECT_FALSE(bild->isHidden());
    EXPECT_FALSE(f->shaRam[1]->isHidden());
    // The spoken announcement was used up by the first item.
    EXPECT_TRUE(f->Statusrad.isEmpty());
}

TEST_F(MenyerTest, MainMenuResetsReversalShuffleAndFacts)
{
    skrivInstaellning("Filkatalog", "Slump", "0");
    auto f = starta();
    ModPluvo& m = modPluvo();
    f->Omvaend = true;
    m.BlandaKoersel = true;
    m.SlumpOrdning = false;
    f->labFakta[0]->show();
    f->labAktuell->hide();
    m.Tillstaand = HaemtaMeny;
    f->MenyMarkoer = 3;
    f->VisaHuvudmeny();
    EXPECT_FALSE(f->Omvaend);
    EXPECT_FALSE(m.BlandaKoersel);
    EXPECT_TRUE(f->labFakta[0]->isHidden());
    EXPECT_FALSE(f->labAktuell->isHidden());
    EXPECT_EQ(f->MenyMarkoer, 0);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);

    m.SlumpOrdning = true;
    f->VisaHuvudmeny();
    EXPECT_TRUE(m.BlandaKoersel);
}

TEST_F(MenyerTest, BoxItemsAndFrameArePlacedByTheirRules)
{
    auto f = starta();
    const ModPluvo& m = modPluvo();
    const double boxTop = Twips::Top(f->shaRam[1]);
    const double boxHoejd = Twips::Height(f->shaRam[1]);
    EXPECT_NEAR(boxTop, m.SkaermHoejd / 5.0, Twips::PerPixel);
    EXPECT_NEAR(boxHoejd, Twips::Height(f->shaRam[0]) * 2 / 3, Twips::PerPixel);

    const double h = Twips::Height(f->labMenyVal[0]);
    for (int i = 0; i < 5; ++i) {
        const double top = boxTop + i * h + (i + 1) * (boxHoejd - 5 * h) / 6;
        EXPECT_NEAR(Twips::Top(f->labMenyVal[size_t(i)]), top, Twips::PerPixel) << i;
    }
    // Items lie inside the box, one below the other.
    for (int i = 1; i < 5; ++i)
        EXPECT_GT(f->labMenyVal[size_t(i)]->y(), f->labMenyVal[size_t(i - 1)]->y());
    EXPECT_GE(f->labMenyVal[0]->y(), f->shaRam[1]->y());
    EXPECT_LE(f->labMenyVal[4]->geometry().bottom(), f->shaRam[1]->geometry().bottom() + 1);

    const double t = Skaerm::Height() / 50;
    const QRect box = f->shaRam[1]->geometry();
    const double L = Twips::Left(f->shaRam[1]), T = Twips::Top(f->shaRam[1]);
    const double W = Twips::Width(f->shaRam[1]), H = Twips::Height(f->shaRam[1]);
    auto naera = [](const QWidget* w, double l, double tp, double b, double hj) {
        EXPECT_NEAR(Twips::Left(w), l, Twips::PerPixel);
        EXPECT_NEAR(Twips::Top(w), tp, Twips::PerPixel);
        EXPECT_NEAR(Twips::Width(w), b, Twips::PerPixel);
        EXPECT_NEAR(Twips::Height(w), hj, Twips::PerPixel);
    };
    naera(f->imaMeny[0], L, T - t, W, t);
    naera(f->imaMeny[1], L + W, T, t, H);
    naera(f->imaMeny[2], L, T + H, W, t);
    naera(f->imaMeny[3], L - t, T, t, H);
    EXPECT_EQ(f->imaMeny[0]->geometry().bottom() + 1, box.top());
}

TEST_F(MenyerTest, EnteringTheMainMenuSpeaksTitleExerciseAndItemOnce)
{
    auto f = starta();
    laesUpp();
    m_talat.clear();
    f->VisaHuvudmeny();
    ASSERT_EQ(m_talat.size(), 1);
    EXPECT_EQ(m_talat[0], "Träna stavning, Aktuell övning: Ej inläst, , Pluvo");

    m_talat.clear();
    f->MarkeraMenyval(2);
    EXPECT_EQ(m_talat, QStringList{"Test"});
    EXPECT_TRUE(f->labMenyVal[2]->Bold());
    EXPECT_FALSE(f->labMenyVal[0]->Bold());
}

TEST_F(MenyerTest, HighlightingTheHighlightedItemChangesNoColourButSpeaks)
{
    auto f = starta();
    laesUpp();
    f->MarkeraMenyval(1);
    // Bold the others by hand: an item already highlighted leaves colours alone.
    f->labMenyVal[3]->setBold(true);
    m_talat.clear();
    f->MarkeraMenyval(1);
    EXPECT_TRUE(f->labMenyVal[3]->Bold());
    EXPECT_EQ(m_talat, QStringList{"Läs"});
}

TEST_F(MenyerTest, NoSpeechWithoutReadingInMenus)
{
    auto f = starta();
    modPluvo().TalFinns = true;
    modPluvo().LaesMeny = false;
    m_talat.clear();
    f->VisaHuvudmeny();
    tryckTangent(*f, Qt::Key_Space);
    EXPECT_TRUE(m_talat.isEmpty());
}

TEST_F(MenyerTest, SpaceStepsAndWrapsInTheMainMenu)
{
    auto f = starta();
    laesUpp();
    m_talat.clear();
    QList<int> markoerer;
    for (int i = 0; i < 6; ++i) {
        tryckTangent(*f, Qt::Key_Space);
        markoerer << f->MenyMarkoer;
    }
    EXPECT_EQ(markoerer, (QList<int>{1, 2, 3, 4, 0, 1}));
    EXPECT_EQ(m_talat, (QStringList{"Läs", "Test", "Hämta", "Sluta", "Pluvo", "Läs"}));
    vaentaMarkerad(*f, 1);
    EXPECT_EQ(tillstaand(), Huvudmeny);
}

TEST_F(MenyerTest, DownAndUpStopAtTheEnds)
{
    auto f = starta();
    tryckTangent(*f, Qt::Key_Up);
    EXPECT_EQ(f->MenyMarkoer, 0);
    for (int i = 0; i < 7; ++i)
        tryckTangent(*f, Qt::Key_Down);
    vaentaMarkerad(*f, 4);
    tryckTangent(*f, Qt::Key_Up);
    vaentaMarkerad(*f, 3);
    for (int i = 0; i < 7; ++i)
        tryckTangent(*f, Qt::Key_Up);
    vaentaMarkerad(*f, 0);
}

TEST_F(MenyerTest, EnterChoosesTheHighlightedItem)
{
    auto f = starta();
    for (int i = 0; i < 3; ++i)
        tryckTangent(*f, Qt::Key_Down);
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_EQ(tillstaand(), HaemtaMeny);
    EXPECT_EQ(f->labMeny->Caption(), "Hämta övning");
}

TEST_F(MenyerTest, HotLettersOfTheMainMenu)
{
    auto f = starta();
    // "o" and "s" are no hot letters here.
    for (QChar c : {u'o', u'O', u's', u'S', u'x', u'ö'}) {
        tryckTecken(*f, c);
        EXPECT_EQ(tillstaand(), Huvudmeny) << QString(c).toStdString();
    }
    EXPECT_TRUE(m_meddelanden.texter.isEmpty());

    tryckTecken(*f, u'h');
    EXPECT_EQ(tillstaand(), HaemtaMeny);
    tryckTangent(*f, Qt::Key_Escape);
    tryckTecken(*f, u'H');
    EXPECT_EQ(tillstaand(), HaemtaMeny);
}

TEST_F(MenyerTest, SlutaEndsTheProgramWithItsThirdLetter)
{
    for (QChar c : {u'u', u'U'}) {
        auto f = starta();
        StaengRaeknare raeknare;
        f->installEventFilter(&raeknare);
        tryckTecken(*f, c);
        EXPECT_EQ(raeknare.antal, 1) << QString(c).toStdString();
        EXPECT_TRUE(f->isHidden());
    }
}

TEST_F(MenyerTest, TypeMenuHotLettersIncludingOe)
{
    for (const QString& namn : QStringList{"a.rtt", "a.ord", "a.glo", "a.tst"})
        skrivOevning(namn);
    auto f = starta();
    struct Fall {
        QChar tecken;
        int tillstaand;
    };
    for (const Fall& fall : {Fall{u'r', ListaRtt}, Fall{u'R', ListaRtt}, Fall{u'o', ListaOrd},
                             Fall{u'O', ListaOrd}, Fall{u'g', ListaGlo}, Fall{u'G', ListaGlo},
                             Fall{u'ö', ListaTst}, Fall{u'Ö', ListaTst}}) {
        tryckTecken(*f, u'h');
        ASSERT_EQ(tillstaand(), HaemtaMeny);
        tryckTecken(*f, fall.tecken);
        EXPECT_EQ(tillstaand(), fall.tillstaand) << QString(fall.tecken).toStdString();
        EXPECT_FALSE(f->labFilnamn->isHidden());
        tryckTangent(*f, Qt::Key_Escape);
        EXPECT_EQ(tillstaand(), Huvudmeny);
        EXPECT_TRUE(f->labFilnamn->isHidden());
    }
    // The same codes reach the menu when called with them directly.
    f->VisaMenyHaemtaOevning();
    f->HanteraTecken(246);
    EXPECT_EQ(tillstaand(), ListaTst);
    tryckTangent(*f, Qt::Key_Escape);
    f->VisaMenyHaemtaOevning();
    f->HanteraTecken(214);
    EXPECT_EQ(tillstaand(), ListaTst);
    tryckTangent(*f, Qt::Key_Escape);

    // "Huvudmeny" and keys that are no hot letter of the type menu.
    tryckTecken(*f, u'h');
    for (QChar c : {u'p', u'l', u't', u'u', u'ä'}) {
        tryckTecken(*f, c);
        EXPECT_EQ(tillstaand(), HaemtaMeny);
    }
    tryckTecken(*f, u'h');
    EXPECT_EQ(tillstaand(), Huvudmeny);
}

TEST_F(MenyerTest, TypeMenuDrawingAndTooltips)
{
    auto f = starta();
    laesUpp();
    m_talat.clear();
    tryckTecken(*f, u'h');
    EXPECT_EQ(f->labMeny->Caption(), "Hämta övning");
    EXPECT_EQ(rubriker(*f), (QStringList{"Rättstavning", "Ordkunskap", "Glosor", "Övrigt", "Huvudmeny"}));
    EXPECT_EQ(tips(*f), (QStringList{"Rättstavning = R", "Ordkunskap = O", "Glosor = G", "Övrigt = Ö",
                                     "Huvudmeny = H"}));
    EXPECT_EQ(synliga(*f), (QList<bool>{true, true, true, true, true}));
    EXPECT_EQ(modPluvo().SkanningsVaentan, 2);
    vaentaMarkerad(*f, 0);
    EXPECT_EQ(m_talat, QStringList{"Rättstavning"});

    QList<int> markoerer;
    for (int i = 0; i < 6; ++i) {
        tryckTangent(*f, Qt::Key_Space);
        markoerer << f->MenyMarkoer;
    }
    EXPECT_EQ(markoerer, (QList<int>{1, 2, 3, 4, 0, 1}));
    for (int i = 0; i < 6; ++i)
        tryckTangent(*f, Qt::Key_Down);
    EXPECT_EQ(f->MenyMarkoer, 4);
}

TEST_F(MenyerTest, TypeMenuOpensOnTheLoadedType)
{
    struct Fall {
        QString fil;
        int markoer;
    };
    for (const Fall& fall : {Fall{"a.rtt", 0}, Fall{"a.ord", 1}, Fall{"a.glo", 2}, Fall{"a.tst", 3},
                             Fall{"a.gls", 2}, Fall{"saknas.glo", 0}}) {
        if (!fall.fil.startsWith("saknas"))
            skrivOevning(fall.fil);
        nyStart();
        skrivInstaellning("Filkatalog", "Path", m_oevningar);
        auto f = starta(fall.fil);
        tryckTecken(*f, u'h');
        vaentaMarkerad(*f, fall.markoer);
    }
}

TEST_F(MenyerTest, EscLeavesSubmenusAndLists)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    ASSERT_EQ(modPluvo().OevningsTyp, 3);
    ASSERT_TRUE(modPluvo().VaendGlo);

    tryckTangent(*f, Qt::Key_Escape);
    EXPECT_EQ(tillstaand(), Huvudmeny);

    for (QChar laege : {u'p', u'l', u't'}) {
        tryckTecken(*f, laege);
        EXPECT_NE(tillstaand(), Huvudmeny);
        tryckTangent(*f, Qt::Key_Escape);
        EXPECT_EQ(tillstaand(), Huvudmeny);
        EXPECT_EQ(rubriker(*f)[0], "Pluvo");
        EXPECT_EQ(synliga(*f), (QList<bool>{true, true, true, true, true}));
    }

    tryckTecken(*f, u'h');
    tryckTangent(*f, Qt::Key_Escape);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_EQ(f->labMeny->Caption(), "Träna stavning");

    tryckTecken(*f, u'h');
    tryckTecken(*f, u'g');
    ASSERT_EQ(tillstaand(), ListaGlo);
    tryckTangent(*f, Qt::Key_Escape);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_TRUE(f->labFilnamn->isHidden());
    EXPECT_TRUE(f->picUpp->isHidden());
    EXPECT_TRUE(f->picNer->isHidden());
    EXPECT_TRUE(f->imaMun->isHidden());
    EXPECT_EQ(synliga(*f), (QList<bool>{true, true, true, true, true}));
}

TEST_F(MenyerTest, PluvoOnAReversibleTypeOpensTheSubmenu)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    laesUpp();
    const double huvudHoejd = Twips::Height(f->shaRam[1]);
    QList<int> toppar;
    for (const Etikett* val : f->labMenyVal)
        toppar << val->y();
    m_talat.clear();

    tryckTecken(*f, u'p');
    EXPECT_EQ(tillstaand(), ValPluvo);
    EXPECT_EQ(f->labMeny->Caption(), "Träna stavning");
    EXPECT_EQ(rubriker(*f).mid(0, 3), (QStringList{"Normal", "Omvänd", "Huvudmeny"}));
    EXPECT_EQ(tips(*f).mid(0, 3), (QStringList{"Normal = N", "Omvänd = O", "Huvudmeny = H"}));
    EXPECT_EQ(synliga(*f), (QList<bool>{true, true, true, false, false}));
    vaentaMarkerad(*f, 0);
    EXPECT_EQ(m_talat, QStringList{"Normal"});
    EXPECT_EQ(modPluvo().SkanningsVaentan, 2);
    // The items keep the main menu's places; the box shrinks around them.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f->labMenyVal[size_t(i)]->y(), toppar[i]);
    EXPECT_NEAR(Twips::Height(f->shaRam[1]), Twips::Height(f->shaRam[0]) * 21 / 50, Twips::PerPixel);
    EXPECT_NEAR(Twips::Height(f->imaMeny[1]), Twips::Height(f->shaRam[1]), Twips::PerPixel);
    EXPECT_EQ(f->imaMeny[2]->y(), f->shaRam[1]->geometry().bottom() + 1);

    // Space wraps over the three items, Down stops at the last.
    QList<int> markoerer;
    for (int i = 0; i < 4; ++i) {
        tryckTangent(*f, Qt::Key_Space);
        markoerer << f->MenyMarkoer;
    }
    EXPECT_EQ(markoerer, (QList<int>{1, 2, 0, 1}));
    for (int i = 0; i < 4; ++i)
        tryckTangent(*f, Qt::Key_Down);
    vaentaMarkerad(*f, 2);
    for (int i = 0; i < 4; ++i)
        tryckTangent(*f, Qt::Key_Up);
    vaentaMarkerad(*f, 0);

    // Keys of other menus are no hot letters here.
    for (QChar c : {u'p', u'r', u'g', u'u'}) {
        tryckTecken(*f, c);
        EXPECT_EQ(tillstaand(), ValPluvo);
    }
    tryckTecken(*f, u'H');
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_NEAR(Twips::Height(f->shaRam[1]), huvudHoejd, Twips::PerPixel);
}

TEST_F(MenyerTest, SubmenuStartsNormalOrReversedRuns)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    struct Fall {
        QChar laege;
        QChar val;
        int koer;
        bool omvaend;
    };
    for (const Fall& fall : {Fall{u'p', u'n', PluvoVisar, false}, Fall{u'p', u'o', PluvoVisar, true},
                             Fall{u'l', u'N', Laeser, false}, Fall{u't', u'O', TestSkriver, true}}) {
        tryckTecken(*f, fall.laege);
        tryckTecken(*f, fall.val);
        // A Test run shows its explanation and passes at once to typing.
        EXPECT_EQ(tillstaand(), fall.koer) << QString(fall.laege).toStdString();
        EXPECT_EQ(f->Omvaend, fall.omvaend);
        EXPECT_FALSE(f->menPluvo->isEnabled());
        tryckTangent(*f, Qt::Key_Escape);
        EXPECT_EQ(tillstaand(), Huvudmeny);
        EXPECT_FALSE(f->Omvaend);
    }
}

TEST_F(MenyerTest, PluvoOnAnotherTypeStartsAtOnce)
{
    skrivOevning("a.rtt");
    auto f = starta("a.rtt");
    ASSERT_EQ(modPluvo().OevningsTyp, 1);
    ASSERT_FALSE(modPluvo().VaendRtt);
    tryckTecken(*f, u'p');
    EXPECT_EQ(tillstaand(), PluvoVisar);
    EXPECT_FALSE(f->Omvaend);
    EXPECT_TRUE(m_meddelanden.texter.isEmpty());
}

TEST_F(MenyerTest, AModeWithNothingLoadedAsksForAnExercise)
{
    auto f = starta();
    ASSERT_EQ(modPluvo().OevningsTyp, 0);
    for (QChar c : {u'p', u'l', u't'}) {
        m_meddelanden.texter.clear();
        tryckTecken(*f, c);
        EXPECT_EQ(m_meddelanden.texter, QStringList{" Övning saknas. \r\n Hämta övning! "});
        EXPECT_EQ(tillstaand(), Huvudmeny);
        EXPECT_EQ(rubriker(*f)[0], "Pluvo");
        EXPECT_FALSE(f->menPluvo->isEnabled());
    }
}

TEST_F(MenyerTest, MouseClicksChooseItems)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    QTest::mouseClick(f->labMenyVal[3], Qt::LeftButton);
    EXPECT_EQ(tillstaand(), HaemtaMeny);
    QTest::mouseClick(f->labMenyVal[4], Qt::LeftButton);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    QTest::mouseClick(f->labMenyVal[0], Qt::LeftButton);
    EXPECT_EQ(tillstaand(), ValPluvo);
    QTest::mouseClick(f->labMenyVal[2], Qt::LeftButton);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    QTest::mouseClick(f->labMenyVal[3], Qt::LeftButton);
    QTest::mouseClick(f->labMenyVal[2], Qt::LeftButton);
    EXPECT_EQ(tillstaand(), ListaGlo);
    QTest::mouseClick(f->labFilnamn, Qt::LeftButton);
    EXPECT_EQ(tillstaand(), Huvudmeny);

    StaengRaeknare raeknare;
    f->installEventFilter(&raeknare);
    QTest::mouseClick(f->labMenyVal[4], Qt::LeftButton);
    EXPECT_EQ(raeknare.antal, 1);
}

TEST_F(MenyerTest, PointingAtAnItemHighlightsIt)
{
    auto f = starta();
    laesUpp();
    m_talat.clear();
    QTest::mouseMove(f->labMenyVal[2]);
    QApplication::processEvents();
    vaentaMarkerad(*f, 2);
    EXPECT_EQ(m_talat.value(m_talat.size() - 1), "Test");
    const int talade = m_talat.size();
    f->labMenyVal_MouseMove(2);
    EXPECT_EQ(m_talat.size(), talade);
    f->labMenyVal_MouseMove(4);
    vaentaMarkerad(*f, 4);
}

TEST_F(MenyerTest, KeysInARunGoToTheWord)
{
    skrivOevning("a.rtt", "hund\r\n");
    auto f = starta("a.rtt");
    tryckTecken(*f, u'p');
    ASSERT_EQ(tillstaand(), PluvoVisar);
    // A letter while the word is shown hides it and counts as typed.
    tryckTecken(*f, u'h');
    EXPECT_EQ(tillstaand(), PluvoSkriver);
    EXPECT_TRUE(f->txtLoggbok.text().endsWith("\r\n"));
    tryckTecken(*f, u'x');
    EXPECT_EQ(tillstaand(), PluvoSkriver);
    EXPECT_EQ(f->AntalFel, 1);
    EXPECT_TRUE(f->txtLoggbok.text().endsWith("hund - hx"));
}

TEST_F(MenyerTest, KeysInALaesRunAreIgnored)
{
    skrivOevning("a.rtt", "hund\r\nkatt\r\n");
    auto f = starta("a.rtt");
    tryckTecken(*f, u'l');
    ASSERT_EQ(tillstaand(), Laeser);
    const QString logg = f->txtLoggbok.text();
    f->HanteraTecken('h');
    f->HanteraTecken('u');
    EXPECT_EQ(tillstaand(), Laeser);
    EXPECT_EQ(f->txtLoggbok.text(), logg);
}

TEST_F(MenyerTest, ARestingPointerNeverMovesTheHighlightAndTheFirstEnterRunsPluvo)
{
    skrivOevning("Ord.rtt");
    auto f = starta("Ord.rtt");
    ASSERT_EQ(f->MenyMarkoer, 0);
    // What Qt sends to the item under a resting pointer when a window above
    // it closes: the pupil moved nothing.
    const QPointF mitt = f->labMenyVal[2]->rect().center();
    QEnterEvent inne(mitt, f->labMenyVal[2]->mapTo(f.get(), mitt), f->labMenyVal[2]->mapToGlobal(mitt));
    QApplication::sendEvent(f->labMenyVal[2], &inne);
    EXPECT_EQ(f->MenyMarkoer, 0);
    EXPECT_TRUE(f->labMenyVal[0]->Bold());
    EXPECT_FALSE(f->labMenyVal[2]->Bold());
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_EQ(tillstaand(), PluvoVisar);
}
