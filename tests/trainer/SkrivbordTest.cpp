// The training window on a real desktop: an X server (Xvfb, 1024x768) with
// a window manager (openbox). The outer test starts that desktop and runs
// this program's inner test on it; the inner test starts the window as the
// program does, splash included, and drives it with X's own pointer and keys.
#include "common/ModPluvo.h"
#include "common/Twips.h"
#include "platform/ProgramFolder.h"
#include "support/Skrivbord.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// Sends keys through X, as a keyboard does.
void xTangent(const QString& tangent)
{
    QProcess::execute("xdotool", {"key", tangent});
}

}  // namespace

TEST(Skrivbord, TheWindowLiesOnTheScreenAndTheFirstEnterRunsPluvo)
{
    if (Skrivbord::inifraan())
        GTEST_SKIP() << "inside the desktop";
    if (!Skrivbord::saknas().isEmpty())
        GTEST_SKIP() << "needs " << Skrivbord::saknas().toStdString();
    EXPECT_TRUE(Skrivbord::koer("SkrivbordInifraan.*", QSize(1024, 768)));
}

TEST(SkrivbordInifraan, WindowOnADesktop)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    nyStart();
    QTemporaryDir program;
    skrivFil(program.path() + "/Ord.rtt", "hund (dog)\r\nkatt (cat)\r\n");
    skrivInstaellning("Aktuell", "Filnamn", program.path() + "/Ord.rtt");
    ProgramMapp::saett(program.path());
    MsgBoxInspelare meddelanden;  // a voice that cannot be restored

    const QRect skaerm = QGuiApplication::primaryScreen()->geometry();
    // The pointer rests mid-screen, where the menu's "Test" item will be.
    QCursor::setPos(skaerm.center());
    FrmPluvo::utanStartbild = false;
    FrmPluvo f;
    f.Form_Load();
    FrmPluvo::utanStartbild = true;

    // The manager's frame and the granted size arrive in their own time.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.isMaximized() && f.frameGeometry() != f.geometry(); }, 10000));
    QTest::qWait(500);

    EXPECT_EQ(f.windowTitle(), "Pluvo 7.0");
    EXPECT_TRUE(skaerm.contains(f.frameGeometry())) << f.frameGeometry().bottom();
    EXPECT_LT(f.geometry().top(), skaerm.height() / 10) << "a caption bar, not lost off the screen";
    const ModPluvo& m = modPluvo();
    // The usable area is what lies below the menu bar.
    const QWidget& yta = *f.klientyta;
    EXPECT_EQ(yta.mapTo(&f, QPoint(0, 0)).y(), f.menyrad->geometry().bottom() + 1);
    EXPECT_EQ(m.SkaermHoejd, yta.height() * 15);
    EXPECT_EQ(m.SkaermBredd, yta.width() * 15);
    EXPECT_EQ(f.linRam[1].linje->geometry().bottom(), yta.height() - 1);
    EXPECT_LE(f.labAktuell->geometry().bottom(), f.linRam[1].linje->y());
    EXPECT_FALSE(f.labAktuell->isHidden());

    // The bottom band is on the screen as drawn.
    const QImage bild = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QPoint band = yta.mapToGlobal(QPoint(yta.width() / 2, f.linRam[1].linje->geometry().center().y()));
    EXPECT_EQ(QColor(bild.pixel(band)), f.linRam[1].linje->palette().color(QPalette::Window));

    // The main menu opened on "Pluvo", and Enter from the keyboard runs it.
    EXPECT_EQ(f.MenyMarkoer, 0);
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.isActiveWindow(); }, 5000));
    xTangent("Return");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m.Tillstaand != Huvudmeny; }, 5000));
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
}
