#pragma once

// Applies a colour scheme to the training window. A number outside 0..5
// leaves the scheme colours as they are and only copies the word colour on.
void SaettStil(int schema);
