#include "trainer/HaallenTangent.h"

#include <QKeyEvent>

namespace {

// The key itself: X's key code, or Qt's key where there is none.
quint32 vilken(const QKeyEvent& e)
{
    return e.nativeScanCode() ? e.nativeScanCode() : quint32(e.key());
}

}  // namespace

HaallenTangent::Tryck HaallenTangent::tryckt(const QKeyEvent& e)
{
    const bool sammaTid = m_tid != 0 && e.timestamp() == m_tid && vilken(e) == m_tangent;
    m_tid = 0;
    if (sammaTid)
        return Tryck::UpprepningEfterSlaepp;
    return e.isAutoRepeat() ? Tryck::Upprepning : Tryck::Nytt;
}

bool HaallenTangent::slaeppt(const QKeyEvent& e)
{
    if (e.isAutoRepeat())
        return false;
    m_tangent = vilken(e);
    m_tid = e.timestamp();
    return true;
}
