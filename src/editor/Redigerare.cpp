#include "editor/Redigerare.h"

#include "editor/FrmSkrivIn.h"

void VisaOevningsredigerare(QWidget* aegare, const QString& tag, const QStringList& lstFel)
{
    FrmSkrivIn redigerare(aegare, tag, lstFel);
    redigerare.exec();
}
