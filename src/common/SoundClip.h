#pragma once

#include <QString>

// The clip suffix "{start,end}" (milliseconds) that a sound reference of a
// "Glosor med ljud" item may carry after its path.

// How the sound player reads a reference: with a usable clip (start 0 or
// more, end above start, both whole milliseconds) the path is the text
// before the "{"; otherwise the whole reference is the path.
struct SpelaLjudReferens {
    QString soekvaeg;
    bool medKlipp = false;
    int start = 0;
    int slut = 0;
};
SpelaLjudReferens SpelaLjudTolkaReferens(const QString& referens);

// How the clip window reads a reference: the path before a "{" that is not
// the first character, and the in and out points of a well-formed suffix
// (both 0 when there is none or it is malformed).
struct KlippReferens {
    QString soekvaeg;
    double inpunkt = 0;
    double utpunkt = 0;
};
KlippReferens TolkaKlipp(const QString& referens);

// "{" start "," end "}", the numbers in general format (no decimals for
// whole milliseconds).
QString LjudKlippSuffix(double start, double slut);
