#pragma once

#include <QProxyStyle>

// The program's widget style: the platform's own, except that the menu
// bar's overflow arrow is drawn from the style only when it is first
// painted. A menu bar asks for that picture when it is made, and finding a
// reader for it loads every image-format plugin, which held up the first
// frame of the training window for a picture it hardly ever shows.
class Programstil : public QProxyStyle {
public:
    Programstil();

    QIcon standardIcon(StandardPixmap bild, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
