// The lock dialog on its own: the rules for code and name, and what the
// teacher sees and presses.
#include "common/ModPluvo.h"
#include "settings/FrmLogin.h"
#include "platform/SettingsStore.h"
#include "settings/Laasregler.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(Laasregler, TheCodesCountWholeAndInTheirOwnCase)
{
    EXPECT_TRUE(LaaskodRaett(QStringLiteral("Väv"), 0));
    EXPECT_TRUE(LaaskodRaett(QStringLiteral("Väv ned"), 1));
    for (const QString& fel : {QStringLiteral("väv"), QStringLiteral("VÄV"), QStringLiteral("Väv "),
                               QStringLiteral("Vav"), QString()})
        EXPECT_FALSE(LaaskodRaett(fel, 0)) << fel.toStdString();
    // Each step has its own code.
    EXPECT_FALSE(LaaskodRaett(QStringLiteral("Väv ned"), 0));
    EXPECT_FALSE(LaaskodRaett(QStringLiteral("Väv"), 1));
    EXPECT_FALSE(LaaskodRaett(QStringLiteral("Väv Ned"), 1));
}

TEST(Laasregler, ANameIsAFirstNameABlankAndALastName)
{
    EXPECT_TRUE(NamnGodkaent("Al Bo"));
    EXPECT_TRUE(NamnGodkaent("Eva Berg"));
    EXPECT_TRUE(NamnGodkaent("Eva  Berg"));
    EXPECT_FALSE(NamnGodkaent("Evab "));   // blank last
    EXPECT_FALSE(NamnGodkaent(" Evab"));   // blank first
    EXPECT_FALSE(NamnGodkaent("A Berg"));  // one letter before the blank
    EXPECT_FALSE(NamnGodkaent("Al B"));    // four characters
    EXPECT_FALSE(NamnGodkaent("Evaberg"));
    EXPECT_FALSE(NamnGodkaent(""));
}

namespace {

class FrmLoginTest : public ::testing::Test {
protected:
    void SetUp() override { nyStart(); }
    MsgBoxInspelare msgBox;
};

}  // namespace

TEST_F(FrmLoginTest, ShowsItsControlsAndTheCaptionOfTheNextStep)
{
    FrmLogin d(nullptr);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Lås inställningar"));
    EXPECT_EQ(d.lblLabels[0]->text(), QStringLiteral("&Användare:"));
    EXPECT_EQ(d.lblLabels[1]->text(), QStringLiteral("&Lösenord:"));
    EXPECT_EQ(d.cmdOK->text(), "&OK");
    EXPECT_EQ(d.cmdCancel->text(), "&Avbryt");
    EXPECT_TRUE(d.cmdOK->isDefault());
    EXPECT_EQ(d.txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(d.imaBkg->pixmap().isNull());
    EXPECT_EQ(d.imaBkg->geometry(), d.rect());
    modPluvo().InstLaast = 1;
    FrmLogin upp(nullptr);
    EXPECT_EQ(upp.windowTitle(), QStringLiteral("Lås upp inställningar"));
}

TEST_F(FrmLoginTest, EscCancelsAndKeepsTheCount)
{
    FrmLogin d(nullptr);
    d.show();
    d.txtPassword->setText("fel");
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    EXPECT_EQ(d.FelKoder, 1);
    // The wrong entry is selected, so the next typing replaces it.
    EXPECT_EQ(d.txtPassword->selectedText(), "fel");
    QTest::keyClick(d.txtPassword, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.LaasOK);
    EXPECT_EQ(d.FelKoder, 1);
    EXPECT_EQ(modPluvo().InstLaast, 0);
    EXPECT_FALSE(SettingsStore::las("Visa", "Inst").has_value());
}

TEST_F(FrmLoginTest, ARefusedNameIsSelectedForRetyping)
{
    FrmLogin d(nullptr);
    d.show();
    d.txtUserName->setText("Evaberg");
    d.txtPassword->setText(QStringLiteral("Väv"));
    QTest::keyClick(d.txtPassword, Qt::Key_Return);
    ASSERT_EQ(msgBox.anrop.size(), 1u);
    EXPECT_EQ(msgBox.anrop[0].rubrik, QStringLiteral("Lås inställningar"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.txtUserName->selectedText(), "Evaberg");
    EXPECT_EQ(d.FelKoder, 0);
    EXPECT_EQ(modPluvo().InstLaast, 0);
}
