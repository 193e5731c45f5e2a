#include "platform/Skaermgraens.h"

#include "platform/Screen.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace Skaermgraens {
namespace {

const QWidget* aegare(const QWidget* foenster)
{
    const QWidget* foraelder = foenster->parentWidget();
    return foraelder ? foraelder->window() : foenster;
}

// The frame the manager has drawn, known once the window is on the screen.
// The window's own record is asked, not the widget's: the widget keeps the
// frame it saw at its last move, and a manager that frames a window without
// moving its inside leaves that at "no frame".
const QWindow* paaSkaermen(const QWidget* w)
{
    const QWindow* foenster = w->isVisible() ? w->windowHandle() : nullptr;
    return foenster && foenster->isExposed() ? foenster : nullptr;
}

QMargins egenRam(const QWidget* w)
{
    const QWindow* foenster = paaSkaermen(w);
    return foenster ? foenster->frameMargins() : QMargins();
}

bool utanRam(const QWidget* w)
{
    return w->windowFlags().testFlag(Qt::FramelessWindowHint);
}

// Watches one window and moves it back within the area whenever its frame
// would reach beyond it.
class Vakt : public QObject {
public:
    explicit Vakt(QWidget* foenster) : QObject(foenster), m_foenster(foenster)
    {
        foenster->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override
    {
        if (m_flyttar)
            return false;
        const QEvent::Type typ = haendelse->type();
        if (objekt == m_foenster) {
            // The window comes on the screen (framed) after it is shown.
            QWindow* foenster = m_foenster->windowHandle();
            if (typ == QEvent::Show && foenster && foenster != m_bevakat) {
                foenster->installEventFilter(this);
                m_bevakat = foenster;
            }
            if (typ == QEvent::Show || ((typ == QEvent::Move || typ == QEvent::Resize) && m_foenster->isVisible()))
                flyttaInom();
        } else if (objekt == m_bevakat && typ == QEvent::Expose && m_foenster->isVisible()) {
            flyttaInom();
        }
        return false;
    }

private:
    void flyttaInom()
    {
        if (m_foenster->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
            return;
        // Before the manager has drawn the frame, pos() is where the frame's
        // top left corner will stand.
        QWindow* foenster = m_foenster->windowHandle();
        const bool inramat = paaSkaermen(m_foenster) != nullptr;
        const QRect foere = inramat ? foenster->frameGeometry()
                                    : QRect(m_foenster->pos(), m_foenster->size().grownBy(ram(m_foenster)));
        const QRect efter = inomYtan(foere, Skaerm::anvaendbarYta(aegare(m_foenster)));
        if (efter.topLeft() == foere.topLeft())
            return;
        m_flyttar = true;
        // Once framed, the inside is placed within the frame the window system
        // reports; the widget's own idea of its frame may be out of date.
        if (inramat) {
            const QMargins m = foenster->frameMargins();
            m_foenster->setGeometry(QRect(efter.topLeft() + QPoint(m.left(), m.top()), m_foenster->size()));
        } else {
            m_foenster->move(efter.topLeft());
        }
        m_flyttar = false;
    }

    QWidget* m_foenster;
    QWindow* m_bevakat = nullptr;
    bool m_flyttar = false;
};

}  // namespace

QRect inomYtan(QRect ram, const QRect& yta)
{
    if (ram.right() > yta.right())
        ram.moveRight(yta.right());
    if (ram.bottom() > yta.bottom())
        ram.moveBottom(yta.bottom());
    if (ram.left() < yta.left())
        ram.moveLeft(yta.left());
    if (ram.top() < yta.top())
        ram.moveTop(yta.top());
    return ram;
}

QMargins ram(const QWidget* foenster)
{
    if (utanRam(foenster))
        return {};
    const QMargins egen = egenRam(foenster);
    if (!egen.isNull())
        return egen;
    const QWidget* oeverst = aegare(foenster);
    return oeverst == foenster || utanRam(oeverst) ? QMargins() : egenRam(oeverst);
}

QSize stoerstaStorlek(const QWidget* foenster)
{
    return Skaerm::anvaendbarYta(aegare(foenster)).size().shrunkBy(ram(foenster));
}

void haallInom(QWidget* foenster)
{
    new Vakt(foenster);
}

}  // namespace Skaermgraens
