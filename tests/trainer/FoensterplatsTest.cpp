// Windows on a desktop with a window manager (Xvfb with openbox), moved and
// restored through the manager with X's own pointer: a dialog stays where
// the teacher drops it and opens on the screen again; the training window,
// restored and maximized again during a run, keeps its word and explanation
// on one line and both bands whole on the screen, and a restored viewer
// lies on the screen too.
#include "common/ModPluvo.h"
#include "settings/FrmLogin.h"
#include "support/Foensterstyrning.h"
#include "support/Skaermbild.h"
#include "support/Skrivbord.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QString text(const QRect& r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect ramen(const QWidget& w)
{
    return w.windowHandle()->frameGeometry();
}

QRect ytan()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The middle of the window's caption bar, where the manager takes hold.
QPoint rubriken(const QWidget& w)
{
    const QRect ram = ramen(w);
    return {ram.center().x(), (ram.top() + w.geometry().top()) / 2};
}

void xdotool(const QStringList& ord)
{
    EXPECT_EQ(QProcess::execute("xdotool", ord), 0) << ord.join(' ').toStdString();
}

// Waits until the window stands still: the same frame for half a second.
void tillsStilla(const QWidget& w)
{
    QRect foerra;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const QRect nu = ramen(w);
        const bool stilla = nu == foerra && nu != w.geometry();
        foerra = nu;
        QTest::qWait(250);
        return stilla;
    }, 5000)) << "the window did not come to rest in a frame";
}

void visaInramat(QWidget& w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    tillsStilla(w);
}

// Every letter of the row stands on the first one's line, inside the
// window and on the screen.
void paaEnRad(const std::vector<Etikett*>& rad, int laengd, const QWidget& f)
{
    const QRect foenster(f.mapToGlobal(QPoint(0, 0)), f.size());
    for (int i = 0; i < laengd; ++i) {
        const QRect bokstav = paaSkaermen(rad[size_t(i)]);
        EXPECT_EQ(bokstav.top(), paaSkaermen(rad[0]).top()) << i;
        EXPECT_TRUE(foenster.contains(bokstav) && ytan().contains(bokstav))
            << i << " " << text(bokstav).toStdString() << " in " << text(foenster).toStdString();
        if (i > 0) {
            EXPECT_EQ(bokstav.left(), paaSkaermen(rad[size_t(i - 1)]).right() + 1) << i;
        }
    }
}

void heltPaaSkaermen(const FrmPluvo& f)
{
    EXPECT_TRUE(ytan().contains(ramen(f))) << text(ramen(f)).toStdString() << " on " << text(ytan()).toStdString();
    paaEnRad(f.labOrd, f.OrdLaengd, f);
    paaEnRad(f.labFoerklaring, f.FoerklaringLaengd, f);
    for (const auto& band : f.linRam)
        EXPECT_TRUE(ytan().contains(paaSkaermen(band.linje))) << text(paaSkaermen(band.linje)).toStdString();
    EXPECT_TRUE(ytan().contains(paaSkaermen(f.labAktuell)));
    EXPECT_LT(paaSkaermen(f.labAktuell).bottom(), paaSkaermen(f.linRam[1].linje).top());
}

}  // namespace

TEST(Foensterplats, WindowsOnADesktopWithAWindowManager)
{
    if (Skrivbord::inifraan())
        GTEST_SKIP() << "inside the desktop";
    if (!Skrivbord::saknas().isEmpty())
        GTEST_SKIP() << "needs " << Skrivbord::saknas().toStdString();
    for (const QSize skaerm : {QSize(1024, 768), QSize(800, 600)})
        EXPECT_TRUE(Skrivbord::koer("FoensterplatsInifraan.*", skaerm)) << skaerm.width() << "x" << skaerm.height();
}

TEST(FoensterplatsInifraan, ADialogStaysWhereItIsDroppedAndOpensOnTheScreenAgain)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    nyStart();
    FrmLogin d(nullptr);
    visaInramat(d);
    ASSERT_TRUE(ytan().contains(ramen(d)));

    // Dragged by its caption until two thirds of it lie beyond the right edge.
    const QPoint fraan = rubriken(d);
    const QRect foere = ramen(d);
    const int steg = ytan().right() - foere.width() / 3 - foere.left();
    xdotool({"mousemove", QString::number(fraan.x()), QString::number(fraan.y()), "mousedown", "1"});
    for (int i = 1; i <= 10; ++i)
        xdotool({"mousemove", QString::number(fraan.x() + steg * i / 10), QString::number(fraan.y() + 40 * i / 10),
                 "sleep", "0.03"});
    xdotool({"mouseup", "1"});
    tillsStilla(d);
    // The manager holds a window back a little at the screen's edge.
    const QRect slaeppt = ramen(d);
    EXPECT_GT(slaeppt.left(), foere.left() + steg - 80) << text(foere).toStdString() << " to " << text(slaeppt).toStdString();
    EXPECT_GT(slaeppt.right(), ytan().right()) << "the teacher's place is kept";
    QTest::qWait(500);
    EXPECT_EQ(ramen(d), slaeppt);

    d.hide();
    visaInramat(d);
    EXPECT_TRUE(ytan().contains(ramen(d))) << text(ramen(d)).toStdString();
}

TEST(FoensterplatsInifraan, TheTrainingWindowRestoredAndMaximizedAgainStaysWhole)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    nyStart();
    QTemporaryDir program;
    auto f = startaTraeningsfoenster(program.path());
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isMaximized(); }, 5000));
    tillsStilla(*f);
    laddaIn({rad("ocean", "ormar som rusar")});
    tryckTangent(*f, Qt::Key_Return);  // "Pluvo"
    ASSERT_EQ(modPluvo().Tillstaand, PluvoVisar);
    heltPaaSkaermen(*f);

    for (const bool maximerat : {false, true}) {
        const QPoint rubrik = rubriken(*f);
        xdotool({"mousemove", QString::number(rubrik.x()), QString::number(rubrik.y()), "click", "--repeat", "2",
                 "--delay", "80", "1"});
        ASSERT_TRUE(QTest::qWaitFor([&] { return f->isMaximized() == maximerat; }, 5000)) << maximerat;
        tillsStilla(*f);
        SCOPED_TRACE(maximerat ? "maximized again" : "restored");
        heltPaaSkaermen(*f);
    }

    // The logbook viewer opens maximized; restored with the caption's
    // maximize button, its frame lies on the screen.
    QRect aaterstaelld;
    medModal([&](QWidget& loggbok) {
        if (!QTest::qWaitFor([&] { return loggbok.isMaximized() && loggbok.windowHandle()->isExposed(); }, 5000))
            return;
        tillsStilla(loggbok);
        const QPoint knapp(ramen(loggbok).right() - 26, rubriken(loggbok).y());
        xdotool({"mousemove", QString::number(knapp.x()), QString::number(knapp.y()), "click", "1"});
        if (QTest::qWaitFor([&] { return !loggbok.isMaximized(); }, 5000)) {
            tillsStilla(loggbok);
            QTest::qWait(500);
            aaterstaelld = ramen(loggbok);
        }
    });
    klickaMeny(f->menLoggbok);
    EXPECT_TRUE(!aaterstaelld.isEmpty() && ytan().contains(aaterstaelld)) << text(aaterstaelld).toStdString();
}
