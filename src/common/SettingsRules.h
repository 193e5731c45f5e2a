#pragma once

#include <QString>
#include <optional>

// How each stored setting is read: a missing key gives its default, and a
// stored text that does not fit gives the default too. Nothing is reported.
namespace LasRegel {

// Boolean whose default is True: True unless the text is exactly "False".
bool T(const std::optional<QString>& text);

// Boolean whose default is False: True only for exactly "True".
bool F(const std::optional<QString>& text);

// The number at the start of the text (blanks, tabs and line feeds are
// passed over; no number reads 0), rounded with halves to the even one.
// Outside lo..hi, or outside 16 bits, it gives the default.
int W(const std::optional<QString>& text, int lo, int hi, int standard);

// A speech delay factor: a decimal number between 0.5 and 5.0 inclusive,
// else 1.0. Both "." and "," are taken as the decimal sign.
float D(const std::optional<QString>& text);

// The number at the start of a text, as the whole-number rule reads it
// before rounding.
double talIBoerjan(const QString& text);

}  // namespace LasRegel
