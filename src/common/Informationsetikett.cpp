#include "common/Informationsetikett.h"

void saettInformationsfont(QWidget* w, double storlek, bool fet)
{
    QFont f("Arial");
    f.setPointSizeF(storlek);
    f.setBold(fet);
    w->setFont(f);
}

QLabel* nyInformationsetikett(QWidget* foraelder, const QString& namn, const QString& text, double storlek,
                              bool fet)
{
    auto* l = new QLabel(text, foraelder);
    l->setObjectName(namn);
    saettInformationsfont(l, storlek, fet);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, InformationsTextfaerg);
    l->setPalette(p);
    l->adjustSize();
    return l;
}
