// The print-settings window: the stored choices shown, stored by "Utför"
// and OK only, each key written only when it changes.
#include "common/ModPluvo.h"
#include "editor/FrmOptions1.h"
#include "editor/Oevningsutskrift.h"
#include "platform/SettingsStore.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"
#include "support/TraeningsFixtur.h"

#include <QRadioButton>
#include <QTest>
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

TEST_F(Utskriftsval, CancelAndEscStoreNothing)
{
    {
        FrmOptions1 f;
        f.show();
        klicka(f, "optTeckensnitt2");
        klicka(f, "optOrdning1");
        klicka(f, "cmdCancel");
        EXPECT_FALSE(f.isVisible());
    }
    // Shown modally over its owner, Esc closes it.
    QWidget aegare;
    aegare.show();
    QWidget* foraelder = nullptr;
    medModal([&](QWidget& w) {
        foraelder = w.parentWidget();
        klicka(w, "optOrdning1");
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    VisaUtskriftsinstaellningar(&aegare);
    EXPECT_EQ(foraelder, &aegare);

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

    // Opened again it shows what was stored.
    FrmOptions1 tillbaka;
    tillbaka.show();
    EXPECT_EQ(tillbaka.windowTitle(), QString("Inställning - Utskrift"));
    EXPECT_TRUE(vald(tillbaka, "optTeckensnitt2"));
    EXPECT_TRUE(vald(tillbaka, "optOrdning1"));
    klicka(tillbaka, "optOrdning0");
    klicka(tillbaka, "cmdOK");
    EXPECT_EQ(lagrat("Ordning"), std::optional<QString>("0"));
    EXPECT_EQ(lagrat("Storlek"), std::optional<QString>("2"));
}

}  // namespace
