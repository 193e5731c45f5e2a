// What the pupil sees of the training window, measured where it is drawn:
// the word and its explanation each on one line, the wrong-letter mark and
// the cursor bar at the letter being typed, both bands whole, every text,
// the letter board's marker and the menu bar readable in every colour
// scheme, and one-key scanning that goes on after a message is closed with
// a click.
#include "common/ModPluvo.h"
#include "platform/ProgramFolder.h"
#include "platform/Screen.h"
#include "support/Foensterstyrning.h"
#include "support/Skaermbild.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"
#include "trainer/TangentFaangare.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Screen size, and whether the menu bar takes room in the window (on
// desktops that show the menus elsewhere it takes none).
using Skaermfall = std::tuple<QSize, bool>;

class Synligt : public ::testing::TestWithParam<Skaermfall> {
protected:
    void SetUp() override
    {
        nyStart();
        Skaerm::saettStorlek(std::get<0>(GetParam()));
        ProgramMapp::saett(m_mapp.path());
        FrmPluvo::utanStartbild = true;
        f = std::make_unique<FrmPluvo>();
        if (!std::get<1>(GetParam()))
            f->menyrad->hide();
        f->Form_Load();
        modPluvo().PipVidFel = false;
    }
    void TearDown() override
    {
        f.reset();
        Skaerm::saettStorlek({});
    }

    QTemporaryDir m_mapp;
    std::unique_ptr<FrmPluvo> f;
};

}  // namespace

TEST_P(Synligt, BothBandsShowWholeAndEqual)
{
    const Skaermbild bild = Skaermbild::avFoenster(f.get());
    const QRgb band = f->linRam[0].linje->palette().color(QPalette::Window).rgb();
    // Down the middle: the frame's top line, the top band, the bottom band.
    const QList<int> rader = bild.band(bild.yta().center().x(), band);
    ASSERT_EQ(rader.size(), 3);
    EXPECT_EQ(rader[2], rader[1]) << "the bottom band as thick as the top band";
    EXPECT_EQ(bild.pixel({bild.yta().center().x(), bild.yta().bottom()}), band) << "down to the window's foot";
    // "Aktuell övning" stands whole above the bottom band.
    EXPECT_LE(paaSkaermen(f->labAktuell).bottom(), bild.yta().bottom() - rader[2]);
}

TEST_P(Synligt, WordAndExplanationStandOnOneLineWithMarkAndCursorAtTheLetter)
{
    // No letter reaches above or below the others.
    laddaIn({rad("ocean", "ormar som rusar")});
    tryckTangent(*f, Qt::Key_Return);  // "Pluvo"
    ASSERT_EQ(modPluvo().Tillstaand, PluvoVisar);

    const Skaermbild bild = Skaermbild::avFoenster(f.get());
    const QRgb bakgrund = f->BackColor().rgb();
    for (const std::vector<Etikett*>* rad : {&f->labOrd, &f->labFoerklaring}) {
        const auto foersta = bild.blaeck(paaSkaermen(rad->front()), bakgrund);
        ASSERT_GE(foersta.first, 0);
        for (const Etikett* e : *rad) {
            EXPECT_EQ(paaSkaermen(e).top(), paaSkaermen(rad->front()).top()) << e->Caption().toStdString();
            if (e->Caption() == " ")
                continue;
            const auto blaeck = bild.blaeck(paaSkaermen(e), bakgrund);
            EXPECT_NEAR(blaeck.second, foersta.second, 2) << e->Caption().toStdString();
            EXPECT_NEAR(blaeck.first, foersta.first, 2) << e->Caption().toStdString();
        }
    }
    EXPECT_LT(paaSkaermen(f->labOrd[0]).bottom(), paaSkaermen(f->labFoerklaring[0]).top());

    // A wrong first letter: the mark stands at the letter's left edge, a
    // fifth of its height above the letters, the cursor bar under it.
    tryckTecken(*f, u'x');
    ASSERT_FALSE(f->picFel->isHidden());
    const QRect foersta = paaSkaermen(f->labOrd[0]);
    const QRect fel = paaSkaermen(f->picFel);
    EXPECT_EQ(fel.left(), foersta.left());
    EXPECT_NEAR(fel.top(), foersta.top() - fel.height() / 5.0, 1);
    EXPECT_EQ(paaSkaermen(f->labStreck).top(), foersta.top());
    EXPECT_NEAR(paaSkaermen(f->labStreck).left(), foersta.left() + 2, 1);

    // The right letter shows, and the bar moves under the next one, below
    // the letters' foot.
    tryckTecken(*f, u'o');
    ASSERT_FALSE(f->labOrd[0]->isHidden());
    const QRect andra = paaSkaermen(f->labOrd[1]);
    const QRect streck = paaSkaermen(f->labStreck);
    EXPECT_EQ(streck.top(), andra.top());
    EXPECT_NEAR(streck.left(), andra.left() + 2, 1);
    const Skaermbild efter = Skaermbild::avFoenster(f.get());
    const int fot = efter.blaeck(foersta, bakgrund).second;
    EXPECT_GE(efter.blaeck(streck, bakgrund).first, fot - 1);
}

INSTANTIATE_TEST_SUITE_P(Fall, Synligt,
                         ::testing::Combine(::testing::Values(QSize(800, 600), QSize(1024, 768)),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<Skaermfall>& fall) {
                             const QSize s = std::get<0>(fall.param);
                             return QString("%1x%2_%3")
                                 .arg(s.width())
                                 .arg(s.height())
                                 .arg(std::get<1>(fall.param) ? "medMenyrad" : "utanMenyrad")
                                 .toStdString();
                         });

TEST(Menyrad, EveryColourSchemeLeavesTheMenuBarAndItsMenusReadable)
{
    QTemporaryDir mapp;
    for (int schema = 0; schema < 6; ++schema) {
        nyStart();
        skrivInstaellning("Utseende", "Stil", QString::number(schema));
        auto f = startaTraeningsfoenster(mapp.path());
        QMenuBar* rad = f->menyrad;

        // How well a menu's text stands out where it is drawn.
        const auto kontrast = [](QWidget* w, const QRect& ruta) {
            return Skaermbild::avFoenster(w).kontrast(ruta.translated(w->mapToGlobal(QPoint(0, 0))));
        };
        EXPECT_GE(kontrast(rad, rad->actionGeometry(f->menVerktyg->menuAction())), 4.5) << "scheme " << schema;

        QTest::mouseClick(rad, Qt::LeftButton, {}, rad->actionGeometry(f->menVerktyg->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return f->menVerktyg->isVisible(); }, 2000));
        EXPECT_GE(kontrast(f->menVerktyg, f->menVerktyg->actionGeometry(f->menLoggbok)), 4.5) << "scheme " << schema;
        QTest::keyClick(f->menVerktyg, Qt::Key_Escape);
    }
}

TEST(EnTangent, ScanningGoesOnAfterTheSummaryIsClosedByAClick)
{
    nyStart();
    skrivInstaellning("Styrning", "Alternativ", "3");  // one key scans
    skrivInstaellning("Styrning", "tan_r", "True");     // a held key types once
    skrivInstaellning("Styrning", "i_v", "1");
    QTemporaryDir mapp;
    auto f = startaTraeningsfoenster(mapp.path());
    laddaIn({rad("bo")});
    tryckTangent(*f, Qt::Key_Return);  // "Pluvo"
    skriv(*f, "bo");
    ASSERT_TRUE(f->OrdKlart);

    // Enter ends the run. The summary opens while the key is down, so the
    // key comes up over the summary, which the pupil closes with a click.
    bool stoeng = false;
    medModal([&](QWidget& summering) {
        QTest::sendKeyEvent(QTest::Release, &summering, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
        QTest::mouseClick(summering.findChild<QWidget*>("imaOK0"), Qt::LeftButton);
        stoeng = true;
    });
    QTest::sendKeyEvent(QTest::Press, f->picTaTangent, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    ASSERT_TRUE(stoeng);
    ASSERT_EQ(modPluvo().Tillstaand, Huvudmeny);
    ASSERT_EQ(f->MenyMarkoer, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->MenyMarkoer == 1; }, 6000)) << "the scan stood still";
}

TEST(Faergschema, EveryTextAndTheBoardsMarkerCanBeReadInEveryScheme)
{
    QTemporaryDir mapp;
    for (int schema = 0; schema < 6; ++schema) {
        nyStart();
        skrivInstaellning("Utseende", "Stil", QString::number(schema));
        skrivInstaellning("Styrning", "Alternativ", "2");  // the board, stepped by keys
        auto f = startaTraeningsfoenster(mapp.path());
        laddaIn({rad("banan", "ett husdjur som jamar")});
        // The pale blue of blue on yellow and blue on white is held lower.
        const double kraevs = schema == 3 || schema == 5 ? 2.5 : 3;
        const Skaermbild meny = Skaermbild::avFoenster(f.get());
        EXPECT_GE(meny.kontrast(textenPaaSkaermen(f->labAktuell)), kraevs) << "scheme " << schema;
        for (size_t i = 1; i < f->labMenyVal.size(); ++i)  // item 0 is highlighted
            EXPECT_GE(meny.kontrast(textenPaaSkaermen(f->labMenyVal[i])), kraevs) << "scheme " << schema;

        tryckTangent(*f, Qt::Key_Return);  // "Pluvo": the marker on the next picture
        const Skaermbild paaBild = Skaermbild::avFoenster(f.get());
        tryckTangent(*f, Qt::Key_Right);   // and onto "a"
        const Skaermbild bild = Skaermbild::avFoenster(f.get());
        QRect foerklaring;
        for (const Etikett* e : f->labFoerklaring)
            foerklaring |= textenPaaSkaermen(e);
        EXPECT_GE(bild.kontrast(textenPaaSkaermen(f->labMeny)), kraevs) << "scheme " << schema;
        EXPECT_GE(bild.kontrast(foerklaring), kraevs) << "scheme " << schema;
        EXPECT_GE(bild.kontrast(textenPaaSkaermen(f->labSiffertavla[1])), kraevs) << "scheme " << schema;
        const QRect markerad = textenPaaSkaermen(f->labSiffertavla[0]);
        EXPECT_GE(bild.kontrast(markerad), 3) << "scheme " << schema;
        // The marked picture lies on the marked cell's background.
        EXPECT_EQ(paaBild.pixel(paaSkaermen(f->picNaesta).topLeft() + QPoint(2, 2)), bild.bakgrund(markerad))
            << "scheme " << schema;
    }
}
