#pragma once

#include "common/Twips.h"

#include <QSize>

// The mouth picture that marks a sound exercise, at the training window's
// size: 9/20 of the file selector's arrow high and twice as wide. The item
// and clip windows show it at that size; it is their click target for the
// sound recorder.
namespace Munbild {

constexpr double PilHoejd = 720;  // twips: the arrow's 48 pixels

inline QSize storlek()
{
    const int hoejd = Twips::tillPixlar(PilHoejd * 9 / 20);
    return QSize(Twips::tillPixlar(Twips::fraanPixlar(hoejd) * 2), hoejd);
}

}  // namespace Munbild
