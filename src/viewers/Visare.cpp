#include "viewers/Visare.h"

#include "viewers/FrmPluvoHandledning.h"
#include "viewers/FrmPluvoLoggbok.h"

void VisaLoggbok(QWidget* aegare, const QString& loggbokText, TextSpeaker* tspRoest1)
{
    FrmPluvoLoggbok loggbok(aegare, loggbokText, tspRoest1);
    loggbok.exec();
}

void VisaHandledning(QWidget* aegare, TextSpeaker* tspRoest1)
{
    FrmPluvoHandledning handledning(aegare, tspRoest1);
    handledning.exec();
}
