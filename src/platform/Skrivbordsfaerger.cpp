#include "platform/Skrivbordsfaerger.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void behaallSkrivbordetsFaerger(QWidget* w)
{
    const QPalette skrivbordet = QApplication::palette(w);
    // Only colours set one by one are the widget's own; the rest it would
    // still take from its window.
    QPalette egna;
    for (int grupp = 0; grupp < QPalette::NColorGroups; ++grupp) {
        for (int roll = 0; roll < QPalette::NColorRoles; ++roll) {
            const auto g = QPalette::ColorGroup(grupp);
            const auto r = QPalette::ColorRole(roll);
            egna.setColor(g, r, skrivbordet.color(g, r));
        }
    }
    w->setPalette(egna);
}
