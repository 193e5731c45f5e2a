#pragma once

#include <QtGlobal>

class QKeyEvent;

// Tells the window system's repeats of a key the pupil holds from keys
// pressed and let go. Qt marks most repeats itself; on X11 it gives some,
// the more the busier the machine, as a plain release and a new press,
// which the X server stamps with one and the same time. It goes by nothing
// but the key events it is given, not by which window has the focus.
class HaallenTangent {
public:
    enum class Tryck {
        Nytt,                   // a key pressed
        Upprepning,             // the held key's repeat
        UpprepningEfterSlaepp,  // the same, whose release came as a real one
    };

    Tryck tryckt(const QKeyEvent& e);

    // False for a repeat's release, which lets no key go.
    bool slaeppt(const QKeyEvent& e);

private:
    // The last release let through: its key and its time stamp (0 when the
    // window system gave none).
    quint32 m_tangent = 0;
    quint64 m_tid = 0;
};
