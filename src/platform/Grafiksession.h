#pragma once

// Whether there is a screen to show the program's windows on: a platform
// named in QT_QPA_PLATFORM other than X is left to Qt, a Wayland session is
// taken as one, and otherwise an X display must answer. Asked before Qt
// starts, which would end the program with its own abort instead.
bool grafiskSessionFinns();
