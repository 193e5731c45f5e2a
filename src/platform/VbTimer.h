#pragma once

#include <QObject>
#include <QTimer>

// A timer with the meaning the program relies on: it runs while it is
// Enabled and its Interval is above 0; setting the Interval restarts it, and
// an Interval of 0 stops it. A tick never re-enters its own handler, also
// when the handler opens a modal window whose loop keeps timers running.
class VbTimer : public QObject {
    Q_OBJECT
public:
    explicit VbTimer(QObject* parent = nullptr);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);

    // True while the timer would tick.
    bool gaar() const { return m_timer.isActive(); }

signals:
    void Timer();

private:
    void omstart();
    void tick();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 0;
    bool m_iTick = false;
};
