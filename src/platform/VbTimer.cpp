#include "platform/VbTimer.h"

VbTimer::VbTimer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &VbTimer::tick);
}

void VbTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    omstart();
}

void VbTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds < 0 ? 0 : milliseconds;
    omstart();
}

void VbTimer::omstart()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void VbTimer::tick()
{
    if (m_iTick)
        return;
    m_iTick = true;
    emit Timer();
    m_iTick = false;
}
