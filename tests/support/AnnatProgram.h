#pragma once

#include <QProcess>

// Another program on the same X desktop: a small window (xmessage) of an X
// client of its own, to see whether Pluvo leaves it the keyboard and the
// top of the desktop.
class AnnatProgram {
public:
    // Starts it and waits for its window; uppe() tells whether it came.
    AnnatProgram();
    ~AnnatProgram();

    bool uppe() const { return m_foenster != 0; }

    // Whether the window manager has given it the keyboard.
    bool harTangentbordet() const;

    // Whether its window lies above every other managed window.
    bool oeverst() const;

    // Whether it gets the keyboard within `ms`.
    bool faarTangentbordet(int ms = 5000) const;

private:
    QProcess m_process;
    unsigned long m_foenster = 0;
};
