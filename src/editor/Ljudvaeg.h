#pragma once

#include <QString>

// Whether a sound file's path can be stored in an exercise line as it is:
// the line's cleaning would drop delimiters ("(", ")", "[", "]", "="),
// control characters and characters Windows-1252 lacks, and a "{" would be
// read back as the start of a clip.
bool LjudvaegKanSparas(const QString& soekvaeg);
