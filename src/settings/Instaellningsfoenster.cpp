#include "settings/Instaellningsfoenster.h"

#include "settings/FrmOptions2.h"

namespace {
std::function<void(TextSpeaker*, TextSpeaker*)>& hanterare()
{
    static std::function<void(TextSpeaker*, TextSpeaker*)> h;
    return h;
}
}  // namespace

void VisaInstaellningar(QWidget* aegare, Traeningsfoenster& foenster, TextSpeaker* tspRoest1,
                        TextSpeaker* tspRoest2)
{
    if (hanterare()) {
        hanterare()(tspRoest1, tspRoest2);
        return;
    }
    FrmOptions2 frmOptions2(foenster, tspRoest1, tspRoest2, aegare);
    frmOptions2.exec();
}

void saettInstaellningsfoensterHanterare(std::function<void(TextSpeaker*, TextSpeaker*)> h)
{
    hanterare() = std::move(h);
}
