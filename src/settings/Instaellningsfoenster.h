#pragma once

#include <functional>

class QWidget;
class TextSpeaker;
class Traeningsfoenster;

// Opens the settings window modally over `aegare`. The speech controls are
// lent only when speech works (null otherwise). Whether its pages can be
// changed follows InstLaast.
void VisaInstaellningar(QWidget* aegare, Traeningsfoenster& foenster, TextSpeaker* tspRoest1,
                        TextSpeaker* tspRoest2);

// For the training window's tests: every settings window goes to this
// handler instead, called while the window would be open (an empty one
// restores the real window).
void saettInstaellningsfoensterHanterare(std::function<void(TextSpeaker* tspRoest1, TextSpeaker* tspRoest2)> hanterare);
