#pragma once

class QMenuBar;
class QWidget;

// Who gets the keyboard, in one place. Pluvo takes it only from itself: it
// hands the keys back to one of its own windows only while one of them has
// the keyboard, or while nobody has it (a desktop without a window manager,
// where nobody else hands them on). The key that the pupil holds down is
// the training window's own business (its key catcher).
namespace Tangentbordet {

// Without a window manager nobody gives a new window the keyboard, nor
// gives it back to the window below when one closes, and keys go nowhere.
// From this call on, the program's windows see to it themselves: a window
// that opens takes the keyboard, and when one closes, the window opened
// last of those still open takes it back. Under a window manager this asks
// for what the manager does anyway. And when Pluvo gets the keyboard back
// from another program, a menu left open then, or its menu bar, lets the
// keys go. Calling it again changes nothing.
void foelj();

// A menu of `menyrad` that closes hands the keys back to `mottagare`,
// unless another menu or a window has opened in its place; so does the
// menu bar when it lets them go.
void efterMenyer(QMenuBar* menyrad, QWidget* mottagare);

// How many times a modal window of the program has closed and given the
// windows below it back to the user; it only counts up.
int aatergaangar();

}  // namespace Tangentbordet
