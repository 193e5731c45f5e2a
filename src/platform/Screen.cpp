#include "platform/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Skaerm {
namespace {

QSize& testStorlek()
{
    static QSize s;
    return s;
}

// The usable area leaves out a thin window border on each side, which the
// layout adds back. It is the training window's first estimate; the client
// area a window manager grants replaces it when it arrives.
constexpr int Kantbredd = 2;

}  // namespace

QSize storlekPixlar()
{
    if (testStorlek().isValid())
        return testStorlek();
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->geometry().size();
    return QSize(800, 600);
}

double Width() { return storlekPixlar().width() * double(TwipsPerPixel); }
double Height() { return storlekPixlar().height() * double(TwipsPerPixel); }

int GetSystemMetrics(int index)
{
    QSize anvaendbar = storlekPixlar();
    if (!testStorlek().isValid()) {
        if (QScreen* s = QGuiApplication::primaryScreen())
            anvaendbar = s->availableGeometry().size();
    }
    switch (index) {
    case 16: return anvaendbar.width() - 2 * Kantbredd;
    case 17: return anvaendbar.height() - 2 * Kantbredd;
    default: return 0;
    }
}

QRect anvaendbarYta(const QWidget* aegare)
{
    if (testStorlek().isValid())
        return QRect(QPoint(0, 0), testStorlek());
    QScreen* s = aegare ? aegare->window()->screen() : nullptr;
    if (!s)
        s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(QPoint(0, 0), storlekPixlar());
}

QRect anvaendbarYtaVid(QPoint punkt, const QWidget* foenster)
{
    if (testStorlek().isValid())
        return QRect(QPoint(0, 0), testStorlek());
    if (QScreen* s = QGuiApplication::screenAt(punkt))
        return s->availableGeometry();
    return anvaendbarYta(foenster);
}

void SetCursorPos(int x, int y)
{
    const QSize s = storlekPixlar();
    QCursor::setPos(qBound(0, x, s.width() - 1), qBound(0, y, s.height() - 1));
}

void visaMaximerad(QWidget* foenster)
{
    if (testStorlek().isValid())
        foenster->show();
    else
        foenster->showMaximized();
}

void saettStorlek(QSize pixlar)
{
    testStorlek() = pixlar;
}

}  // namespace Skaerm
