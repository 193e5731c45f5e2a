// The training window's menu bar: which entries are offered when, the runs
// it starts, the windows it opens with the one-key scan held, the editor's
// hand-over and the settings lock.
#include "common/FrmAbout.h"
#include "common/ModPluvo.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/SettingsStore.h"
#include "settings/FrmLogin.h"
#include "settings/Instaellningsfoenster.h"
#include "support/TraeningsFixtur.h"
#include "trainer/TangentFaangare.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class MenyradTest : public OevningsmappFixtur {
protected:
    void TearDown() override
    {
        saettInstaellningsfoensterHanterare({});
        saettOeppnaDialogHanterare({});
    }

    // Opens a top menu of the bar with a click, as the pupil does, and
    // gives the menu that dropped down.
    static QMenu* oeppna(FrmPluvo& f, QMenu* meny)
    {
        QMenuBar* rad = f.menyrad;
        QTest::mouseClick(rad, Qt::LeftButton, {}, rad->actionGeometry(meny->menuAction()).center());
        EXPECT_TRUE(meny->isVisible());
        return meny;
    }

    // Chooses an entry by clicking through the bar and every submenu on its
    // way, as the pupil does.
    static void vaelj(FrmPluvo& f, QAction* post)
    {
        QList<QMenu*> vaeg;
        for (auto* m = qobject_cast<QMenu*>(post->parent()); m; m = qobject_cast<QMenu*>(m->parent()))
            vaeg.prepend(m);
        oeppna(f, vaeg.first());
        for (qsizetype i = 1; i < vaeg.size(); ++i) {
            QMenu* foeraelder = vaeg[i - 1];
            const QPoint p = foeraelder->actionGeometry(vaeg[i]->menuAction()).center();
            QTest::mouseMove(foeraelder, p);
            QTest::mouseClick(foeraelder, Qt::LeftButton, {}, p);
            ASSERT_TRUE(vaeg[i]->isVisible()) << vaeg[i]->title().toStdString();
        }
        QMenu* sista = vaeg.last();
        const QPoint p = sista->actionGeometry(post).center();
        QTest::mouseMove(sista, p);
        QTest::mouseClick(sista, Qt::LeftButton, {}, p);
        for (QMenu* m : vaeg)
            m->close();
    }

    // Runs `medan` once the next modal window is up, then closes it if it
    // is still open. The fixture's answerer stays out of the way meanwhile.
    void medanModal(std::function<void(QWidget*)> medan)
    {
        m_meddelanden.medanOeppet = [] { return false; };
        auto* tittare = new QTimer;
        QObject::connect(tittare, &QTimer::timeout, [this, tittare, medan] {
            QPointer<QWidget> w = QApplication::activeModalWidget();
            if (!w)
                return;
            tittare->stop();
            tittare->deleteLater();
            medan(w);
            if (w && w->isVisible())
                w->close();
            m_meddelanden.medanOeppet = {};
        });
        tittare->start(10);
    }

    static void aktivera(FrmPluvo& f)
    {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    }

    // Runs of a spelling exercise that turns in neither direction.
    std::unique_ptr<FrmPluvo> medRaettstavning()
    {
        skrivOevning("a.rtt", "hund\r\nkatt\r\n");
        skrivInstaellning("Visa", "VaendRtt", "False");
        return starta("a.rtt");
    }
};

}  // namespace

TEST_F(MenyradTest, NothingLoadedOffersLoadingButNoRun)
{
    auto f = starta();
    oeppna(*f, f->menOevning);
    EXPECT_TRUE(f->menVal->isEnabled());
    for (QAction* a : {f->menPluvo, f->menPluvoNormal, f->menPluvoOmvaend, f->menLaes, f->menLaesNormal,
                       f->menLaesOmvaend, f->menTest, f->menTestNormal, f->menTestOmvaend, f->menAvbryt})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(f->menHaemta->isEnabled());
    for (QAction* a : f->menHaemtaOvn)
        EXPECT_TRUE(a->isEnabled());
}

TEST_F(MenyradTest, ATypeThatDoesNotTurnOffersOnlyNormal)
{
    auto f = medRaettstavning();
    ASSERT_EQ(modPluvo().OevningsTyp, 1);
    oeppna(*f, f->menOevning);
    for (QAction* a : {f->menPluvoNormal, f->menLaesNormal, f->menTestNormal, f->menPluvo, f->menLaes, f->menTest})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : {f->menPluvoOmvaend, f->menLaesOmvaend, f->menTestOmvaend, f->menAvbryt})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(MenyradTest, DuringARunOnlyAbortIsOffered)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    for (QChar c : {u'p', u'o'})
        tryckTecken(*f, c);
    ASSERT_EQ(tillstaand(), PluvoVisar);
    oeppna(*f, f->menOevning);
    EXPECT_FALSE(f->menVal->isEnabled());
    EXPECT_FALSE(f->menPluvoOmvaend->isEnabled());
    EXPECT_TRUE(f->menAvbryt->isEnabled());
    f->menOevning->close();

    vaelj(*f, f->menAvbryt);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_TRUE(f->txtLoggbok.text().contains(QStringLiteral("Övningen avbruten - ")));
}

TEST_F(MenyradTest, CtrlZAbortsARunStartedAfterTheMenuWasLastOpened)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    aktivera(*f);
    // The menu is seen in the main menu, where "Avbryt" is not offered.
    oeppna(*f, f->menOevning)->close();
    ASSERT_FALSE(f->menAvbryt->isEnabled());

    tryckTecken(*f, u'l');
    tryckTecken(*f, u'n');
    ASSERT_EQ(tillstaand(), Laeser);
    QTest::keyClick(f->picTaTangent, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_TRUE(f->txtLoggbok.text().contains(QStringLiteral("Övningen avbruten - ")));

    // In the main menu Ctrl+Z does nothing at all.
    const QString logg = f->txtLoggbok.text();
    QTest::keyClick(f->picTaTangent, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_EQ(f->txtLoggbok.text(), logg);
}

TEST_F(MenyradTest, TheMenuRunsAskWhetherToShuffle)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    for (MsgSvar svar : {MsgSvar::Ja, MsgSvar::Nej}) {
        m_msgBox.anrop.clear();
        m_msgBox.svar = svar;
        vaelj(*f, f->menTestOmvaend);
        ASSERT_EQ(m_msgBox.anrop.size(), 1u);
        EXPECT_EQ(m_msgBox.anrop[0].text, "Skall uppgifterna blandas?");
        EXPECT_EQ(m_msgBox.anrop[0].knappar, MsgKnappar::JaNej);
        EXPECT_EQ(m_msgBox.anrop[0].ikon, MsgIkon::Fraaga);
        EXPECT_EQ(modPluvo().BlandaKoersel, svar == MsgSvar::Ja);
        EXPECT_TRUE(f->Omvaend);
        EXPECT_EQ(tillstaand(), TestSkriver);
        tryckTangent(*f, Qt::Key_Escape);
        ASSERT_EQ(tillstaand(), Huvudmeny);
    }
}

TEST_F(MenyradTest, HaemtaLoadsThroughTheOpenDialogOfTheChosenType)
{
    skrivOevning("djur.ord");
    auto f = starta();
    f->timEnTangent.setEnabled(true);
    int filter = 0;
    bool scanUnder = false;
    saettOeppnaDialogHanterare([&](const OeppnaDialogAnrop& anrop) -> std::optional<QString> {
        filter = anrop.filterIndex;
        scanUnder = f->timEnTangent.Enabled();
        return m_oevningar + "/djur.ord";
    });
    vaelj(*f, f->menHaemtaOvn[1]);
    EXPECT_EQ(filter, 2);
    // The open dialog does not hold the scan.
    EXPECT_TRUE(scanUnder);
    EXPECT_EQ(f->labAktuell->Caption(), QStringLiteral("Aktuell övning: Ordkunskap - djur"));
}

TEST_F(MenyradTest, AWindowOpenedHoldsTheScanAndLeavesItAsItWas)
{
    auto f = starta();
    for (bool paa : {true, false}) {
        f->timEnTangent.setEnabled(paa);
        bool under = !paa;
        bool omFoenster = false;
        medanModal([&](QWidget* w) {
            omFoenster = qobject_cast<FrmAbout*>(w) != nullptr && w->parentWidget() == f.get();
            under = f->timEnTangent.Enabled();
        });
        vaelj(*f, f->menOm);
        EXPECT_TRUE(omFoenster);
        EXPECT_FALSE(under);
        EXPECT_EQ(f->timEnTangent.Enabled(), paa);
    }
}

TEST_F(MenyradTest, ChangingSettingsSkipsTheScanTicksInstead)
{
    auto f = starta();
    f->timEnTangent.setEnabled(true);
    int vaentan = 0;
    bool timerPaa = false;
    saettInstaellningsfoensterHanterare([&](TextSpeaker*, TextSpeaker*) {
        vaentan = modPluvo().SkanningsVaentan;
        timerPaa = f->timEnTangent.Enabled();
    });
    vaelj(*f, f->menAendra);
    EXPECT_EQ(vaentan, 32767);
    EXPECT_TRUE(timerPaa);
    EXPECT_EQ(modPluvo().SkanningsVaentan, 0);
}

TEST_F(MenyradTest, VisaShowsOpenSettingsReadOnlyAndLockedOnesLocked)
{
    auto f = starta();
    modPluvo().TalFinns = true;
    for (int laast : {0, 1}) {
        modPluvo().InstLaast = laast;
        int under = -1;
        TextSpeaker* roester[2] = {};
        saettInstaellningsfoensterHanterare([&](TextSpeaker* r1, TextSpeaker* r2) {
            under = modPluvo().InstLaast;
            roester[0] = r1;
            roester[1] = r2;
        });
        vaelj(*f, f->menVisa);
        EXPECT_EQ(under, laast == 0 ? 2 : 1);
        EXPECT_EQ(modPluvo().InstLaast, laast);
        EXPECT_EQ(roester[0], &f->tspPluvo);
        EXPECT_EQ(roester[1], &f->tspPluvo2);
    }
    // Locked, "Ändra" is not offered.
    oeppna(*f, f->menVerktyg);
    EXPECT_FALSE(f->menAendra->isEnabled());
}

TEST_F(MenyradTest, WithoutSpeechNoVoiceIsLent)
{
    auto f = starta();
    modPluvo().TalFinns = false;
    TextSpeaker* roester[2] = {&f->tspPluvo, &f->tspPluvo};
    saettInstaellningsfoensterHanterare([&](TextSpeaker* r1, TextSpeaker* r2) {
        roester[0] = r1;
        roester[1] = r2;
    });
    vaelj(*f, f->menAendra);
    EXPECT_EQ(roester[0], nullptr);
    EXPECT_EQ(roester[1], nullptr);
}

TEST_F(MenyradTest, AfterTheEditorTheRememberedExerciseIsLoadedAgain)
{
    skrivOevning("a.rtt", "hund\r\n");
    auto f = starta("a.rtt");
    ASSERT_EQ(modPluvo().AntalOrd, 1);
    const qsizetype foere = f->txtLoggbok.text().size();
    // What the editor saves under the remembered name is current after it.
    skrivOevning("a.rtt", "hund\r\nkatt\r\nmus\r\n");
    vaelj(*f, f->menSkapaOvning[2]);
    EXPECT_EQ(f->Tag, "glo");
    EXPECT_EQ(modPluvo().AntalOrd, 3);
    EXPECT_TRUE(f->txtLoggbok.text().mid(foere).contains(QStringLiteral("Aktuell övning: Rättstavning - a")));
}

TEST_F(MenyradTest, TheWordsTypedWrongGoToTheEditor)
{
    auto f = medRaettstavning();
    EXPECT_FALSE(f->menSenaste->isEnabled());
    tryckTecken(*f, u'p');
    ASSERT_EQ(tillstaand(), PluvoVisar);
    tryckTangent(*f, Qt::Key_Return);
    tryckTecken(*f, u'x');
    ASSERT_TRUE(f->menSenaste->isEnabled());
    tryckTangent(*f, Qt::Key_Escape);
    vaelj(*f, f->menSenaste);
    EXPECT_EQ(f->Tag, "senaste fel");
    // The Tag stays until the next editor entry.
    vaelj(*f, f->menOm);
    EXPECT_EQ(f->Tag, "senaste fel");
}

// --- The settings lock ---

namespace {

class LaasTest : public MenyradTest {
protected:
    // Opens the lock dialog through F9 and the menu, fills it in and
    // presses Enter; the dialog's own messages are answered by the
    // recorder.
    void laas(FrmPluvo& f, const QString& namn, const QString& kod, QString* koden = nullptr)
    {
        medanModal([&](QWidget* w) {
            auto* d = qobject_cast<FrmLogin*>(w);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->parentWidget(), &f);
            if (koden)
                *koden = d->txtPassword->text();
            d->txtUserName->setFocus();
            d->txtUserName->selectAll();
            QTest::keyClicks(d->txtUserName, namn);
            d->txtPassword->setFocus();
            for (QChar c : kod)
                QTest::sendKeyEvent(QTest::Click, d->txtPassword, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::keyClick(d->txtPassword, Qt::Key_Return);
            // A wrong code keeps the dialog open for another try.
        });
        vaelj(f, f.menLaas);
    }

    std::unique_ptr<FrmPluvo> startaMedLaas()
    {
        auto f = starta();
        tryckTangent(*f, Qt::Key_F9);
        EXPECT_TRUE(f->menLaas->isVisible());
        return f;
    }

    QStringList meddelanden() const
    {
        QStringList r;
        for (const MsgBoxAnrop& a : m_msgBox.anrop)
            r << a.text;
        return r;
    }
};

}  // namespace

TEST_F(LaasTest, LockingAndUnlockingWriteStateNameAndTime)
{
    Klocka::saettNuKaella([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 8, 7)); });
    auto f = startaMedLaas();
    oeppna(*f, f->menVerktyg)->close();
    EXPECT_EQ(f->menLaas->text(), QStringLiteral("L&ås inställningar..."));

    laas(*f, "Eva Berg", QStringLiteral("Väv"));
    EXPECT_TRUE(meddelanden().isEmpty());
    EXPECT_EQ(modPluvo().InstLaast, 1);
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Inst", ""), "1");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Namn", ""), "Eva Berg");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Tid", ""), "2024-03-05 09:08:07");
    oeppna(*f, f->menVerktyg)->close();
    EXPECT_EQ(f->menLaas->text(), QStringLiteral("Lås &upp inställningar..."));
    EXPECT_FALSE(f->menAendra->isEnabled());

    Klocka::saettNuKaella([] { return QDateTime(QDate(2024, 3, 6), QTime(10, 0, 0)); });
    // The name typed before is still there; the code is not.
    QString koden = "x";
    laas(*f, "Bo Ek", QStringLiteral("Väv ned"), &koden);
    EXPECT_EQ(koden, "");
    EXPECT_EQ(modPluvo().InstLaast, 0);
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Inst", ""), "0");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Namn", ""), "Bo Ek");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Tid", ""), "2024-03-06 10:00:00");
    Klocka::saettNuKaella({});
}

TEST_F(LaasTest, ACodeInAnotherCaseIsWrong)
{
    auto f = startaMedLaas();
    laas(*f, "Eva Berg", QStringLiteral("väv"));
    EXPECT_EQ(meddelanden(), QStringList{"Ogiltigt lösenord, försök igen!"});
    EXPECT_EQ(m_msgBox.anrop[0].rubrik, QStringLiteral("Lås inställningar"));
    EXPECT_EQ(modPluvo().InstLaast, 0);
    EXPECT_FALSE(SettingsStore::las("Visa", "Inst").has_value());
}

TEST_F(LaasTest, ARefusedNameIsAskedForAgainAndNotCounted)
{
    auto f = startaMedLaas();
    laas(*f, "Eva", QStringLiteral("Väv"));
    EXPECT_EQ(meddelanden(), QStringList{QStringLiteral("Ange både för och efternamn.")});
    EXPECT_EQ(m_msgBox.anrop[0].ikon, MsgIkon::Utropstecken);
    EXPECT_EQ(modPluvo().InstLaast, 0);
    ASSERT_NE(f->frmLogin, nullptr);
    EXPECT_EQ(f->frmLogin->FelKoder, 0);
    EXPECT_FALSE(f->frmLogin->LaasOK);
}

TEST_F(LaasTest, ThreeWrongCodesThenARightOneStillLock)
{
    auto f = startaMedLaas();
    for (int i = 0; i < 3; ++i)
        laas(*f, "Eva Berg", "fel");
    EXPECT_EQ(meddelanden().size(), 3);
    laas(*f, "Eva Berg", QStringLiteral("Väv"));
    EXPECT_EQ(modPluvo().InstLaast, 1);
    EXPECT_TRUE(f->frmLogin->LaasOK);
    EXPECT_TRUE(f->menLaas->isEnabled());

    // The count goes on: the next wrong code is the fourth.
    laas(*f, "Eva Berg", "fel");
    EXPECT_EQ(meddelanden().last(), QStringLiteral("Ogiltigt lösenord!"));
    EXPECT_EQ(m_msgBox.anrop.back().rubrik, QStringLiteral("Lås upp inställningar"));
    EXPECT_FALSE(f->menLaas->isEnabled());
    EXPECT_EQ(f->frmLogin, nullptr);
    EXPECT_EQ(modPluvo().InstLaast, 1);
    // F9 shows the item again, but not for use.
    tryckTangent(*f, Qt::Key_F9);
    tryckTangent(*f, Qt::Key_F9);
    oeppna(*f, f->menVerktyg)->close();
    EXPECT_FALSE(f->menLaas->isEnabled());
}

TEST_F(LaasTest, TheLockDialogHoldsTheScan)
{
    auto f = startaMedLaas();
    f->timEnTangent.setEnabled(true);
    bool under = true;
    medanModal([&](QWidget*) { under = f->timEnTangent.Enabled(); });
    vaelj(*f, f->menLaas);
    EXPECT_FALSE(under);
    EXPECT_TRUE(f->timEnTangent.Enabled());
    EXPECT_FALSE(f->frmLogin->LaasOK);
}

// --- One pupil's road through the menu bar ---

TEST_F(MenyradTest, LoadRunViewTheLogbookAndExit)
{
    skrivOevning("djur.rtt", "ko\r\n");
    skrivInstaellning("Visa", "VaendRtt", "False");
    auto f = starta();
    saettOeppnaDialogHanterare([&](const OeppnaDialogAnrop&) -> std::optional<QString> {
        return m_oevningar + "/djur.rtt";
    });
    vaelj(*f, f->menHaemtaOvn[5]);
    ASSERT_EQ(modPluvo().OevningsTyp, 1);

    m_msgBox.svar = MsgSvar::Nej;
    vaelj(*f, f->menPluvoNormal);
    ASSERT_EQ(tillstaand(), PluvoVisar);
    skriv(*f, "ko");
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_TRUE(f->txtLoggbok.text().contains(QStringLiteral("Övningen genomförd - ")));

    vaelj(*f, f->menLoggbok);
    EXPECT_EQ(tillstaand(), Huvudmeny);

    f->show();
    vaelj(*f, f->menAvsluta);
    EXPECT_FALSE(f->isVisible());
}
