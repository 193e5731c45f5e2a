#include "platform/Foenster.h"

#include <QWidget>

QWidget* somFoenster(QObject* objekt)
{
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || !w->isWindow())
        return nullptr;
    const Qt::WindowType typ = w->windowType();
    return typ == Qt::Window || typ == Qt::Dialog ? w : nullptr;
}
