#pragma once

#include <QString>
#include <QWidget>

// A named control of a window itself, not of a window it has opened (the
// windows it owns are its children too, and may use the same names).
inline QWidget* kontrollIFoenster(QWidget* foenster, const QString& namn)
{
    if (!foenster)
        return nullptr;
    for (QWidget* w : foenster->findChildren<QWidget*>(namn))
        if (w->window() == foenster->window())
            return w;
    return nullptr;
}
