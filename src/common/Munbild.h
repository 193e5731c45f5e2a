#pragma once

#include "common/Twips.h"

#include <QSize>

// The mouth picture that marks a sound exercise: 9/20 of the file
// selector's arrow high and twice as wide, in the training window and in
// the item and clip windows alike, where it is the click target for the
// sound recorder.
namespace Munbild {

constexpr double PilHoejd = 720;  // twips: the file selector's arrows are 48 pixels square

inline QSize storlek()
{
    const int hoejd = Twips::tillPixlar(PilHoejd * 9 / 20);
    return QSize(Twips::tillPixlar(Twips::fraanPixlar(hoejd) * 2), hoejd);
}

}  // namespace Munbild
