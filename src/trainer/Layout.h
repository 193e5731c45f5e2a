#pragma once

// Fits the word's letter size to the screen (a fifth of the writing area
// below the top band line) and places the first letter, the first
// explanation character, the wrong-letter mark and the cursor bar.
void PlaceraKontroller();

// Gives the clickable controls the program's own pointer, or the default
// one, by the pointer setting and the control method.
void SaettMuspekare();
