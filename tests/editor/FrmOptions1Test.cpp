// The print-settings window: the stored choices shown, stored by "Utför"
// and OK only, each key written only when it changes.
#include "common/ModPluvo.h"
#include "editor/FrmOptions1.h"
#include "editor/Oevningsutskrift.h"
#include "platform/SettingsStore.h"
#include "support/TestSupport.h"
#include "support/TraeningsFixtur.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Utskriftsval : public ::testing::Test {
protected:
    void SetUp() override { nyStart(); }

    static void klicka(QWidget& f, const char* namn)
    {
        QTest::mouseClick(f.findChild<QAbstractButton*>(namn), Qt::LeftButton);
    }
    static bool vald(QWidget& f, const char* namn) { return f.findChild<QRadioButton*>(namn)->isChecked(); }
    static std::optional<QString> lagrat(const char* nyckel) { return SettingsStore::las("Utskrift", nyckel); }
};

TEST_F(Utskriftsval, ShowsTheStoredChoices)
{
    modPluvo().UtskriftStorlek = 2;
    modPluvo().UtskriftOrdning = 1;
    FrmOptions1 f;
    EXPECT_EQ(f.windowTitle(), QString("Inställning - Utskrift"));
    auto* flikar = f.findChild<QTabWidget*>("tbsOptions");
    ASSERT_EQ(flikar->count(), 1);
    EXPECT_EQ(flikar->tabText(0), QString("Utskrift"));
    EXPECT_EQ(flikar->tabToolTip(0), QString("Utskriftsalternativ"));
    EXPECT_TRUE(vald(f, "optTeckensnitt2"));
    EXPECT_TRUE(vald(f, "optOrdning1"));
    EXPECT_EQ(f.findChild<QRadioButton*>("optTeckensnitt1")->toolTip(), QString("Storlek = 18"));
}

TEST_F(Utskriftsval, ApplyStoresAChangedChoiceOnceAndKeepsTheWindow)
{
    FrmOptions1 f;
    f.show();
    klicka(f, "optTeckensnitt1");
    klicka(f, "cmdApply");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(modPluvo().UtskriftStorlek, 1);
    EXPECT_EQ(lagrat("Storlek"), std::optional<QString>("1"));
    EXPECT_EQ(lagrat("Ordning"), std::nullopt);

    // A second "Utför" without a change writes nothing.
    skrivInstaellning("Utskrift", "Storlek", "hand");
    klicka(f, "cmdApply");
    EXPECT_EQ(lagrat("Storlek"), std::optional<QString>("hand"));
}

TEST_F(Utskriftsval, CancelStoresNothingAndReopeningShowsTheStoredChoices)
{
    {
        FrmOptions1 f;
        f.show();
        klicka(f, "optTeckensnitt2");
        klicka(f, "optOrdning1");
        klicka(f, "cmdCancel");
        EXPECT_FALSE(f.isVisible());
    }
    EXPECT_EQ(modPluvo().UtskriftStorlek, 0);
    EXPECT_EQ(modPluvo().UtskriftOrdning, 0);
    EXPECT_EQ(lagrat("Storlek"), std::nullopt);
    EXPECT_EQ(lagrat("Ordning"), std::nullopt);
    FrmOptions1 igen;
    EXPECT_TRUE(vald(igen, "optTeckensnitt0"));
    EXPECT_TRUE(vald(igen, "optOrdning0"));
}

TEST_F(Utskriftsval, OkStoresBothChoicesAndCloses)
{
    FrmOptions1 f;
    f.show();
    klicka(f, "optTeckensnitt2");
    klicka(f, "optOrdning1");
    klicka(f, "cmdOK");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(lagrat("Storlek"), std::optional<QString>("2"));
    EXPECT_EQ(lagrat("Ordning"), std::optional<QString>("1"));
    EXPECT_EQ(modPluvo().UtskriftOrdning, 1);

    FrmOptions1 tillbaka;
    tillbaka.show();
    klicka(tillbaka, "optOrdning0");
    klicka(tillbaka, "cmdOK");
    EXPECT_EQ(lagrat("Ordning"), std::optional<QString>("0"));
    EXPECT_EQ(lagrat("Storlek"), std::optional<QString>("2"));
}

TEST_F(Utskriftsval, IsShownModallyOverItsOwner)
{
    QWidget aegare;
    aegare.show();
    QWidget* foraelder = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        foraelder = w->parentWidget();
        QTest::mouseClick(w->findChild<QRadioButton*>("optOrdning1"), Qt::LeftButton);
        QTest::keyClick(w, Qt::Key_Escape);
    });
    VisaUtskriftsinstaellningar(&aegare);
    EXPECT_EQ(foraelder, &aegare);
    EXPECT_EQ(lagrat("Ordning"), std::nullopt);
}

}  // namespace
