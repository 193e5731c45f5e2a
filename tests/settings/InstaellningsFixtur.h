#pragma once

#include "settings/FrmOptions2.h"
#include "support/TraeningsFixtur.h"

#include <QMap>
#include <QTabBar>
#include <QTest>

namespace TestSupport {

// Every stored setting as "Section/key" -> text.
using Nycklar = QMap<QString, QString>;
Nycklar allaNycklar();

// The real training window with the settings window over it, shown
// offscreen; message boxes are answered and recorded.
class InstaellningsFixtur : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the training window (once) and opens the settings window.
    void oeppna();

    // Opens the window on the sound page; false, with the window open,
    // when speech has fewer than `roester` voices.
    bool ljudsidan(int roester = 1);

    // Clicks tab 1..6, a widget and the window's buttons as the teacher does.
    void flik(int nummer);
    static void klicka(QWidget* w);
    void utfoer();
    void ok();
    void avbryt();

    // The keys that were added or changed since the window opened.
    Nycklar skrivna() const;

    QTemporaryDir program;
    std::unique_ptr<FrmPluvo> f;
    std::unique_ptr<FrmOptions2> d;
    MsgBoxInspelare msgBox;
    Nycklar vidOeppning;
};

}  // namespace TestSupport
