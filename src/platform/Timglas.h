#pragma once

#include <QApplication>

// The hourglass pointer while a long action runs; the normal pointer comes
// back on every way out of the scope, and at once with av().
class Timglas {
public:
    Timglas() = default;
    Timglas(const Timglas&) = delete;
    Timglas& operator=(const Timglas&) = delete;
    ~Timglas() { av(); }

    void paa()
    {
        if (!m_paa) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_paa = true;
        }
    }
    void av()
    {
        if (m_paa) {
            QApplication::restoreOverrideCursor();
            m_paa = false;
        }
    }

private:
    bool m_paa = false;
};
