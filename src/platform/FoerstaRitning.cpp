#include "platform/FoerstaRitning.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the wait once the window has been painted.
class RitningsVakt : public QObject {
public:
    explicit RitningsVakt(QEventLoop& slinga) : m_slinga(slinga) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override
    {
        if (haendelse->type() == QEvent::Paint)
            QTimer::singleShot(0, &m_slinga, &QEventLoop::quit);
        return QObject::eventFilter(objekt, haendelse);
    }

private:
    QEventLoop& m_slinga;
};

}  // namespace

void vaentaTillsRitad(QWidget* foenster, int maxMs)
{
    if (!foenster || foenster->isHidden())
        return;
    QEventLoop slinga;
    RitningsVakt vakt(slinga);
    QPointer<QWidget> bevakad(foenster);
    foenster->installEventFilter(&vakt);
    QTimer::singleShot(maxMs, &slinga, &QEventLoop::quit);
    slinga.exec(QEventLoop::ExcludeUserInputEvents);
    if (bevakad)
        bevakad->removeEventFilter(&vakt);
}
