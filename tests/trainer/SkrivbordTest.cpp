// The training window on a real X server (Xvfb, 1024x768), with a window
// manager (openbox) and without one, and a key held down there. The outer test starts that desktop and
// runs this program's inner tests on it; the inner tests start the window
// as the program does, splash included, and drive it with X's own keys.
#include "common/ModPluvo.h"
#include "platform/ProgramFolder.h"
#include "support/AnnatProgram.h"
#include "support/Foensterstyrning.h"
#include "support/Skaermbild.h"
#include "support/Skrivbord.h"
#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"
#include "trainer/TangentFaangare.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QListWidget>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

using namespace TestSupport;

namespace {

// One key through X, as a keyboard sends it; the window goes on handling
// its events meanwhile, so a menu can open before the next key.
void xTangent(const QString& tangent)
{
    QProcess xdotool;
    xdotool.start("xdotool", {"key", tangent});
    EXPECT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 5000));
    QTest::qWait(150);
}

// Starts the window as the program does, with an exercise in its folder
// and the settings `instaellningar` (section, key, value) stored before.
std::unique_ptr<FrmPluvo> startaPaaSkrivbordet(const QTemporaryDir& program,
                                               const QList<QStringList>& instaellningar = {})
{
    nyStart();
    for (const QStringList& i : instaellningar)
        skrivInstaellning(i[0], i[1], i[2]);
    skrivFil(program.path() + "/Ord.rtt", "[Pluvo 7.0.7]\r\nhund (dog)\r\nkatt (cat)\r\n");
    skrivInstaellning("Aktuell", "Filnamn", program.path() + "/Ord.rtt");
    ProgramMapp::saett(program.path());
    MsgBoxInspelare roester;  // a voice that cannot be restored
    FrmPluvo::utanStartbild = false;
    auto f = std::make_unique<FrmPluvo>();
    f->Form_Load();
    FrmPluvo::utanStartbild = true;
    return f;
}

// Runs `goer` on the next window that opens above `under` (null: above
// the training window) once it has the keyboard, from inside that window's
// own event loop, as the window that opened it waits.
void medNaestaFoenster(QWidget* under, std::function<void(QWidget&)> goer)
{
    medModal(std::move(goer), [under](QWidget& w) { return &w != under && w.isActiveWindow(); });
}

// Holds a key down through X for two seconds, then lets it go; what the
// window wrote meanwhile. The window meets each event as it comes, in an
// event loop of its own as in the program (QTest::qWait would look only
// every few milliseconds).
QString haallIn(FrmPluvo& f, const QString& tangent)
{
    const qsizetype foere = f.txtLoggbok.text().size();
    EXPECT_EQ(QProcess::execute("xdotool", {"keydown", tangent}), 0);
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(QProcess::execute("xdotool", {"keyup", tangent}), 0);
    QTest::qWait(500);
    return f.txtLoggbok.text().mid(foere);
}

// Whether X has given the keyboard to one of Pluvo's own windows.
bool pluvoHarTangentbordet()
{
    QProcess xdotool;
    xdotool.start("xdotool", {"getwindowfocus"});
    xdotool.waitForFinished(5000);
    const WId fokus = xdotool.readAllStandardOutput().trimmed().toULong();
    for (const QWindow* w : QGuiApplication::allWindows())
        if (w->handle() && w->winId() == fokus)
            return true;
    return false;
}

class Skrivbordet : public ::testing::TestWithParam<bool> {};

}  // namespace

TEST_P(Skrivbordet, TheWindowWorksOnTheDesktop)
{
    if (Skrivbord::inifraan())
        GTEST_SKIP() << "inside the desktop";
    if (!Skrivbord::saknas().isEmpty())
        GTEST_SKIP() << "needs " << Skrivbord::saknas().toStdString();
    EXPECT_TRUE(Skrivbord::koer("SkrivbordInifraan.*", QSize(1024, 768), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Hanterare, Skrivbordet, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& fall) {
                             return fall.param ? "medOpenbox" : "utanFoensterhanterare";
                         });

TEST(HaallenTangent, AHeldKeyTypesOnceWithoutRepetitionOnAQuietAndABusyDesktop)
{
    if (Skrivbord::inifraan())
        GTEST_SKIP() << "inside the desktop";
    if (!Skrivbord::saknas().isEmpty())
        GTEST_SKIP() << "needs " << Skrivbord::saknas().toStdString();
    EXPECT_TRUE(Skrivbord::koer("HaallenTangentInifraan.*", QSize(1024, 768), false));
}

TEST(HaallenTangentInifraan, AHeldLetterTypesOnceAndAHeldArrowStepsOn)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    ASSERT_EQ(QProcess::execute("xset", {"r", "on"}), 0) << "the X server repeats held keys";
    QTemporaryDir program;
    auto f = startaPaaSkrivbordet(program);
    ModPluvo& m = modPluvo();
    m.TavlaPaa = true;  // the board, stepped by keys
    m.MusStyrning = false;
    laddaIn({rad("banan")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow() && f->picTaTangent->hasFocus(); }, 5000));
    xTangent("Return");  // "Pluvo"
    xTangent("Return");  // the word hides
    xTangent("b");
    ASSERT_EQ(m.Tillstaand, PluvoSkriver);

    m.SpaerraRepetition = false;
    EXPECT_GE(haallIn(*f, "x").count('x'), 10) << "with repetition on";
    m.SpaerraRepetition = true;
    EXPECT_EQ(haallIn(*f, "x"), "\\x") << "on a quiet machine";
    std::deque<QProcess> slingor(size_t(QThread::idealThreadCount()));  // every core kept busy
    for (QProcess& slinga : slingor)
        slinga.start("sh", {"-c", "while :; do :; done"});
    EXPECT_EQ(haallIn(*f, "x"), "\\x") << "with every core busy";
    for (QProcess& slinga : slingor) {
        slinga.kill();
        slinga.waitForFinished();
    }

    // The marker runs from the upper row's left to its right end.
    xTangent("Up");
    haallIn(*f, "Right");
    EXPECT_TRUE(f->labSiffertavla[14]->Bold());
}

TEST(SkrivbordInifraan, TheWindowLiesOnTheScreenWithBothBandsAndTakesTheKeys)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    QTemporaryDir program;
    const QRect skaerm = QGuiApplication::primaryScreen()->geometry();
    // The pointer rests mid-screen, where the menu's "Test" item will be.
    QCursor::setPos(skaerm.center());
    auto f = startaPaaSkrivbordet(program);

    if (Skrivbord::medHanterare()) {
        // The manager's frame and the granted size arrive in their own time.
        EXPECT_TRUE(QTest::qWaitFor([&] { return f->isMaximized() && f->frameGeometry() != f->geometry(); }, 10000));
        EXPECT_LT(f->geometry().top(), skaerm.height() / 10) << "a caption bar, not lost off the screen";
    }
    QTest::qWait(500);
    EXPECT_EQ(f->windowTitle(), "Pluvo 7.0");
    EXPECT_TRUE(skaerm.contains(f->frameGeometry())) << f->frameGeometry().bottom();
    const ModPluvo& m = modPluvo();
    // The usable area is what lies below the menu bar.
    const QWidget& yta = *f->klientyta;
    EXPECT_EQ(yta.mapToGlobal(QPoint(0, 0)).y(), f->menyrad->mapToGlobal(QPoint(0, f->menyrad->height())).y());
    EXPECT_EQ(m.SkaermHoejd, yta.height() * 15);
    EXPECT_EQ(m.SkaermBredd, yta.width() * 15);
    EXPECT_FALSE(f->labAktuell->isHidden());

    // Down the middle of the screen: the frame's top line, then both bands,
    // the bottom one as thick as the top one and whole at the screen's foot.
    const Skaermbild bild = Skaermbild::avSkaermen();
    const QRgb bandfaerg = f->linRam[1].linje->palette().color(QPalette::Window).rgb();
    const QList<int> band = bild.band(skaerm.center().x(), bandfaerg);
    ASSERT_EQ(band.size(), 3);
    EXPECT_EQ(band[2], band[1]);
    EXPECT_EQ(bild.pixel({skaerm.center().x(), paaSkaermen(&yta).bottom()}), bandfaerg);
    EXPECT_LE(paaSkaermen(f->labAktuell).bottom(), paaSkaermen(&yta).bottom() - band[2]);

    // When the splash has gone the window has the keyboard, and the main
    // menu, opened on "Pluvo", runs it with Enter.
    EXPECT_EQ(f->MenyMarkoer, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow(); }, 5000));
    xTangent("Return");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m.Tillstaand != Huvudmeny; }, 5000));
    EXPECT_EQ(m.Tillstaand, PluvoVisar);
}

TEST(SkrivbordInifraan, KeysReachTheWindowAfterEveryWindowAndMenuCloses)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    QTemporaryDir program;
    auto f = startaPaaSkrivbordet(program);

    // Space moves the main menu's highlight: proof that a typed key got in.
    const auto tarTangenter = [&](const char* efter) {
        const bool aktivt = QTest::qWaitFor([&] { return f->isActiveWindow() && f->picTaTangent->hasFocus(); }, 5000);
        EXPECT_TRUE(aktivt) << "after " << efter;
        const int foere = f->MenyMarkoer;
        xTangent("space");
        EXPECT_TRUE(QTest::qWaitFor([&] { return f->MenyMarkoer != foere; }, 3000)) << "after " << efter;
    };
    const auto oeppnat = [](QWidget* w) { return QTest::qWaitFor([w] { return w->isVisible(); }, 5000); };
    // Keys that close a window, sent to it once it has the keyboard.
    const auto staeng = [](QWidget* under, const QStringList& tangenter) {
        medNaestaFoenster(under, [tangenter](QWidget& w) {
            for (const QString& tangent : tangenter)
                xTangent(tangent);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 5000)) << w.windowTitle().toStdString();
        });
    };
    tarTangenter("the splash");

    xTangent("alt+a");
    ASSERT_TRUE(oeppnat(f->menArkiv));
    xTangent("Escape");
    tarTangenter("a menu of the menu bar");

    xTangent("alt+v");
    ASSERT_TRUE(oeppnat(f->menVerktyg));
    xTangent("i");
    staeng(nullptr, {"Escape"});
    xTangent("Return");  // "Ändra..."
    tarTangenter("the settings window");

    xTangent("alt+v");
    ASSERT_TRUE(oeppnat(f->menVerktyg));
    xTangent("s");
    staeng(nullptr, {"alt+a", "a"});  // "Avsluta"
    xTangent("r");  // a new spelling exercise in the editor
    tarTangenter("the editor");

    // The lock dialog and its message close together after the fourth
    // wrong code.
    xTangent("F9");
    xTangent("alt+v");
    ASSERT_TRUE(oeppnat(f->menVerktyg));
    xTangent("Up");  // the lock entry, last in the menu
    medNaestaFoenster(nullptr, [&](QWidget& laas) {
        for (int foersoek = 0; foersoek < 4; ++foersoek) {
            staeng(&laas, {"Return"});
            xTangent("Return");  // OK without a code
        }
        EXPECT_FALSE(laas.isVisible());
    });
    xTangent("Return");
    EXPECT_FALSE(f->menLaas->isEnabled());
    tarTangenter("the lock dialog and its message");
}

TEST(SkrivbordInifraan, TheFirstRunATestShowsTheWholeBoardWithItsMarkerAndEnterChoosesIt)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    QTemporaryDir program;
    // Yellow on black, the board stepped by two to five keys.
    auto f = startaPaaSkrivbordet(program, {{"Utseende", "Stil", "0"}, {"Styrning", "Alternativ", "2"}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow() && f->picTaTangent->hasFocus(); }, 5000));
    xTangent("t");  // "Test", the first run since the start
    ASSERT_TRUE(QTest::qWaitFor([&] { return modPluvo().Tillstaand == TestSkriver; }, 5000));
    QTest::qWait(300);

    // Every cell's letter stands out on its cell, and one element is marked:
    // the one whose edge is not the window's background.
    const Skaermbild bild = Skaermbild::avSkaermen();
    const QRgb bakgrund = bild.bakgrund(paaSkaermen(f->labAktuell));
    std::vector<Etikett*> element(f->labSiffertavla.begin(), f->labSiffertavla.end());
    element.push_back(f->picNaesta);
    element.push_back(f->picBakaat);
    std::vector<Etikett*> markerade;
    for (Etikett* e : element)
        if (skillnad(bild.pixel(paaSkaermen(e).topLeft() + QPoint(2, 2)), bakgrund) > 60)
            markerade.push_back(e);
    ASSERT_EQ(markerade.size(), 1u) << "one marked element";
    for (int i = 0; i < 26; ++i)
        EXPECT_GE(bild.kontrast(textenPaaSkaermen(f->labSiffertavla[size_t(i)])), 3) << "cell " << i;

    // Enter chooses what the pupil sees marked: here a cell, typed as its letter.
    const QString tecken = markerade[0]->Caption();
    ASSERT_EQ(tecken.size(), 1) << "a cell, where the cursor stood since the start";
    const qsizetype foere = f->txtLoggbok.text().size();
    xTangent("Return");
    EXPECT_TRUE(f->txtLoggbok.text().mid(foere).endsWith(" - " + tecken)) << f->txtLoggbok.text().toStdString();
}

TEST(SkrivbordInifraan, KeysComeBackWhenTheEditorAndItsQuestionCloseTogether)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    QTemporaryDir program;
    auto f = startaPaaSkrivbordet(program);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow() && f->picTaTangent->hasFocus(); }, 5000));

    xTangent("alt+v");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->menVerktyg->isVisible(); }, 5000));
    xTangent("s");
    medNaestaFoenster(nullptr, [](QWidget& redigerare) {
        // One word, never saved; then Avsluta, and "Nej" to saving it.
        const QListWidget* lista = redigerare.findChild<QListWidget*>();
        medNaestaFoenster(&redigerare, [&redigerare, lista](QWidget& uppgift) {
            // The item window opens again for the next word: "Stäng".
            medModal([](QWidget&) { xTangent("alt+s"); },
                     [lista, titel = uppgift.windowTitle()](QWidget& w) {
                         return w.windowTitle() == titel && lista->count() == 1 && w.isActiveWindow();
                     });
            for (const char* tangent : {"s", "o", "l", "Return"})
                xTangent(tangent);
        });
        xTangent("alt+s");  // "Skriv in"
        // "Nej" clicked once the question has been read, so that the question
        // and the editor close together. A window manager may put the
        // keyboard on a window of its own in that moment (openbox does, one
        // time in two): here it always has.
        QTimer::singleShot(2000, [] {
            QProcess::execute("sh", {"-c", "w=$(xprop -root _NET_SUPPORTING_WM_CHECK | grep -o '0x[0-9a-f]*') "
                                           "&& xdotool windowfocus --sync $w"});
            for (QAbstractButton* knapp : QApplication::activeModalWidget()->findChildren<QAbstractButton*>())
                if (knapp->text() == "&Nej")
                    QTest::mouseClick(knapp, Qt::LeftButton);
        });
        // Closed by the window manager where there is one, else "Avsluta".
        if (Skrivbord::medHanterare()) {
            xTangent("alt+F4");
        } else {
            xTangent("alt+a");
            xTangent("a");
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return !redigerare.isVisible(); }, 5000));
    });
    xTangent("r");  // a new spelling exercise

    EXPECT_TRUE(QTest::qWaitFor(pluvoHarTangentbordet, 5000)) << "X gives Pluvo the keyboard";
    const int foere = f->MenyMarkoer;
    xTangent("space");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->MenyMarkoer != foere; }, 3000)) << "a key reaches the window";
}

TEST(AnnatProgram, KeepsTheKeyboardAndTheTopWhenPluvosSplashOrMenuCloses)
{
    if (Skrivbord::inifraan())
        GTEST_SKIP() << "inside the desktop";
    if (!Skrivbord::saknas().isEmpty())
        GTEST_SKIP() << "needs " << Skrivbord::saknas().toStdString();
    EXPECT_TRUE(Skrivbord::koer("AnnatProgramInifraan.*", QSize(1024, 768)));
}

TEST(AnnatProgramInifraan, KeepsTheKeyboardAndTheTopWhenPluvosSplashOrMenuCloses)
{
    if (!Skrivbord::inifraan())
        GTEST_SKIP() << "runs inside the desktop test";
    QTemporaryDir program;
    const auto behaaller = [](const AnnatProgram& annat, const char* naer) {
        // Long enough for a window that takes the keyboard to have it.
        QTest::qWait(1000);
        EXPECT_TRUE(annat.harTangentbordet()) << naer;
        EXPECT_TRUE(annat.oeverst()) << naer;
    };

    // Another program opens while the splash shows.
    std::unique_ptr<AnnatProgram> annat;
    bool medanStartbilden = false;
    QTimer::singleShot(500, [&] {
        annat = std::make_unique<AnnatProgram>();
        medanStartbilden = annat->faarTangentbordet(2000) && QApplication::activeModalWidget();
    });
    auto f = startaPaaSkrivbordet(program);
    ASSERT_TRUE(annat && annat->uppe());
    ASSERT_TRUE(medanStartbilden) << "the other program had the keyboard before the splash ended";
    behaaller(*annat, "after the splash");

    // Pluvo's own menu, then another program, then the menu closes.
    annat.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow(); }, 5000));
    xTangent("alt+a");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->menArkiv->isVisible(); }, 5000));
    annat = std::make_unique<AnnatProgram>();
    ASSERT_TRUE(annat->faarTangentbordet());
    if (f->menArkiv->isVisible())
        xTangent("Escape");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f->menArkiv->isVisible(); }, 5000));
    behaaller(*annat, "after the menu");

    // Pluvo's own windows still hand the keys on among themselves.
    annat.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow(); }, 5000));
    xTangent("alt+a");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->menArkiv->isVisible(); }, 5000));
    xTangent("Escape");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->isActiveWindow() && f->picTaTangent->hasFocus(); }, 5000));

    // A menu opened, another program takes the keyboard and goes; back in
    // Pluvo, "h" chooses "Hämta" on the window, not "Hjälp" in the menu bar.
    xTangent("alt+a");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->menArkiv->isVisible(); }, 5000));
    annat = std::make_unique<AnnatProgram>();
    ASSERT_TRUE(annat->faarTangentbordet());
    annat.reset();
    ASSERT_TRUE(QTest::qWaitFor(pluvoHarTangentbordet, 5000));
    QTest::qWait(500);
    xTangent("h");
    EXPECT_TRUE(QTest::qWaitFor([&] { return modPluvo().Tillstaand == HaemtaMeny; }, 3000));
    EXPECT_FALSE(f->menHjaelp->isVisible());
}
