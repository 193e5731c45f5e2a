#pragma once

// The on-screen letter board of the training window: 30 letter cells in two
// rows, the next and back pictures and the frame around them.
void PlaceraTavla();
void VisaTavla();
void VisaTavlaCeller(bool Doelj);
void FyllTavla();
int FoersteTommaPosition();
void MarkeraVal(int Element);
