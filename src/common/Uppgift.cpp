#include "common/Uppgift.h"

QString& Uppgift::falt(int nummer)
{
    switch (nummer) {
    case 1: return Ord;
    case 2: return OrdUttal;
    case 3: return Foerklaring;
    default: return FoerklaringUttal;
    }
}

const QString& Uppgift::falt(int nummer) const
{
    return const_cast<Uppgift*>(this)->falt(nummer);
}
