// The logbook viewer: the current logbook in its frame, saved logbooks
// opened and deleted, the text sizes and reading the marked passage aloud.
#include "common/Diskett.h"
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/TextSpeaker.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"
#include "support/TraeningsFixtur.h"
#include "viewers/FrmPluvoLoggbok.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace TestSupport;

namespace {

class LoggbokVisare : public ::testing::Test {
protected:
    void SetUp() override
    {
        nyStart();
        qputenv("PLUVO_DISKETT", diskett.path().toUtf8());
        Klocka::saettNuKaella([this] { return nu; });
    }
    void TearDown() override
    {
        Klocka::saettNuKaella({});
        saettOeppnaDialogHanterare({});
        qunsetenv("PLUVO_DISKETT");
    }

    // The saved logbook a teacher picks in the open dialog.
    void vaelj(const QString& fil)
    {
        saettOeppnaDialogHanterare([this, fil](const OeppnaDialogAnrop& a) -> std::optional<QString> {
            dialoger << a;
            return fil;
        });
    }

    QString text(FrmPluvoLoggbok& f) { return f.findChild<QPlainTextEdit*>("txtHandledning")->toPlainText(); }
    bool aktuellKanVaeljas(FrmPluvoLoggbok& f) { return f.findChild<QAction*>("menAktuellLoggbok")->isEnabled(); }

    QTemporaryDir diskett;
    QDateTime nu{QDate(2026, 12, 31), QTime(23, 59, 59)};
    QList<OeppnaDialogAnrop> dialoger;
};

TEST_F(LoggbokVisare, ShowsTheCurrentLogbookInTheFrameOfTheSavedFile)
{
    FrmPluvoLoggbok f(nullptr, "**** Aktuell övning: Glosor - djur - 23:59:00 ****" + CRLF + CRLF +
                                   "Pluvo - Antal ord: 3 - 23:59:10" + CRLF, nullptr);
    EXPECT_EQ(f.windowTitle(), QString("Pluvo - Loggbok"));
    EXPECT_EQ(text(f), QString("Pluvo - Loggbok\n2026-12-31 - 23:59:59\n\n"
                               "**** Aktuell övning: Glosor - djur - 23:59:00 ****\n\n"
                               "Pluvo - Antal ord: 3 - 23:59:10\n\n\n"));
    EXPECT_FALSE(aktuellKanVaeljas(f));
    FrmPluvoLoggbok tom(nullptr, QString(), nullptr);
    EXPECT_EQ(text(tom), QString("Pluvo - Loggbok\n2026-12-31 - 23:59:59\n\n\n\n"));
}

TEST_F(LoggbokVisare, OpensASavedLogbookAndF5ReturnsToTheCurrentWithAFreshTime)
{
    // A name with capitals is shown as it is: lower-cased it would name no file.
    const QString sparad = diskett.path() + "/Sparad/Jul_20261224.SLF";
    skrivFil(sparad, ansi("Pluvo - Loggbok" + CRLF + "2026-12-24 - 15:00:00" + CRLF + CRLF + "Övningen genomförd" +
                          CRLF + CRLF + CRLF));
    vaelj(sparad);
    FrmPluvoLoggbok f(nullptr, "nu" + CRLF, nullptr);
    visa(f);

    klickaMeny(f.findChild<QAction*>("menOeppna"));
    ASSERT_EQ(dialoger.size(), 1);
    EXPECT_EQ(dialoger[0].filter, QString("Loggbok|*.slf"));
    EXPECT_EQ(QFileInfo(dialoger[0].startmapp).canonicalFilePath(), QFileInfo(diskett.path()).canonicalFilePath());
    EXPECT_EQ(text(f), QString("Pluvo - Loggbok\n2026-12-24 - 15:00:00\n\nÖvningen genomförd\n\n\n"));
    EXPECT_TRUE(aktuellKanVaeljas(f));

    nu = nu.addSecs(61);
    tryck(f, Qt::Key_F5);
    EXPECT_EQ(text(f), QString("Pluvo - Loggbok\n2027-01-01 - 00:01:00\n\nnu\n\n\n"));
    EXPECT_FALSE(aktuellKanVaeljas(f));
}

TEST_F(LoggbokVisare, AMissingFileOrDisketteIsAFileErrorAndKeepsTheShownText)
{
    MsgBoxInspelare svar;
    FrmPluvoLoggbok f(nullptr, "nu" + CRLF, nullptr);
    visa(f);
    const QString foere = text(f);
    vaelj(diskett.path() + "/saknas.slf");
    klickaMeny(f.findChild<QAction*>("menOeppna"));
    qputenv("PLUVO_DISKETT", (diskett.path() + "/saknas").toUtf8());
    klickaMeny(f.findChild<QAction*>("menOeppna"));
    EXPECT_EQ(dialoger.size(), 1);
    ASSERT_EQ(svar.anrop.size(), 2u);
    for (const MsgBoxAnrop& a : svar.anrop) {
        EXPECT_EQ(a.text, QString("Ett fel uppstod vid filhämtning!"));
        EXPECT_EQ(a.rubrik, QString("Öppna"));
    }
    EXPECT_EQ(text(f), foere);
    EXPECT_FALSE(aktuellKanVaeljas(f));
}

TEST_F(LoggbokVisare, APipeOrADeviceIsAFileErrorAtOnce)
{
    const QString roer = diskett.path() + "/roer.slf";
    ASSERT_EQ(mkfifo(QFile::encodeName(roer).constData(), 0600), 0);
    MsgBoxInspelare svar;
    FrmPluvoLoggbok f(nullptr, "nu" + CRLF, nullptr);
    visa(f);
    const QString foere = text(f);
    // Opened as a file, a pipe waits for a writer that never comes.
    medVakt(10, [&] {
        for (const QString& fil : {roer, QStringLiteral("/dev/zero")}) {
            vaelj(fil);
            klickaMeny(f.findChild<QAction*>("menOeppna"));
        }
    });
    ASSERT_EQ(svar.anrop.size(), 2u);
    for (const MsgBoxAnrop& a : svar.anrop)
        EXPECT_EQ(a.text, QString("Ett fel uppstod vid filhämtning!"));
    EXPECT_EQ(text(f), foere);
}

TEST_F(LoggbokVisare, DeletingAsksFirstAndAnnouncesOnlyWhatIsGone)
{
    // A name with capitals is shown as it is: lower-cased it would name no file.
    const QString sparad = diskett.path() + "/Sparad/Jul_20261224.SLF";
    skrivFil(sparad, ansi("sparad" + CRLF));
    vaelj(sparad);
    FrmPluvoLoggbok f(nullptr, QString(), nullptr);
    visa(f);
    klickaMeny(f.findChild<QAction*>("menOeppna"));

    MsgBoxInspelare svar(MsgSvar::Nej);
    klickaMeny(f.findChild<QAction*>("menTaBort"));
    ASSERT_EQ(svar.anrop.size(), 1u);
    EXPECT_EQ(svar.anrop[0].rubrik, QString("Ta bort"));
    EXPECT_EQ(svar.anrop[0].knappar, MsgKnappar::JaNej);
    EXPECT_EQ(svar.anrop[0].standard, MsgSvar::Nej);
    EXPECT_EQ(svar.anrop[0].text, "Vill du ta bort " + sparad + "?");
    EXPECT_TRUE(QFileInfo::exists(sparad));

    svar.svar = MsgSvar::Ja;
    klickaMeny(f.findChild<QAction*>("menTaBort"));
    ASSERT_EQ(svar.anrop.size(), 3u);
    EXPECT_FALSE(QFileInfo::exists(sparad));
    EXPECT_EQ(svar.anrop[2].text, sparad + " är raderad.");
    EXPECT_EQ(svar.anrop[2].rubrik, QString("Pluvo"));
    // The deleted logbook stays on the screen.
    EXPECT_EQ(text(f), QString("sparad\n"));

    // Only saved logbooks are deleted, even after Yes.
    const QString oevning = diskett.path() + "/Djur.glo";
    skrivFil(oevning, "[Pluvo 7.0.7]");
    vaelj(oevning);
    klickaMeny(f.findChild<QAction*>("menTaBort"));
    EXPECT_TRUE(QFileInfo::exists(oevning));
    ASSERT_EQ(svar.anrop.size(), 4u);
    EXPECT_EQ(svar.anrop[3].rubrik, QString("Ta bort"));
    EXPECT_FALSE(svar.anrop[3].text.contains("raderad"));
}

TEST_F(LoggbokVisare, ReadsTheMarkedPassageWithVoiceOneAndKeepsTheMarking)
{
    modPluvo().TalFinns = true;
    TextSpeaker roest;
    QSignalSpy talade(&roest, &TextSpeaker::talade);
    QSignalSpy tystades(&roest, &TextSpeaker::tystades);
    FrmPluvoLoggbok f(nullptr, "ett två" + CRLF + "tre" + CRLF, &roest);
    visa(f);
    auto* txt = f.findChild<QPlainTextEdit*>("txtHandledning");
    auto* cmdLaes = f.findChild<QPushButton*>("cmdLaes");
    ASSERT_FALSE(cmdLaes->isHidden());
    EXPECT_EQ(cmdLaes->text(), QString("&Läs upp markerat stycke"));

    // Mark "två" and the next line with the keyboard, from the start of the
    // logbook's third line.
    txt->setFocus();
    QTest::keyClick(txt, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(txt, Qt::Key_Down);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(txt, Qt::Key_Right);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(txt, Qt::Key_Right, Qt::ShiftModifier);
    const int boerjan = txt->textCursor().selectionStart();

    QTest::mouseClick(cmdLaes, Qt::LeftButton);
    EXPECT_EQ(tystades.count(), 1);
    ASSERT_EQ(talade.count(), 1);
    EXPECT_EQ(talade.at(0).at(0).toString(), "två" + CRLF + "tre");
    EXPECT_EQ(QApplication::focusWidget(), txt);
    EXPECT_EQ(txt->textCursor().selectionStart(), boerjan);
    EXPECT_EQ(txt->textCursor().selectionEnd(), boerjan + 7);

    // Nothing marked speaks the empty text.
    QTest::keyClick(txt, Qt::Key_Right);
    QTest::mouseClick(cmdLaes, Qt::LeftButton);
    ASSERT_EQ(talade.count(), 2);
    EXPECT_EQ(talade.at(1).at(0).toString(), QString());

    // Closing stops the voice and gives it back.
    tryck(f, Qt::Key_F1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(tystades.count(), 3);
    EXPECT_EQ(f.tspRoest1, nullptr);
}

TEST_F(LoggbokVisare, TheTwoTextSizesTakeTurns)
{
    FrmPluvoLoggbok f(nullptr, QString(), nullptr);
    visa(f);
    auto* txt = f.findChild<QPlainTextEdit*>("txtHandledning");
    auto* mindre = f.findChild<QPushButton*>("comStorlek0");
    auto* stoerre = f.findChild<QPushButton*>("comStorlek1");
    EXPECT_EQ(txt->font().pointSizeF(), 12);
    EXPECT_TRUE(mindre->isHidden());
    EXPECT_EQ(stoerre->toolTip(), QString("Öka teckenstorleken"));

    QTest::mouseClick(stoerre, Qt::LeftButton);
    EXPECT_EQ(txt->font().pointSizeF(), 20);
    EXPECT_TRUE(stoerre->isHidden());
    EXPECT_FALSE(mindre->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), mindre);

    QTest::keyClick(mindre, Qt::Key_Space);
    EXPECT_EQ(txt->font().pointSizeF(), 12);
    EXPECT_FALSE(stoerre->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), stoerre);
}

TEST_F(LoggbokVisare, ASoundExerciseShowsItsBackgroundAndNoSpeechNoReadButton)
{
    modPluvo().OevningsTyp = 5;
    modPluvo().TalFinns = false;
    TextSpeaker roest;
    FrmPluvoLoggbok f(nullptr, QString(), &roest);
    EXPECT_EQ(f.findChild<QLabel*>("imaRekord")->pixmap().toImage(), frmBilder().imaLjud().toImage());
    EXPECT_NE(f.findChild<QLabel*>("imaMun"), nullptr);
    EXPECT_TRUE(f.findChild<QPushButton*>("cmdLaes")->isHidden());
}

}  // namespace
