#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Every window of the program keeps its frame, caption bar included, within
// its owner's usable area (Skaerm::anvaendbarYta of the window that opens
// it), so no edge or button of it is lost off the screen.
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

// Keeps `foenster`'s frame within its owner's usable area from now on: when
// it is shown, when the manager has framed it (which moves it) and whenever
// it moves or changes size. A maximized window is left to the manager.
void haallInom(QWidget* foenster);

}  // namespace Skaermgraens
