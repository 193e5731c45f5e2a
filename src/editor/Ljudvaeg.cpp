#include "editor/Ljudvaeg.h"

#include "common/TextConversion.h"

bool LjudvaegKanSparas(const QString& soekvaeg)
{
    QString rensad = soekvaeg;
    RensaFaelt(rensad);
    return !soekvaeg.isEmpty() && rensad == soekvaeg && !soekvaeg.contains(u'{') && !soekvaeg.contains(u'"');
}
