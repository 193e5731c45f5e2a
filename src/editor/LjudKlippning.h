#pragma once

#include <QString>

// The arithmetic of marking a clip in a sound, apart from the clip window
// so it can be checked without one. Times are milliseconds.

struct Klipp {
    double inpunkt = 0;
    double utpunkt = 0;
};

// The clip brought into the sound: whole milliseconds, the in point not
// below 0, the out point not beyond the length (0 meaning the end), and an
// in point that is not below the out point meaning the whole sound.
Klipp KontrolleraKlipp(Klipp klipp, double laengd);

// True when the clip is the whole sound.
bool HelaLjudet(const Klipp& klipp, double laengd);

// "Inget klipp" for the whole sound, else "Klipp: Från a ms till b ms".
QString KlippText(const Klipp& klipp, double laengd);

// The sound reference the item window gets back: the path alone for the
// whole sound, else the path with "{in,out}" in whole milliseconds.
QString KlippReferensText(const QString& soekvaeg, const Klipp& klipp, double laengd);

// The time under a point `x` twips from the bar's left edge on a bar
// `bredd` twips wide: rounded to whole milliseconds, below 1 ms read as 0,
// at or beyond the end read as the length.
double PositionTillTid(double x, double bredd, double laengd);

// How far a progress bar reaches, in twips, when playback of the stretch
// [fraan, till] stands at `position` on a bar of `bredd` twips for the
// whole length; within one poll interval of `till` it is drawn as ended.
double FramstegsBredd(double position, double fraan, double till, int intervall, double bredd, double laengd);

// The length of a sound file measured through the multimedia commands
// (Open, Set time format ms, Status length, Close, all four sent). A path
// beginning with "\" lies under the program folder. `fel` gets the first
// command's error text, or stays empty. Closes the open sound first.
double HaemtaLaengd(const QString& soekvaeg, QString& fel);

// The playback position of an open sound (its quoted path), 0 when it
// cannot be read.
double HaemtaPosition(const QString& citeradVaeg);
