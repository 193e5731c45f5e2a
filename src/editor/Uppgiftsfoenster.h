#pragma once

#include <QString>
#include <functional>

class QWidget;

// Opens the item window on one exercise line ("" for a new item) and
// returns the line as the window hands it back: the composed line after OK,
// "" after Stäng, the line handed in when closed by other means.
QString RedigeraUppgift(QWidget* aegare, const QString& rad, bool glosorMedLjud);

// For the editor's tests: every item window goes to this handler instead
// (an empty one restores the real window).
void saettUppgiftsfoensterHanterare(std::function<QString(const QString& rad, bool glosorMedLjud)> hanterare);
