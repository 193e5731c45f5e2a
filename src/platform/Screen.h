#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// The screen as the program measures it: twips (15 per device-independent
// pixel), the usable full-screen area and the mouse pointer position.
namespace Skaerm {

constexpr int TwipsPerPixel = 15;

// Screen size in pixels (the primary screen, or the size a test has set).
QSize storlekPixlar();

// Screen.Width and Screen.Height in twips.
double Width();
double Height();

// The usable area of a full-screen window in pixels: index 16 its width,
// index 17 its height (the screen less panels and the window's border).
int GetSystemMetrics(int index);

// The area a window of `aegare` may cover, in screen pixels: the available
// area (the screen less panels) of the screen the owner's window stands on,
// or the whole screen a test pretends.
QRect anvaendbarYta(const QWidget* aegare);

// The usable area of the screen that holds `punkt`, for a window about to
// stand there; where no screen holds it, the screen `foenster` is on. A
// test's pretended screen is the whole of it.
QRect anvaendbarYtaVid(QPoint punkt, const QWidget* foenster);

// Moves the mouse pointer; positions beyond the screen end at its edge.
void SetCursorPos(int x, int y);

// Shows a main window maximized, so that a window manager fits it and its
// caption onto the screen; the granted size arrives later in a resize. On a
// screen a test pretends, the window is shown at that screen's size.
void visaMaximerad(QWidget* foenster);

// For tests: pretend the screen has this size (an empty size restores it).
void saettStorlek(QSize pixlar);

}  // namespace Skaerm
