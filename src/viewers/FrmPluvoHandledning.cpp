#include "viewers/FrmPluvoHandledning.h"

#include <QFile>
#include <QPlainTextEdit>

namespace {

// The guide text as the program ships it.
QString Handledningstext()
{
    QFile fil(QStringLiteral(":/texts/handledning.txt"));
    if (!fil.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(fil.readAll());
}

}  // namespace

FrmPluvoHandledning::FrmPluvoHandledning(QWidget* parent, TextSpeaker* roest)
    : TextVisare(parent, roest, QStringLiteral("Pluvo - Handledning"))
{
    setObjectName("frmPluvoHandledning");
    laeggTillUtskriftOchStaeng();
    txtHandledning->setPlainText(Handledningstext());
}
