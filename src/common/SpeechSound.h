#pragma once

#include <QString>
#include <functional>

class TextSpeaker;

// Reading aloud and playing sounds for the whole program. The training
// window connects its two speech controls and its sound poll here at
// start-up.
struct LjudKoppling {
    TextSpeaker* roest1 = nullptr;       // tspPluvo
    TextSpeaker* roest2 = nullptr;       // tspPluvo2
    std::function<void()> bevakaLjud;    // starts the sound poll (100 ms)
};
void saettLjudKoppling(const LjudKoppling& koppling);
const LjudKoppling& ljudKoppling();

// Should the current screen be read aloud?
bool SkaLaesaUpp();
// Speaks a text with voice 1 (errors are ignored; callers test TalFinns).
void Laes(const QString& text);
// Sends one multimedia command; empty on success, else the error text.
QString MciKommando(const QString& kommando);
// Plays a sound file or a clip of it ("path{start,end}").
void SpelaLjud(const QString& referens, bool bevaka);
// Closes the sound that is open.
void StaengLjud();
// Whether a "mode" reply says the sound has played to its end or stopped.
bool LjudetSlut(const QString& svar);
// Brings up the sound recorder.
void StartaLjudinspelare();
