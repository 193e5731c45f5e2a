#include "platform/Skaermgraens.h"

#include "platform/Foenster.h"
#include "platform/Screen.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

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

// Maximized, full screen or minimized: the manager decides the place.
bool hanterarensLaege(const QWidget* w)
{
    return w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
}

// Moves (and, where it can change size, shrinks) a window until its frame
// lies within the usable area of the screen it stands on. `visas`: it is
// being shown, and the window system's record is of where it stood before.
void placera(QWidget* w, bool visas)
{
    if (hanterarensLaege(w))
        return;
    // Before the manager has drawn the frame, pos() is where the frame's top
    // left corner will stand. Once framed, the window system's record of the
    // frame is asked: the widget's own may be out of date.
    QWindow* foenster = w->windowHandle();
    const bool inramat = !visas && paaSkaermen(w) != nullptr;
    const QMargins m = inramat ? foenster->frameMargins() : ram(w);
    const QRect foere = inramat ? foenster->frameGeometry() : QRect(w->pos(), w->size().grownBy(m));
    const QRect yta = Skaerm::anvaendbarYtaVid(foere.center(), w);
    QSize storlek = w->size();
    if (w->minimumSize() != w->maximumSize())
        storlek = storlek.boundedTo(yta.size().shrunkBy(m)).expandedTo(w->minimumSize());
    const QRect efter = inomYtan(QRect(foere.topLeft(), storlek.grownBy(m)), yta);
    if (efter.topLeft() == foere.topLeft() && storlek == w->size())
        return;
    if (inramat)
        w->setGeometry(QRect(efter.topLeft() + QPoint(m.left(), m.top()), storlek));
    else {
        w->resize(storlek);
        w->move(efter.topLeft());
    }
}

// Sees every window of the program: the events that place one are told
// from those the user and the manager cause (spontaneous ones).
class Placerare : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override
    {
        if (m_placerar)
            return false;
        switch (haendelse->type()) {
        case QEvent::Show:
            // A window shown again from the taskbar (a spontaneous show)
            // stands where the user left it.
            if (QWidget* w = somFoenster(objekt); w && !haendelse->spontaneous()) {
                placeraNu(w, true);
                if (!m_vaentarPaaRam.contains(w))
                    m_vaentarPaaRam.append(w);
            }
            break;
        case QEvent::Expose:
            // The first picture of a shown window comes once it is framed.
            if (auto* foenster = qobject_cast<QWindow*>(objekt); foenster && foenster->isExposed())
                placeraInramade(foenster);
            break;
        case QEvent::Resize:
            if (QWidget* w = somFoenster(objekt); w && w->isVisible()) {
                // The size a restore grants may arrive just after it.
                const bool aatergaar = m_aatergaar == w && !m_aatergaarTill.hasExpired();
                m_aatergaar = nullptr;
                if (aatergaar || !haendelse->spontaneous())
                    placeraNu(w);
            }
            break;
        case QEvent::WindowStateChange:
            if (QWidget* w = somFoenster(objekt); w && w->isVisible()) {
                const auto* byte = static_cast<QWindowStateChangeEvent*>(haendelse);
                if ((byte->oldState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) && !hanterarensLaege(w))
                    aatergaar(w);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void placeraNu(QWidget* w, bool visas = false)
    {
        m_placerar = true;
        placera(w, visas);
        m_placerar = false;
    }

    // A restored window is placed at once and again as the manager gives it
    // its normal size and frame: the frame it reports at first is still the
    // maximized one, and the size may come in a resize of its own.
    void aatergaar(QWidget* w)
    {
        placeraNu(w);
        m_aatergaar = w;
        m_aatergaarTill.setRemainingTime(1000);
        QTimer::singleShot(500, this, [this, w = QPointer<QWidget>(w)] {
            if (w && w->isVisible())
                placeraNu(w);
        });
    }

    // Places and forgets the windows waiting for their frame whose window
    // this is; closed ones are forgotten too.
    void placeraInramade(const QWindow* foenster)
    {
        for (qsizetype i = m_vaentarPaaRam.size() - 1; i >= 0; --i) {
            QWidget* w = m_vaentarPaaRam[i];
            if (w && w->windowHandle() != foenster)
                continue;
            m_vaentarPaaRam.removeAt(i);
            if (w)
                placeraNu(w);
        }
    }

    QList<QPointer<QWidget>> m_vaentarPaaRam;
    QPointer<QWidget> m_aatergaar;
    QDeadlineTimer m_aatergaarTill;
    bool m_placerar = false;
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

void haallFoenstrenPaaSkaermen()
{
    static Placerare* placerare = nullptr;
    if (placerare || !QCoreApplication::instance())
        return;
    placerare = new Placerare(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(placerare);
}

}  // namespace Skaermgraens
