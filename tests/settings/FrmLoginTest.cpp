// The lock dialog's rules for code and name, and its Esc.
#include "common/ModPluvo.h"
#include "platform/SettingsStore.h"
#include "settings/FrmLogin.h"
#include "settings/Laasregler.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(Laasregler, TheCodesCountWholeAndInTheirOwnCase)
{
    EXPECT_TRUE(LaaskodRaett(QStringLiteral("Väv"), 0));
    EXPECT_TRUE(LaaskodRaett(QStringLiteral("Väv ned"), 1));
    for (const QString& fel : {QStringLiteral("VÄV"), QStringLiteral("Väv "), QStringLiteral("Väv ned")})
        EXPECT_FALSE(LaaskodRaett(fel, 0)) << fel.toStdString();
    EXPECT_FALSE(LaaskodRaett(QStringLiteral("Väv"), 1));
}

TEST(Laasregler, ANameIsAFirstNameABlankAndALastName)
{
    for (const char* namn : {"Al Bo", "Eva Berg"})
        EXPECT_TRUE(NamnGodkaent(namn)) << namn;
    for (const char* namn : {"Evab ", " Evab", "A Berg", "Al B", "Evaberg"})
        EXPECT_FALSE(NamnGodkaent(namn)) << namn;
}

TEST(FrmLoginTest, EscCancelsAndTheWrongCodesStillCount)
{
    nyStart();
    MsgBoxInspelare msgBox;
    FrmLogin d(nullptr);
    d.show();
    d.txtPassword->setText("fel");
    QTest::keyClick(d.txtPassword, Qt::Key_Return);
    // The wrong entry is selected, so the next typing replaces it.
    EXPECT_EQ(d.txtPassword->selectedText(), "fel");
    QTest::keyClick(d.txtPassword, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.LaasOK);
    EXPECT_EQ(d.FelKoder, 1);
    EXPECT_FALSE(SettingsStore::las("Visa", "Inst").has_value());
}
