#include "platform/Tangentbordet.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// Windows, not menus or tool tips, which take no keyboard of their own.
bool aerFoenster(const QObject* o)
{
    const auto* w = qobject_cast<const QWidget*>(o);
    if (!w || !w->isWindow())
        return false;
    const Qt::WindowType typ = w->windowType();
    return typ == Qt::Window || typ == Qt::Dialog;
}

class Tangentbordsvakt : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // A window minimized or brought back by the user is not one that
        // opens or closes.
        const bool oeppnasEllerStaengs = (e->type() == QEvent::Show || e->type() == QEvent::Hide)
                                         && !e->spontaneous();
        if (oeppnasEllerStaengs && aerFoenster(o)) {
            auto* foenster = static_cast<QWidget*>(o);
            m_oeppna.removeAll(foenster);
            m_oeppna.removeAll(nullptr);
            if (e->type() == QEvent::Show)
                m_oeppna.append(foenster);
            // Once the window is up, or gone, not while it changes.
            QTimer::singleShot(0, this, [this] { aktiveraOeversta(); });
        }
        return false;
    }

private:
    void aktiveraOeversta()
    {
        for (qsizetype i = m_oeppna.size() - 1; i >= 0; --i) {
            QWidget* w = m_oeppna[i];
            if (w && w->isVisible() && !w->isMinimized()) {
                if (!w->isActiveWindow())
                    w->activateWindow();
                return;
            }
        }
    }

    QList<QPointer<QWidget>> m_oeppna;
};

}  // namespace

void laatFoenstrenTaTangentbordet()
{
    static Tangentbordsvakt* vakt = nullptr;
    if (vakt || !qApp)
        return;
    vakt = new Tangentbordsvakt(qApp);
    qApp->installEventFilter(vakt);
}
