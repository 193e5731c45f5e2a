#pragma once

#include <QColor>

// How well one colour stands out on another, by the relative luminance of
// the web's accessibility guidelines: 1 for equal colours up to 21 for
// black on white, whichever of the two is the lighter.
double kontrast(const QColor& a, const QColor& b);

// The contrast ordinary text needs to be read with ease.
constexpr double LaesbarKontrast = 4.5;

// `oenskad` when `text` is readable on it; otherwise the first shade from
// `oenskad` towards `reserv` on which it is (`reserv` itself at the end).
QColor laesbarBakgrund(const QColor& oenskad, const QColor& reserv, const QColor& text);
