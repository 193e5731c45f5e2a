#pragma once

#include "common/Uppgift.h"
#include "platform/MessageBox.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class FrmPluvo;

// Helpers shared by the tests.
namespace TestSupport {

// The line end of exercise files, messages and the logbook.
inline const QString CRLF = QStringLiteral("\r\n");

// Empties the settings file and the shared state: a fresh program run.
void nyStart();

// Writes one settings value as text, as a teacher's hand edit would.
void skrivInstaellning(const QString& sektion, const QString& nyckel, const QString& varde);

// Writes bytes to a file, creating its folder.
void skrivFil(const QString& vaeg, const QByteArray& innehaall);
QByteArray lasFil(const QString& vaeg);

// Runs `goer` while every file write stops after a few bytes, as on a full
// disk; even root is held to it.
void medFullDisk(const std::function<void()>& goer);

// Runs `goer` in a fresh run of this test program, so that what ends or
// starts the process there (a fault, a library starting for the first time)
// touches only that run. `goer` tells what went wrong, empty when nothing
// did; the test fails with that text, or when the run ends any other way.
void iEgenProcess(const std::function<QString()>& goer);

// Runs `goer` under a watchdog: when it has not returned within `sekunder`,
// the test program ends at once as failed, naming the test. For a step that
// could wait where no timer of the test reaches it (in a read, a lock or a
// modal window), so that a missing guard fails in seconds.
void medVakt(int sekunder, const std::function<void()>& goer);

// A text as Windows-1252 bytes, as the exercise files hold it; a character
// the code page lacks fails the test.
QByteArray ansi(const QString& text);

// Writes `ms` milliseconds of a steady WAV sound, 8 kHz mono unless told,
// a second at a time (so that even hours need little memory); false when the
// file cannot be written.
bool skrivWav(const QString& vaeg, int ms, int frekvens = 8000, int kanaler = 1);

// One row of an exercise: the word, its explanation and their sounds.
Uppgift rad(const QString& ord, const QString& foerklaring = {}, const QString& ordUttal = {},
            const QString& foerklaringUttal = {});

// Puts `rader` in as the loaded exercise of type `typ`, to be run in file
// order.
void laddaIn(const Uppgiftslista& rader, int typ = 1);

// Answers every message box with `svar` and records each call.
class MsgBoxInspelare {
public:
    explicit MsgBoxInspelare(MsgSvar svar = MsgSvar::Ok);
    ~MsgBoxInspelare();
    std::vector<MsgBoxAnrop> anrop;
    MsgSvar svar;
};

// Starts the training window the way the program does (without the splash
// window), with `programMapp` as program folder and the settings already
// written by the test. The window is shown offscreen.
std::unique_ptr<FrmPluvo> startaTraeningsfoenster(const QString& programMapp);

// Sends one typed character, or a key like Qt::Key_Return, to the window's
// key catcher as real key events (press and release).
void tryckTecken(FrmPluvo& f, QChar tecken);
void tryckTangent(FrmPluvo& f, Qt::Key tangent);

// Types a text one character at a time with tryckTecken.
void skriv(FrmPluvo& f, const QString& text);

// Gives a key code straight to the window's key handlers: Form_KeyPress,
// then Form_KeyUp.
void tryckKod(FrmPluvo& f, int kod);

}  // namespace TestSupport
