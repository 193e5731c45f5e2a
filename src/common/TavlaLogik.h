#pragma once

#include <QChar>
#include <array>
#include <vector>

// The letter board's rules that need no window: the 30 cell captions for the
// letter expected next, the target cell, and how the cursor (TavlaVal) moves
// by a step or an arrow key.

namespace Tavla {
constexpr int AntalCeller = 30;
constexpr int RadLaengd = 15;
constexpr int Bakaat = -1;  // the back picture: shows the word again
constexpr int Naesta = -2;  // the next picture: goes on
}  // namespace Tavla

using Tavlatexter = std::array<QChar, Tavla::AntalCeller>;

// The first letter not yet shown, 0 when every letter is shown.
int FoersteTommaPosition(const std::vector<bool>& bokstavVisas);

// The captions for expected character `vaentat`: a to z, å, ä, ö in its case
// (an accented form standing in for its base letter), and in the last cell
// the character itself when it is no letter, else a blank.
Tavlatexter FyllTavla(QChar vaentat);

// The first cell showing the expected character; 0 when none does.
int TavlaMaal(const Tavlatexter& texter, QChar vaentat);

// What the board shows right now, as the cursor moves depend on it.
struct TavlaSynlig {
    bool celler = true;  // the 30 cells (hidden in a Läs run)
    bool bakaat = true;  // the back picture (shown while the pupil types)
};

// Where the cursor starts a round: the back picture when shown, else next.
int VaeljTavlStart(const TavlaSynlig& synlig);

// One step from cell `cell` towards cell `maal` the nearest way round its
// row; with `kantBegraensning` the cursor never wraps at a row's end. On the
// target itself the cursor leaves for the start.
int FlyttaTavlmarkoer(int cell, int maal, bool kantBegraensning, const TavlaSynlig& synlig);

// One step of the cursor (Space or the one-key scan).
int StegaBokstavstavla(int tavlaVal, int maal, bool naermasteVaeg, bool kantBegraensning,
                       const TavlaSynlig& synlig);

enum class Pil { Ner, Upp, Vaenster, Hoeger };

// The cursor after an arrow key.
int FlyttaMedPil(int tavlaVal, Pil pil, const TavlaSynlig& synlig);
