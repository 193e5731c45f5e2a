#pragma once

#include <QString>

// The multimedia command interface: sound devices named by their quoted
// file path, driven by command strings such as
//   Open "/x/ljud.wav"    Play "/x/ljud.wav" from 200 to 700
//   Status "/x/ljud.wav" mode|length|position    Set "/x/ljud.wav" time format ms
//   Close "/x/ljud.wav"
// Times are milliseconds. Open reads no more of the file than its header
// and its last second; Play returns at once, and the sound is read from its
// start time while it plays through the shared audio output. So a clip of
// an hour-long recording starts as soon as one of a short sound. Call from
// the program's main thread.
namespace Mci {

enum Felkod : int {
    Ok = 0,
    FelKommando = 1,       // not a command this interface knows
    FelFilSaknas = 2,
    FelFormat = 3,         // the file is there but cannot be read as sound
    FelEjOeppen = 4,
    FelRedanOeppen = 5,
    FelUtanfoer = 6,       // a time outside the sound
    FelCitattecken = 7,    // a path with a double quote cannot be named
    FelUtgaang = 8,        // no audio output at all
};

// Carries out one command. Returns 0 on success with the reply (e.g.
// "playing", "stopped" or a number of milliseconds; empty for commands
// without one) in `svar`, else an error code and `svar` is left alone.
int SkickaKommando(const QString& kommando, QString& svar);

// The text for an error code into `text`; false for a code it does not know.
bool FelText(int kod, QString& text);

}  // namespace Mci
