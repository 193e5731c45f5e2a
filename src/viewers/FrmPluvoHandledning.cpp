#include "viewers/FrmPluvoHandledning.h"

#include <QFile>
#include <QPlainTextEdit>

QString Handledningstext()
{
    QFile fil(QStringLiteral(":/texts/handledning.txt"));
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(fil.readAll());
}

FrmPluvoHandledning::FrmPluvoHandledning(QWidget* parent, TextSpeaker* roest)
    : TextVisare(parent, roest, QStringLiteral("Pluvo - Handledning"))
{
    setObjectName("frmPluvoHandledning");
    laeggTillUtskriftOchStaeng();
    txtHandledning->setPlainText(Handledningstext());
}
