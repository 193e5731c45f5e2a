#pragma once

#include "support/TestSupport.h"
#include "trainer/FrmPluvo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Failures show the texts themselves.
void PrintTo(const QString& text, std::ostream* ut);

namespace TestSupport {

// Answers every modal window with Enter, as the pupil does, and keeps the
// message text (modPluvo().MeddelandeText) of each, so no test waits on a
// message window. `medanOeppet`, when set, runs at each look while a window
// is up, and the window is answered once it returns true.
class MeddelandeSvarare {
public:
    explicit MeddelandeSvarare(std::function<bool()> medanOeppet = {});
    QStringList texter;
    std::function<bool()> medanOeppet;

private:
    QTimer m_timer;
};

// The training window started on a clock fixed at 10:11:12, for runs of
// given rows typed with real key events.
class KoerningsFixtur : public ::testing::Test {
protected:
    // The clock's time as the logbook writes it.
    static inline const QString Tid = QStringLiteral("10:11:12");

    void SetUp() override;
    void TearDown() override;

    // Starts a run in mode `laege` of `rader` as a spelling exercise, in
    // file order.
    void starta(const Uppgiftslista& rader, int laege, bool omvaend = false);

    // The logbook written since the run was started.
    QString logg() const;

    void skriv(const QString& text);
    void tryck(Qt::Key tangent);

    // The word as the pupil sees it: hidden letters as "_".
    QString synligtOrd() const;
    QString foerklaring() const;

    QTemporaryDir mapp;
    std::unique_ptr<FrmPluvo> f;
    MeddelandeSvarare meddelanden;
    qsizetype foere = 0;
};

// A program folder whose exercise folder ("Övningar") is chosen in the
// settings; each test writes its exercises there and starts the window.
class OevningsmappFixtur : public ::testing::Test {
protected:
    void SetUp() override;

    void skrivOevning(const QString& namn, const QByteArray& rader = "hund (dog)\r\nkatt (cat)\r\n");

    // Starts the window, with the exercise `aktuell` of the exercise folder
    // remembered as the current one when given. What voice 1 says from then
    // on is kept in m_talat.
    std::unique_ptr<FrmPluvo> starta(const QString& aktuell = QString());

    // Menus and names are read aloud.
    static void laesUpp();

    static int tillstaand();

    QTemporaryDir m_program;
    QString m_oevningar;
    QStringList m_talat;
    MsgBoxInspelare m_msgBox;
    MeddelandeSvarare m_meddelanden;
};

}  // namespace TestSupport
