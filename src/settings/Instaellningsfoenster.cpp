#include "settings/Instaellningsfoenster.h"

namespace {
std::function<void(TextSpeaker*, TextSpeaker*)>& hanterare()
{
    static std::function<void(TextSpeaker*, TextSpeaker*)> h;
    return h;
}
}  // namespace

void VisaInstaellningar(QWidget*, Traeningsfoenster&, TextSpeaker* tspRoest1, TextSpeaker* tspRoest2)
{
    if (hanterare())
        hanterare()(tspRoest1, tspRoest2);
}

void saettInstaellningsfoensterHanterare(std::function<void(TextSpeaker*, TextSpeaker*)> h)
{
    hanterare() = std::move(h);
}
