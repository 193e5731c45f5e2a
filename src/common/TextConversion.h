#pragma once

#include <QString>

// Turning texts into the forms exercises are stored in. No state, no errors.

// The path up to and including its last folder separator ("\" or "/");
// the path unchanged when it has none.
QString HaemtaKatalog(const QString& soekvaeg);

// The part of the path after its last folder separator ("\" or "/"); the
// path unchanged when it has none.
QString HaemtaFilnamn(const QString& soekvaeg);

// Free text, lines ended by CR LF, LF or a lone CR, into canonical exercise
// lines, each ended by CR LF. Lines that yield no word are dropped.
QString KonverteraText(const QString& text);

// One line of free text ("word = explanation", "word[pronunciation]
// (explanation)[pronunciation]" and the like) as a canonical exercise line,
// or an empty text when it yields no word.
QString KonverteraRad(const QString& rad);

// Cleans one field in place: keeps only characters whose Windows-1252 code
// lies in 32..39, 42..60, 62..90, 92 or 94..255 (so control characters and
// the delimiters "(", ")", "=", "[", "]" go, as do characters the code page
// cannot hold), then trims blanks at both ends.
void RensaFaelt(QString& faelt);

// Text of an older exercise file, written in code page 850, into
// Windows-1252, character by character; the length never changes.
QString KonverteraFraanDos(const QString& text);

// The Windows-1252 code of the same character for the code page 850 codes
// of letters and the micro sign; every other code is returned unchanged.
int DosTeckenTillAnsi(int kod);
