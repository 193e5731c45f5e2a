#pragma once

// A short beep through the audio output (the desktop's own beep is silent
// on most Linux systems). Returns at once.
void Pip();
