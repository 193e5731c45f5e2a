#pragma once

// Where the window system has put the keyboard, asked of the X server
// itself: Qt learns that another program took it only a while later.
enum class Tangentbordsfokus {
    Eget,    // one of the program's own windows
    Ingen,   // no window at all, or one of no program: the window
             // manager's own, or one it lists for no program
    Annat,   // a window of another program
    Okaent,  // not on X, or the server could not be asked
};

Tangentbordsfokus tangentbordsfokus();
