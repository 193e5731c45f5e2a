#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Opens the exercise editor modally. `tag` is the training window's Tag:
// an exercise type ("rtt", "ord", "glo", "gls", "tst") to start a new list
// of that type, or "senaste fel" to start from the words typed wrong
// (`lstFel`, one exercise line each) in the loaded exercise's type.
void VisaOevningsredigerare(QWidget* aegare, const QString& tag, const QStringList& lstFel);
