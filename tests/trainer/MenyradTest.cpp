// The training window's menu bar, chosen with clicks as the pupil does:
// which entries are offered when, the runs it starts, the windows it opens
// with the one-key scan held, the editor's hand-over and the settings lock.
#include "common/FrmAbout.h"
#include "common/ModPluvo.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/SettingsStore.h"
#include "settings/FrmLogin.h"
#include "settings/Instaellningsfoenster.h"
#include "support/Foensterstyrning.h"
#include "support/LitenDisk.h"
#include "support/TraeningsFixtur.h"
#include "trainer/TangentFaangare.h"
#include "viewers/FrmPluvoLoggbok.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
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

    // Opens the menu that holds `post`, so that its entries are brought up
    // to date, and closes it again.
    static void oeppna(QAction* post) { klickaMeny(post, false); }

    // Runs `medan` once the next modal window is up; the fixture's answerer
    // stays out of the way meanwhile.
    void medanModal(std::function<void(QWidget*)> medan)
    {
        m_meddelanden.medanOeppet = [] { return false; };
        medModal([this, medan](QWidget& w) {
            medan(&w);
            m_meddelanden.medanOeppet = {};
        });
    }

    // Fills in the lock dialog, opened from the bar after F9, and presses
    // Enter; `koden` gets what the code field held as it opened.
    void laas(FrmPluvo& f, const QString& namn, const QString& kod, QString* koden = nullptr)
    {
        medanModal([&](QWidget* w) {
            auto* d = qobject_cast<FrmLogin*>(w);
            ASSERT_TRUE(d && d->parentWidget() == &f);
            if (koden)
                *koden = d->txtPassword->text();
            d->txtUserName->setText(namn);
            skrivIn(d->txtPassword, kod);
            QTest::keyClick(d->txtPassword, Qt::Key_Return);
        });
        klickaMeny(f.menLaas);
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

TEST_F(MenyradTest, EntriesFollowTheStateAndTheLoadedType)
{
    auto f = starta();
    auto normal = [&f] { return std::vector<QAction*>{f->menPluvoNormal, f->menLaesNormal, f->menTestNormal}; };
    auto omvaend = [&f] { return std::vector<QAction*>{f->menPluvoOmvaend, f->menLaesOmvaend, f->menTestOmvaend}; };
    auto enabled = [](const std::vector<QAction*>& poster, bool paa) {
        for (QAction* a : poster)
            EXPECT_EQ(a->isEnabled(), paa) << a->text().toStdString();
    };
    // Nothing loaded: loading, but no run.
    oeppna(f->menAvbryt);
    enabled({f->menVal, f->menHaemta}, true);
    enabled(normal(), false);
    enabled({f->menAvbryt}, false);

    // A spelling exercise that does not turn: only Normal.
    skrivOevning("a.rtt", "hund\r\n");
    skrivInstaellning("Visa", "VaendRtt", "False");
    f.reset();
    f = starta("a.rtt");
    oeppna(f->menAvbryt);
    enabled(normal(), true);
    enabled(omvaend(), false);

    // In a run only "Avbryt", which aborts it.
    tryckTecken(*f, u'p');
    ASSERT_EQ(tillstaand(), PluvoVisar);
    oeppna(f->menAvbryt);
    enabled({f->menVal, f->menPluvoNormal}, false);
    klickaMeny(f->menAvbryt);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_TRUE(f->txtLoggbok.text().contains(QStringLiteral("Övningen avbruten - ")));
}

TEST_F(MenyradTest, CtrlZAbortsARunStartedSinceTheMenuWasLastOpened)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    oeppna(f->menAvbryt);
    ASSERT_FALSE(f->menAvbryt->isEnabled());
    skriv(*f, "ln");
    ASSERT_EQ(tillstaand(), Laeser);
    QTest::keyClick(f->picTaTangent, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tillstaand(), Huvudmeny);
    EXPECT_TRUE(f->txtLoggbok.text().contains(QStringLiteral("Övningen avbruten - ")));
}

TEST_F(MenyradTest, TheMenuRunsAskWhetherToShuffle)
{
    skrivOevning("a.glo");
    auto f = starta("a.glo");
    for (MsgSvar svar : {MsgSvar::Ja, MsgSvar::Nej}) {
        m_msgBox.anrop.clear();
        m_msgBox.svar = svar;
        klickaMeny(f->menTestOmvaend);
        EXPECT_EQ(meddelanden(), QStringList{"Skall uppgifterna blandas?"});
        EXPECT_EQ(modPluvo().BlandaKoersel, svar == MsgSvar::Ja);
        EXPECT_TRUE(f->Omvaend);
        EXPECT_EQ(tillstaand(), TestSkriver);
        tryckTangent(*f, Qt::Key_Escape);
    }
}

TEST_F(MenyradTest, WindowsHoldTheScanAndChangingSettingsSkipsItsTicks)
{
    auto f = starta();
    for (bool paa : {true, false}) {
        f->timEnTangent.setEnabled(paa);
        bool under = true;
        bool omFoenster = false;
        medanModal([&](QWidget* w) {
            omFoenster = qobject_cast<FrmAbout*>(w) && w->parentWidget() == f.get();
            under = f->timEnTangent.Enabled();
        });
        klickaMeny(f->menOm);
        EXPECT_TRUE(omFoenster);
        EXPECT_FALSE(under);
        EXPECT_EQ(f->timEnTangent.Enabled(), paa);
    }

    f->timEnTangent.setEnabled(true);
    int vaentan = 0;
    bool timerUnder = false;
    saettInstaellningsfoensterHanterare([&](TextSpeaker*, TextSpeaker*) {
        vaentan = modPluvo().SkanningsVaentan;
        timerUnder = f->timEnTangent.Enabled();
    });
    klickaMeny(f->menAendra);
    EXPECT_EQ(vaentan, 32767);
    EXPECT_TRUE(timerUnder);
    EXPECT_EQ(modPluvo().SkanningsVaentan, 0);
}

TEST_F(MenyradTest, VisaShowsOpenSettingsReadOnlyAndLockedOnesLocked)
{
    auto f = starta();
    for (int laast : {0, 1}) {
        modPluvo().InstLaast = laast;
        modPluvo().TalFinns = laast == 0;
        int under = -1;
        std::pair<TextSpeaker*, TextSpeaker*> roester;
        saettInstaellningsfoensterHanterare([&](TextSpeaker* r1, TextSpeaker* r2) {
            under = modPluvo().InstLaast;
            roester = {r1, r2};
        });
        klickaMeny(f->menVisa);
        EXPECT_EQ(under, laast == 0 ? 2 : 1);
        EXPECT_EQ(modPluvo().InstLaast, laast);
        // The voices are lent only when speech works.
        EXPECT_EQ(roester.first, laast == 0 ? &f->tspPluvo : nullptr);
        EXPECT_EQ(roester.second, laast == 0 ? &f->tspPluvo2 : nullptr);
        oeppna(f->menLaas);
        EXPECT_EQ(f->menAendra->isEnabled(), laast == 0);
    }
}

TEST_F(MenyradTest, AfterTheEditorTheRememberedExerciseIsLoadedAgain)
{
    skrivOevning("a.rtt", "hund\r\n");
    auto f = starta("a.rtt");
    const qsizetype foere = f->txtLoggbok.text().size();
    // What the editor saved under the remembered name is current after it.
    skrivOevning("a.rtt", "hund\r\nkatt\r\nmus\r\n");
    QString rubrik;
    medanModal([&](QWidget* w) {
        EXPECT_EQ(w->parentWidget(), f.get());
        rubrik = w->windowTitle();
    });
    klickaMeny(f->menSkapaOvning[3]);
    EXPECT_EQ(rubrik, QStringLiteral("Övningar - Glosor med ljud - [namnlös]"));
    EXPECT_EQ(f->Tag, "gls");
    EXPECT_EQ(modPluvo().AntalOrd, 3);
    EXPECT_TRUE(f->txtLoggbok.text().mid(foere).contains(QStringLiteral("Aktuell övning: Rättstavning - a")));
}

TEST_F(MenyradTest, LockingAndUnlockingWriteStateNameAndTime)
{
    Klocka::saettNuKaella([] { return QDateTime(QDate(2024, 3, 5), QTime(9, 8, 7)); });
    auto f = starta();
    tryckTangent(*f, Qt::Key_F9);
    laas(*f, "Eva Berg", QStringLiteral("Väv"));
    EXPECT_EQ(modPluvo().InstLaast, 1);
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Inst", ""), "1");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Namn", ""), "Eva Berg");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Tid", ""), "2024-03-05 09:08:07");
    oeppna(f->menLaas);
    EXPECT_EQ(f->menLaas->text(), QStringLiteral("Lås &upp inställningar..."));

    // The code typed before is gone when the dialog opens again.
    QString koden = "?";
    laas(*f, "Bo Ek", QStringLiteral("Väv ned"), &koden);
    EXPECT_EQ(koden, "");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Inst", ""), "0");
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Namn", ""), "Bo Ek");
    EXPECT_TRUE(meddelanden().isEmpty());
    Klocka::saettNuKaella({});
}

TEST_F(MenyradTest, ALockThatCannotBeStoredOnAFullDiskIsNotTaken)
{
    auto f = starta();
    tryckTangent(*f, Qt::Key_F9);
    const QString fil = SettingsStore::filnamn();
    const QByteArray foere = lasFil(fil);
    {
        // Room for the locking program's own lock file, not for the new settings.
        LitenDisk disk(QFileInfo(fil).absolutePath(), 5);
        if (!disk.monterad())
            GTEST_SKIP() << disk.fel.toStdString();
        skrivFil(fil, foere);
        disk.fyll(1);
        laas(*f, "Eva Berg", QStringLiteral("Väv"));
        ASSERT_EQ(meddelanden().size(), 1);
        EXPECT_TRUE(meddelanden()[0].startsWith(QStringLiteral("Inställningarna kunde inte sparas i ")));
        EXPECT_TRUE(meddelanden()[0].endsWith(QStringLiteral("Inställningarna har inte låsts.")));
        EXPECT_EQ(m_msgBox.anrop[0].rubrik, QStringLiteral("Lås inställningar"));
        EXPECT_EQ(lasFil(fil), foere);
        EXPECT_EQ(modPluvo().InstLaast, 0);
        oeppna(f->menLaas);
        EXPECT_EQ(f->menLaas->text(), QStringLiteral("L&ås inställningar..."));
        EXPECT_TRUE(f->menAendra->isEnabled());
    }

    // Once the file can be written, the same dialog locks.
    laas(*f, "Eva Berg", QStringLiteral("Väv"));
    EXPECT_EQ(SettingsStore::GetSetting("Visa", "Inst", ""), "1");
}

TEST_F(MenyradTest, TheFourthWrongCodeTakesTheLockAway)
{
    auto f = starta();
    tryckTangent(*f, Qt::Key_F9);
    laas(*f, "Eva Berg", QStringLiteral("väv"));
    EXPECT_EQ(meddelanden(), QStringList{"Ogiltigt lösenord, försök igen!"});
    EXPECT_EQ(modPluvo().InstLaast, 0);
    laas(*f, "Eva Berg", "fel");
    laas(*f, "Eva Berg", "fel");
    laas(*f, "Eva Berg", QStringLiteral("Väv"));
    EXPECT_EQ(modPluvo().InstLaast, 1);

    laas(*f, "Eva Berg", "fel");
    EXPECT_EQ(meddelanden().last(), QStringLiteral("Ogiltigt lösenord!"));
    EXPECT_EQ(modPluvo().InstLaast, 1);
    oeppna(f->menLaas);
    EXPECT_FALSE(f->menLaas->isEnabled());
}

TEST_F(MenyradTest, LoadRunViewTheLogbookAndExit)
{
    skrivOevning("djur.rtt", "ko\r\n");
    skrivInstaellning("Visa", "VaendRtt", "False");
    auto f = starta();
    f->timEnTangent.setEnabled(true);
    bool scanUnder = false;
    saettOeppnaDialogHanterare([&](const OeppnaDialogAnrop& anrop) -> std::optional<QString> {
        scanUnder = f->timEnTangent.Enabled();
        EXPECT_EQ(anrop.filterIndex, 6);
        return m_oevningar + "/djur.rtt";
    });
    klickaMeny(f->menHaemtaOvn[5]);
    // The open dialog does not hold the scan.
    EXPECT_TRUE(scanUnder);
    EXPECT_EQ(f->labAktuell->Caption(), QStringLiteral("Aktuell övning: Rättstavning - djur"));

    klickaMeny(f->menPluvoNormal);
    skriv(*f, "ko");
    tryckTangent(*f, Qt::Key_Return);
    EXPECT_TRUE(f->txtLoggbok.text().contains(QStringLiteral("Övningen genomförd - ")));

    QString visad;
    medanModal([&](QWidget* w) {
        auto* visare = qobject_cast<FrmPluvoLoggbok*>(w);
        ASSERT_TRUE(visare && visare->parentWidget() == f.get());
        visad = visare->findChild<QPlainTextEdit*>()->toPlainText();
    });
    klickaMeny(f->menLoggbok);
    EXPECT_TRUE(visad.contains(QStringLiteral("Övningen genomförd - ")));
    EXPECT_EQ(tillstaand(), Huvudmeny);
    klickaMeny(f->menAvsluta);
    EXPECT_FALSE(f->isVisible());
}
