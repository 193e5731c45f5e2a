#pragma once

#include <QString>

// Whether a sound file's path can be stored in an exercise line as it is
// and played from there: the line's cleaning would drop delimiters ("(",
// ")", "[", "]", "="), control characters and characters Windows-1252
// lacks, a "{" would be read back as the start of a clip, and a sound
// device cannot be named by a path with a double quote.
bool LjudvaegKanSparas(const QString& soekvaeg);
