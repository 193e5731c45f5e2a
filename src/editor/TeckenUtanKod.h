#pragma once

#include <QString>
#include <optional>

// Letters a teacher types that an exercise file cannot hold: the file is
// Windows-1252, and the line cleaning would drop them without a word.

// The first such character of a text and its line (from 1; lines end at
// "\n"), or nothing when every character fits.
struct TeckenUtanKod {
    QString tecken;  // the whole character
    int rad;
};
std::optional<TeckenUtanKod> foerstaTeckenUtanKod(const QString& text);

// What the teacher is told: the character, its line when `rad` is above 0,
// and on a line of its own what to do next.
QString teckenUtanKodText(const QString& tecken, int rad, const QString& aatgaerd);
