// The letter board on the training window: its layout, which parts show in
// which state and control method, the captions for the letter expected
// next, and the highlight.
#include "trainer/LetterBoard.h"

#include "common/ModPluvo.h"
#include "common/TavlaLogik.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Bokstavstavla : public ::testing::Test {
protected:
    void SetUp() override
    {
        nyStart();
        Skaerm::saettStorlek({1024, 768});
    }
    void TearDown() override
    {
        f.reset();
        Skaerm::saettStorlek({});
    }

    // Starts the window with the control method ("Styrning"/"Alternativ").
    void starta(const QString& alternativ)
    {
        skrivInstaellning("Styrning", "Alternativ", alternativ);
        f = startaTraeningsfoenster(m_mapp.path());
    }

    // Draws `ord` as the current word with its first `synliga` letters shown
    // and the rest hidden, as while the pupil types.
    void ritaOrd(const QString& ord, int synliga)
    {
        ModPluvo& m = modPluvo();
        m.Ordlista = {Uppgift{ord, {}, {}, {}}};
        m.AktuelltOrd = 1;
        m.Tillstaand = PluvoSkriver;
        f->VisaOrd();
        ASSERT_EQ(f->OrdLaengd, int(ord.size()));
        for (int i = synliga; i < f->OrdLaengd; ++i)
            f->labOrd[size_t(i)]->hide();
    }

    QString texter() const
    {
        QString s;
        for (const Etikett* cell : f->labSiffertavla)
            s += cell->Caption();
        return s;
    }

    QString tavlaFoer(const QString& ord, int synliga)
    {
        ritaOrd(ord, synliga);
        FyllTavla();
        return texter();
    }

    bool synlig(const QWidget* w) const { return !w->isHidden(); }

    bool allaCeller(bool visas) const
    {
        for (const Etikett* cell : f->labSiffertavla) {
            if (synlig(cell) != visas)
                return false;
        }
        return true;
    }

    QTemporaryDir m_mapp;
    std::unique_ptr<FrmPluvo> f;
};

const QString Smaa = QStringLiteral("abcdefghijklmnopqrstuvwxyzåäö");
const QString Stora = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ");

QString med(QString text, int cell, QChar tecken)
{
    text[cell] = tecken;
    return text;
}

}  // namespace

TEST_F(Bokstavstavla, CellsOfferTheExpectedLetterInItsCase)
{
    starta("2");
    EXPECT_EQ(tavlaFoer(QStringLiteral("É"), 0), med(Stora, 4, u'É') + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("e"), 0), Smaa + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("æ"), 0), med(Smaa, 27, u'æ') + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("Æ"), 0), med(Stora, 27, u'Æ') + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("Ä"), 0), Stora + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("µ"), 0), med(Smaa, 20, u'µ') + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("ÿ"), 0), med(Smaa, 24, u'ÿ') + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("7"), 0), Smaa + "7");
    EXPECT_EQ(tavlaFoer(QStringLiteral("-"), 0), Smaa + "-");
}

TEST_F(Bokstavstavla, TheExpectedLetterIsTheFirstHiddenOne)
{
    starta("2");
    EXPECT_EQ(tavlaFoer(QStringLiteral("aÉb"), 1), med(Stora, 4, u'É') + " ");
    // A word of two parts: the blank is typed from the last cell.
    EXPECT_EQ(tavlaFoer(QStringLiteral("a b"), 1), Smaa + " ");
    EXPECT_EQ(tavlaFoer(QStringLiteral("a-7"), 2), Smaa + "7");
    EXPECT_EQ(FoersteTommaPosition(), 2);
    // Every letter shown: the first letter.
    EXPECT_EQ(tavlaFoer(QStringLiteral("Öl"), 2), Stora + " ");
    EXPECT_EQ(FoersteTommaPosition(), 0);
}

TEST_F(Bokstavstavla, TheKeyboardMethodFillsNothing)
{
    starta("0");
    f->labSiffertavla[3]->setCaption("Q");
    ritaOrd(QStringLiteral("É"), 0);
    FyllTavla();
    EXPECT_EQ(f->labSiffertavla[3]->Caption(), "Q");
}

TEST_F(Bokstavstavla, WithoutADrawnWordTheBoardStaysWithinItsBounds)
{
    starta("2");
    ritaOrd(QStringLiteral("Öga"), 1);
    // The word is taken away, but the count of its letters is left behind.
    f->TaBortOrd();
    EXPECT_EQ(FoersteTommaPosition(), 0);
    FyllTavla();
    EXPECT_EQ(texter(), Stora + " ");

    f->OrdLaengd = 0;
    f->labOrd[0]->setCaption("X");
    EXPECT_EQ(FoersteTommaPosition(), 0);
    EXPECT_EQ(VaentatTecken(), QChar(u' '));
    FyllTavla();
    EXPECT_EQ(texter(), Smaa + " ");
    f->StegaBokstavstavla();
    VisaTavla();
}

TEST_F(Bokstavstavla, EachStateShowsItsPartsEvenWhileTheWindowIsNotShown)
{
    for (const QString alternativ : {"0", "1", "2", "3"}) {
        SCOPED_TRACE(alternativ.toStdString());
        nyStart();
        starta(alternativ);
        f->hide();
        ModPluvo& m = modPluvo();
        const bool tavla = alternativ != "0";
        for (int t : {2, 3, 5, 0, 7, 8, 3, 1, 4, 6, 9, 10, 11, 12, 13, 5, 8, 2}) {
            SCOPED_TRACE(t);
            m.Tillstaand = t;
            m.TavlaVal = 7;
            VisaTavla();
            if (!tavla || t == 0 || t == 1 || t == 4 || t == 6 || t >= 9) {
                EXPECT_TRUE(allaCeller(false));
                EXPECT_FALSE(synlig(f->picNaesta));
                EXPECT_FALSE(synlig(f->picBakaat));
                EXPECT_FALSE(synlig(f->shaSiffertavla));
                EXPECT_EQ(m.TavlaVal, 7);
            } else if (t == 2 || t == 7) {
                EXPECT_TRUE(allaCeller(true));
                EXPECT_TRUE(synlig(f->picNaesta));
                EXPECT_FALSE(synlig(f->picBakaat));
                EXPECT_TRUE(synlig(f->shaSiffertavla));
                EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
                EXPECT_EQ(f->picNaesta->BorderStyle(), 1);
            } else if (t == 3 || t == 8) {
                EXPECT_TRUE(allaCeller(true));
                EXPECT_TRUE(synlig(f->picNaesta));
                EXPECT_TRUE(synlig(f->picBakaat));
                EXPECT_TRUE(synlig(f->shaSiffertavla));
                EXPECT_EQ(m.TavlaVal, 7);
            } else {  // a Läs run: only the next picture and the frame
                EXPECT_TRUE(allaCeller(false));
                EXPECT_TRUE(synlig(f->picNaesta));
                EXPECT_FALSE(synlig(f->picBakaat));
                EXPECT_TRUE(synlig(f->shaSiffertavla));
                EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
            }
            EXPECT_FALSE(f->labSiffertavla[0]->isVisible());
        }
        f.reset();
    }
}

TEST_F(Bokstavstavla, ALaesRunMovesTheCursorOffAHiddenCell)
{
    starta("2");
    ModPluvo& m = modPluvo();
    m.Tillstaand = PluvoSkriver;
    VisaTavla();
    m.TavlaVal = 12;
    MarkeraVal(12);
    ASSERT_TRUE(f->labSiffertavla[12]->Bold());
    m.Tillstaand = Laeser;
    VisaTavla();
    EXPECT_EQ(m.TavlaVal, Tavla::Naesta);
    EXPECT_FALSE(f->labSiffertavla[12]->Bold());
    EXPECT_EQ(f->picNaesta->BorderStyle(), 1);
}

TEST_F(Bokstavstavla, TheHighlightFollowsTheRules)
{
    starta("2");
    const ModPluvo& m = modPluvo();
    const QColor ord = f->labOrd[0]->ForeColor();
    const QColor knapp = QGuiApplication::palette().color(QPalette::Button);
    const auto markerad = [&](const Etikett* cell) {
        return cell->Bold() && cell->ForeColor() == ord && cell->BorderStyle() == 1 && cell->BackColor() == knapp;
    };
    const auto normal = [&](const Etikett* cell) {
        return !cell->Bold() && cell->ForeColor() == m.MenyFaerg && cell->BorderStyle() == 0 &&
               cell->BackColor() == f->BackColor();
    };
    const auto bild = [&](const Etikett* b, bool markerat) {
        return b->BorderStyle() == (markerat ? 1 : 0) && b->BackColor() == (markerat ? knapp : f->BackColor());
    };
    ASSERT_NE(ord, m.MenyFaerg);
    const int markoer = m.TavlaVal;

    MarkeraVal(-1);
    EXPECT_TRUE(bild(f->picBakaat, true));
    EXPECT_TRUE(bild(f->picNaesta, false));
    for (const Etikett* cell : f->labSiffertavla)
        EXPECT_TRUE(normal(cell));

    MarkeraVal(5);
    EXPECT_TRUE(bild(f->picBakaat, false));
    EXPECT_TRUE(bild(f->picNaesta, false));
    for (int i = 0; i < 30; ++i)
        EXPECT_TRUE(i == 5 ? markerad(f->labSiffertavla[size_t(i)]) : normal(f->labSiffertavla[size_t(i)])) << i;

    // The highlighted cell again changes nothing at all.
    f->labSiffertavla[6]->setForeColor(Qt::green);
    f->picNaesta->setBorderStyle(1);
    MarkeraVal(5);
    EXPECT_EQ(f->labSiffertavla[6]->ForeColor(), QColor(Qt::green));
    EXPECT_EQ(f->picNaesta->BorderStyle(), 1);

    // Elements the board does not have are ignored.
    MarkeraVal(-3);
    MarkeraVal(30);
    EXPECT_TRUE(markerad(f->labSiffertavla[5]));
    EXPECT_EQ(f->labSiffertavla[6]->ForeColor(), QColor(Qt::green));
    EXPECT_EQ(f->picNaesta->BorderStyle(), 1);

    MarkeraVal(-2);
    EXPECT_TRUE(bild(f->picNaesta, true));
    EXPECT_TRUE(bild(f->picBakaat, false));
    for (const Etikett* cell : f->labSiffertavla)
        EXPECT_TRUE(normal(cell));
    EXPECT_EQ(m.TavlaVal, markoer);  // the caller sets the cursor, not MarkeraVal
}

TEST_F(Bokstavstavla, TheBoardIsLaidOutInTwoRowsWithItsPicturesAndFrame)
{
    starta("2");
    const ModPluvo& m = modPluvo();
    const double W = (Skaerm::Width() - 1248) / 16;
    const double left0 = (Skaerm::Width() - 16 * W - 816) / 2 + W + 96;
    const double top0 = Twips::Top(f->labSiffertavla[0]);
    const double H = Twips::Height(f->labSiffertavla[0]);
    const double pixel = Twips::PerPixel;

    EXPECT_LE(H, m.TavlaHoejd);
    EXPECT_GE(f->labSiffertavla[0]->FontSize(), 1);
    for (int i = 0; i < 30; ++i) {
        SCOPED_TRACE(i);
        const Etikett* cell = f->labSiffertavla[size_t(i)];
        const int kolumn = i % 15;
        EXPECT_NEAR(Twips::Left(cell), left0 + kolumn * (W + 48), pixel);
        EXPECT_NEAR(Twips::Top(cell), i < 15 ? top0 : top0 + H + 48, pixel);
        EXPECT_NEAR(Twips::Width(cell), W, pixel);
        EXPECT_NEAR(Twips::Height(cell), H, pixel);
        EXPECT_EQ(cell->font(), f->labSiffertavla[0]->font());
    }
    EXPECT_NEAR(Twips::Left(f->picNaesta), left0 - W - 48, pixel);
    EXPECT_NEAR(Twips::Top(f->picNaesta), top0, pixel);
    EXPECT_NEAR(Twips::Left(f->picBakaat), left0 - W - 48, pixel);
    EXPECT_NEAR(Twips::Top(f->picBakaat), top0 + H + 48, pixel);
    EXPECT_NEAR(Twips::Left(f->shaSiffertavla), left0 - W - 96, pixel);
    EXPECT_NEAR(Twips::Top(f->shaSiffertavla), top0 - 48, pixel);
    EXPECT_NEAR(Twips::Width(f->shaSiffertavla), 14 * (W + 48) + W + W + 144, pixel);
    EXPECT_NEAR(Twips::Height(f->shaSiffertavla), 2 * H + 48 + 96, pixel);
}

TEST_F(Bokstavstavla, FontFittingEndsForEveryTarget)
{
    starta("2");
    ModPluvo& m = modPluvo();
    Etikett* cell0 = f->labSiffertavla[0];

    m.TavlaHoejd = 0;
    PlaceraTavla();
    EXPECT_EQ(cell0->FontSize(), 1);

    m.TavlaHoejd = -400;  // a tiny screen
    PlaceraTavla();
    EXPECT_EQ(cell0->FontSize(), 1);

    m.TavlaHoejd = 32767;  // no size is that tall
    PlaceraTavla();
    EXPECT_EQ(cell0->FontSize(), 400);
    EXPECT_FALSE(cell0->AutoSize());

    m.TavlaHoejd = 900;
    PlaceraTavla();
    EXPECT_LE(Twips::Height(cell0), 900);
    EXPECT_GT(cell0->FontSize(), 1);
}
