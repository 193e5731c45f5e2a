#pragma once

#include <QSize>
#include <QString>
#include <gtest/gtest.h>

// Tests that need a real desktop: an X server (Xvfb), with a window manager
// (openbox) or without one, where windows get frames and the screen can be
// grabbed. The outer test starts this test program once more on such a
// desktop, running only its inner tests.
namespace Skrivbord {

// Whether this program runs as the inner test on such a desktop, and
// whether that desktop has a window manager.
bool inifraan();
bool medHanterare();

// What is missing for a desktop (xvfb-run, openbox, xdotool, xprop, xset,
// xmessage), empty when nothing is.
QString saknas();

// Runs the tests matching `filter` of this program on a desktop of
// `skaerm`'s size, with a window manager or without one; a success when
// they finished in time and passed, with their output as the message
// otherwise.
::testing::AssertionResult koer(const QString& filter, QSize skaerm, bool medHanterare = true);

}  // namespace Skrivbord
