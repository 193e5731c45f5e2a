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

// Asked before the manager has framed and shown the window, Qt would keep
// "no frame" as the answer, so until then there is none to read.
bool inramat(const QWidget* w)
{
    return w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

QMargins egenRam(const QWidget* w)
{
    if (!inramat(w))
        return {};
    const QRect yttre = w->frameGeometry();
    const QRect inre = w->geometry();
    return QMargins(inre.left() - yttre.left(), inre.top() - yttre.top(), yttre.right() - inre.right(),
                    yttre.bottom() - inre.bottom());
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
        if (objekt != m_foenster || m_flyttar)
            return false;
        const QEvent::Type typ = haendelse->type();
        if (typ == QEvent::Show || ((typ == QEvent::Move || typ == QEvent::Resize) && m_foenster->isVisible()))
            flyttaInom();
        return false;
    }

private:
    void flyttaInom()
    {
        if (m_foenster->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
            return;
        // pos() is where the frame's top left corner stands, also before the
        // manager has drawn the frame.
        const QRect foere(m_foenster->pos(), m_foenster->size().grownBy(ram(m_foenster)));
        const QRect efter = inomYtan(foere, Skaerm::anvaendbarYta(aegare(m_foenster)));
        if (efter.topLeft() == foere.topLeft())
            return;
        m_flyttar = true;
        m_foenster->move(efter.topLeft());
        m_flyttar = false;
    }

    QWidget* m_foenster;
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
