#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Helpers for driving the viewers as a user would.
namespace VisareHjaelp {

// Shows the window and makes it the active one, so its shortcuts work.
inline void visa(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Opens the menu in the menu bar with a click and clicks the entry.
inline void klickaMenyval(QWidget& w, const QString& meny, const QString& val)
{
    QMenuBar* rad = w.findChild<QMenuBar*>();
    QMenu* m = w.findChild<QMenu*>(meny);
    QAction* a = w.findChild<QAction*>(val);
    QTest::mouseClick(rad, Qt::LeftButton, {}, rad->actionGeometry(m->menuAction()).center());
    QTRY_VERIFY(m->isVisible());
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
}

// Presses a key where the user's typing goes: the focused widget.
inline void tryck(QWidget& w, Qt::Key tangent, Qt::KeyboardModifiers mod = {})
{
    QWidget* maal = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QTest::keyClick(maal, tangent, mod);
}

}  // namespace VisareHjaelp
