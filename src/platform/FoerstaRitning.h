#pragma once

class QWidget;

// Lets a window that has just been shown be drawn before the program goes
// on: the events run until the window's first picture is painted, or at
// most `maxMs` milliseconds (a window that is never exposed). Keys and
// clicks wait until afterwards, so nothing acts on a window still starting.
void vaentaTillsRitad(QWidget* foenster, int maxMs);
