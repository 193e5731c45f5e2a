#pragma once

#include <QColor>
#include <QLabel>

// The text colour of the small information windows (splash and About).
inline const QColor InformationsTextfaerg(0, 0, 160);

// Gives a widget of those windows its own font: Arial at `storlek` points.
void saettInformationsfont(QWidget* w, double storlek, bool fet);

// A fixed label of those windows, sized to its text.
QLabel* nyInformationsetikett(QWidget* foraelder, const QString& namn, const QString& text, double storlek,
                              bool fet);
