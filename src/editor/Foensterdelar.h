#pragma once

#include "common/Twips.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

// Controls the item window and the clip window both have.
namespace Foensterdelar {

constexpr double KnappBredd = 975;  // twips
constexpr double KnappHoejd = 375;

// A named button of the windows' one size, which Enter never presses
// unless it is the window's default.
inline QPushButton* nyKnapp(QWidget* foraelder, const QString& namn, const QString& text)
{
    auto* k = new QPushButton(text, foraelder);
    k->setObjectName(namn);
    k->setAutoDefault(false);
    Twips::placera(k, 0, 0, KnappBredd, KnappHoejd);
    return k;
}

// The background picture and the mouth picture, named so the windows can
// find each other's.
inline QLabel* nyBild(QWidget* foraelder, const QString& namn)
{
    auto* bild = new QLabel(foraelder);
    bild->setObjectName(namn);
    return bild;
}

}  // namespace Foensterdelar
