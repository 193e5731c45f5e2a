#pragma once

// Loads every setting into the shared state and applies the colour scheme,
// the font, the one-key timer and the exercise folder to the training
// window. Called once, when the training window starts.
void LaesInstaellningar();

// Makes the program folder the exercise folder and stores it.
void AaterstaellFilkatalog();
