#pragma once

// Loads every setting into the shared state and applies the colour scheme,
// the font, the one-key timer and the exercise folder to the training
// window. Called once, when the training window starts.
void LaesInstaellningar();

// Makes the original exercise folder (the program folder, or the
// account's own folder where it may not write that) the exercise folder
// and stores it.
void AaterstaellFilkatalog();
