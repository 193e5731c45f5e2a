#pragma once

#include <QAction>
#include <QString>
#include <QWidget>

#include <functional>

// Driving windows as a user does: with clicks on the menu bar, keys where
// the typing goes, and an answer for a modal window while the call that
// opened it waits.
namespace TestSupport {

// Shows the window and makes it the active one, so its shortcuts work.
void visa(QWidget& w);

// Presses a key where the user's typing goes: the focused widget.
void tryck(QWidget& w, Qt::Key tangent, Qt::KeyboardModifiers mod = {});

// Types a text one character at a time as key events carrying the text
// (keyClicks cannot send letters like å).
void skrivIn(QWidget* w, const QString& text);

// Clicks the menu in the bar that holds `post` and every submenu on the
// way, then `post` itself unless `vaelj` is false (the menus only open, so
// that their entries are brought up to date). The menus are closed again.
void klickaMeny(QAction* post, bool vaelj = true);

// Runs `goer` on the next modal window once it is up (and `redo` holds for
// it, when given), then closes the window if it is still open, so that no
// test waits in it.
void medModal(std::function<void(QWidget&)> goer, std::function<bool(QWidget&)> redo = {});

}  // namespace TestSupport
