#pragma once

#include "platform/MessageBox.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class FrmPluvo;

// Helpers shared by the tests.
namespace TestSupport {

// Empties the settings file and the shared state: a fresh program run.
void nyStart();

// Writes one settings value as text, as a teacher's hand edit would.
void skrivInstaellning(const QString& sektion, const QString& nyckel, const QString& varde);

// Writes bytes to a file, creating its folder.
void skrivFil(const QString& vaeg, const QByteArray& innehaall);
QByteArray lasFil(const QString& vaeg);

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

}  // namespace TestSupport
