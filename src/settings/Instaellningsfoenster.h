#pragma once

class QWidget;
class TextSpeaker;
class Traeningsfoenster;

// Opens the settings window modally over `aegare`. The speech controls are
// lent only when speech works (null otherwise). Whether its pages can be
// changed follows InstLaast.
void VisaInstaellningar(QWidget* aegare, Traeningsfoenster& foenster, TextSpeaker* tspRoest1,
                        TextSpeaker* tspRoest2);
