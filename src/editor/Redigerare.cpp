#include "editor/Redigerare.h"

void VisaOevningsredigerare(QWidget*, const QString&, const QStringList&) {}
