#pragma once

#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

// The rules of the settings window that need no window: the seconds box,
// the control-method change, the font sample's size and the colour
// samples' places.

// The seconds before the word is hidden, as the box shows them after an
// edit: a whole number 1..10 stays, a smaller one becomes "1", a larger
// one "10" (also one too long for any whole-number type), and a text that
// is not a whole number gives `aktuell` back.
QString raettadTid(const QString& text, int aktuell);

// The control method as the training window holds it.
struct Styrning {
    bool tavlaPaa = false;
    bool musStyrning = false;
    bool enTangent = false;  // the one-key timer runs
    bool operator==(const Styrning&) const = default;
};

// What choosing control method `alternativ` (0 keyboard, 1 keyboard and
// mouse, 2 two to five keys, 3 one key) does from the state `foere`.
struct Styrningsbyte {
    Styrning efter;
    bool visaTavla = false;           // the board must be shown or hidden
    std::optional<int> sparat;        // the value to store, when it changed
};
Styrningsbyte bytStyrning(int alternativ, const Styrning& foere);

// The control method a state shows as chosen (0..3).
int valdStyrning(const Styrning& s);

// The font size at which the sample letter is as tall as a letter of the
// training window. Starting from `start`, it grows one point at a time
// while `hoejd(storlek)` is below `maal`, then shrinks while it is above.
// Each way stops at the first step that no longer changes the height (a
// font that cannot be scaled) and at the sizes 1 and 400.
int provstorlek(int start, int maal, const std::function<int(int)>& hoejd);

// Where colour sample `index` (0..5) stands on its page: three columns and
// two rows with equal gaps, all samples the size of the first. Twips.
QRectF provPlats(int index, double bredd, double hoejd, double sidbredd, double sidhoejd);

// A chosen folder as the folder page shows it: its own letter case, with a
// final "/".
QString mappMedSnedstreck(const QString& mapp);
