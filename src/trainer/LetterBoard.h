#pragma once

#include <QChar>

// The on-screen letter board of the training window: 30 letter cells in two
// rows, the next and back pictures and the frame around them.
void PlaceraTavla();
void VisaTavla();
void VisaTavlaCeller(bool Doelj);
void FyllTavla();
int FoersteTommaPosition();
void MarkeraVal(int Element);

// The letter the pupil types next: the first hidden letter of the drawn
// word (its first letter when all are shown); a blank while no word is drawn.
QChar VaentatTecken();
