#include "settings/Instaellningsfoenster.h"

#include "settings/FrmOptions2.h"

void VisaInstaellningar(QWidget* aegare, Traeningsfoenster& foenster, TextSpeaker* tspRoest1,
                        TextSpeaker* tspRoest2)
{
    FrmOptions2 frmOptions2(foenster, tspRoest1, tspRoest2, aegare);
    frmOptions2.exec();
}
