// The item and clip windows on the screen: their frames within the usable
// area, a too narrow screen narrowing the boxes, and the mouth picture at
// the training window's size. The first tests pretend a screen size; the
// last runs the windows on a real desktop (Xvfb with openbox), where the
// manager's frame counts and the screen is grabbed.
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "common/Munbild.h"
#include "editor/FrmKlipp.h"
#include "editor/FrmRedigera.h"
#include "editor/FrmSkrivIn.h"
#include "platform/Screen.h"
#include "support/Skrivbord.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

QString text(const QRect& r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The window's frame on the screen, as the window system has it.
QRect ramen(const QWidget& w)
{
    return w.windowHandle()->frameGeometry();
}

// Shows a window and waits until it is on the screen, under a window
// manager until the manager has framed it and it has been kept in place.
void visa(QWidget& w)
{
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    if (Skrivbord::inifraan()) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return ramen(w) != w.geometry(); }, 5000)) << w.objectName().toStdString();
        QTest::qWait(300);
    }
}

// The boxes and buttons the teacher sees lie within the window.
void kontrollerInomFoenstret(const QWidget& f)
{
    const QRect foenster(f.mapToGlobal(QPoint(0, 0)), f.size());
    for (const QWidget* w : f.findChildren<QWidget*>()) {
        if (w->isHidden() || (!qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QAbstractButton*>(w)))
            continue;
        EXPECT_TRUE(foenster.contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())))
            << w->objectName().toStdString() << " " << text(foenster).toStdString();
    }
}

// Opens the item window with every column: a sound exercise, or an
// ordinary one with "Visa uttalsbeskrivning" clicked on.
std::unique_ptr<FrmRedigera> medAllaKolumner(QWidget& skrivIn, bool ljud, const QString& rad = {})
{
    auto f = std::make_unique<FrmRedigera>(&skrivIn, rad, ljud);
    visa(*f);
    auto* chk = f->findChild<QCheckBox*>("chkVisaUttal");
    if (!ljud && !chk->isChecked()) {
        const int smal = f->width();
        QTest::mouseClick(chk, Qt::LeftButton);
        EXPECT_GT(f->width(), smal);
        if (Skrivbord::inifraan())
            QTest::qWait(300);
    }
    return f;
}

// The red of the mouth as drawn in `bild`: the rectangle its pixels fill.
QRect munnensPixlar(const QImage& bild)
{
    QRect ruta;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() > c.green() + 40 && c.red() > c.blue() + 40)
                ruta |= QRect(x, y, 1, 1);
        }
    return ruta;
}

// The screen around a mouth picture.
QImage runtMunnen(const QLabel& mun, QPoint& hoern)
{
    const QRect omraade = QRect(mun.mapToGlobal(QPoint(0, 0)), mun.size()).adjusted(-20, -20, 20, 20);
    hoern = omraade.topLeft();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, omraade.x(), omraade.y(), omraade.width(), omraade.height())
        .toImage();
}

// The mouth picture as the screen shows it.
QRect munnenPaaSkaermen(const QLabel& mun)
{
    QPoint hoern;
    return munnensPixlar(runtMunnen(mun, hoern)).translated(hoern);
}

// How large the mouth is drawn at the training window's size, on the
// background the screen shows around `mun` (its edges blend into it).
QSize munnenRitadIRaettStorlek(const QLabel& mun)
{
    QPoint hoern;
    QImage bild(Munbild::storlek(), QImage::Format_RGB32);
    bild.fill(runtMunnen(mun, hoern).pixelColor(0, 0));
    QPainter(&bild).drawPixmap(0, 0, frmBilder().imaMun(Munbild::storlek()));
    return munnensPixlar(bild).size();
}

class SkaermgraensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        modPluvo().TalFinns = true;
        ASSERT_TRUE(TestSupport::skrivWav(ljud(), 1000));
    }
    void TearDown() override { Skaerm::saettStorlek({}); }

    QString ljud() const { return mapp.filePath("hund.wav"); }

    QTemporaryDir mapp;
};

}  // namespace

TEST_F(SkaermgraensTest, EnSkaermSmalareAenFoenstretKrymperRutorna)
{
    Skaerm::saettStorlek(QSize(1600, 900));
    QWidget skrivIn;
    skrivIn.resize(1400, 700);
    skrivIn.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&skrivIn));
    const int bred = FrmRedigera(&skrivIn, "", true).findChild<QLineEdit*>("txtRedigera1")->width();

    Skaerm::saettStorlek(QSize(800, 600));
    FrmRedigera f(&skrivIn, "", true);
    visa(f);
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(ramen(f))) << text(ramen(f)).toStdString();
    EXPECT_LT(f.findChild<QLineEdit*>("txtRedigera1")->width(), bred);
    kontrollerInomFoenstret(f);
}

TEST_F(SkaermgraensTest, MunnenHarTraeningsfoenstretsStorlek)
{
    QTemporaryDir program;
    const QSize traening = TestSupport::startaTraeningsfoenster(program.path())->imaMun->size();
    EXPECT_EQ(Munbild::storlek(), traening);

    FrmSkrivIn skrivIn(nullptr, "gls", {});
    visa(skrivIn);
    FrmRedigera f(&skrivIn, "hund[" + ljud() + "]", true);
    visa(f);
    const QLabel* mun = f.findChild<QLabel*>("imaMun");
    EXPECT_EQ(mun->size(), traening);
    FrmKlipp klipp(&f, ljud());
    visa(klipp);
    const QLabel* klippMun = klipp.findChild<QLabel*>("imaMun");
    EXPECT_EQ(klippMun->size(), traening);
    EXPECT_EQ(klippMun->mapToGlobal(QPoint(0, 0)), mun->mapToGlobal(QPoint(0, 0)));
}

// --- On a desktop ---

TEST(Skaermgraens, FoenstrenPaaEttSkrivbordMedFoensterhanterare)
{
    if (Skrivbord::inifraan())
        GTEST_SKIP() << "inside the desktop";
    if (!Skrivbord::saknas().isEmpty())
        GTEST_SKIP() << "needs " << Skrivbord::saknas().toStdString();
    for (const QSize skaerm : {QSize(1024, 768), QSize(800, 600)})
        EXPECT_TRUE(Skrivbord::koer("SkaermgraensInifraan.*", skaerm)) << skaerm.width() << "x" << skaerm.height();
}

using SkaermgraensInifraan = SkaermgraensTest;

TEST_F(SkaermgraensInifraan, RamarnaOchMunnenPaaSkaermen)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    const QRect yta = QGuiApplication::primaryScreen()->availableGeometry();
    for (const bool ljudOevning : {true, false}) {
        FrmSkrivIn skrivIn(nullptr, ljudOevning ? "gls" : "rtt", {});
        visa(skrivIn);
        auto f = medAllaKolumner(skrivIn, ljudOevning, ljudOevning ? "hund[" + ljud() + "]" : "katt[kat]");
        const QRect ram = ramen(*f);
        EXPECT_TRUE(yta.contains(ram)) << text(ram).toStdString() << " on " << text(yta).toStdString();
        EXPECT_EQ(ram.right(), yta.right());
        EXPECT_GT(ram.top(), ramen(skrivIn).top()) << "below the editor's caption";
        kontrollerInomFoenstret(*f);
        if (!ljudOevning)
            continue;

        const QLabel& mun = *f->findChild<QLabel*>("imaMun");
        const QSize ritad = munnenRitadIRaettStorlek(mun);
        EXPECT_NEAR(munnenPaaSkaermen(mun).width(), ritad.width(), 1) << text(munnenPaaSkaermen(mun)).toStdString();
        EXPECT_NEAR(munnenPaaSkaermen(mun).height(), ritad.height(), 1);
        FrmKlipp klipp(f.get(), ljud());
        visa(klipp);
        EXPECT_EQ(ramen(klipp), ram);
        const QLabel& klippMun = *klipp.findChild<QLabel*>("imaMun");
        EXPECT_EQ(munnenPaaSkaermen(klippMun), munnenPaaSkaermen(mun));
    }
}
