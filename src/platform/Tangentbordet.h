#pragma once

// Without a window manager nobody gives a new window the keyboard, nor
// gives it back to the window below when one closes, and keys go nowhere.
// From this call on, the program's windows see to it themselves: a window
// that opens takes the keyboard, and when one closes, the window opened
// last of those still open takes it back. Under a window manager this asks
// for what the manager does anyway. Calling it again changes nothing.
void laatFoenstrenTaTangentbordet();
