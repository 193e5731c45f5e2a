#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Every window of the program opens with its frame, caption bar included,
// within the usable area of the screen it opens on, so no edge or button of
// it is lost off the screen. From then on its place is the user's.
namespace Skaermgraens {

// The frame `ram` moved as little as possible to lie within `yta`; a frame
// larger than the area keeps to the area's top left corner.
QRect inomYtan(QRect ram, const QRect& yta);

// The window manager's frame around `foenster`: its own once the manager
// has framed it, before that its owner's (one manager frames both alike),
// none for a window drawn without a frame.
QMargins ram(const QWidget* foenster);

// The largest size of `foenster` without its frame whose frame still fits
// its owner's usable area. A window laid out wider shrinks its boxes to it.
QSize stoerstaStorlek(const QWidget* foenster);

// From this call on, every top-level window of the program is placed on
// the screen: when it is shown, again once the window manager has framed
// it, whenever the program itself resizes it, and when it is restored from
// maximized (a window that can, shrinks to fit). Where the user or the
// manager moves or resizes it afterwards is left alone, another monitor
// included. A maximized window is the manager's. Calling it again changes
// nothing.
void haallFoenstrenPaaSkaermen();

}  // namespace Skaermgraens
