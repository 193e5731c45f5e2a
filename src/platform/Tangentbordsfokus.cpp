#include "platform/Tangentbordsfokus.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// The X server's "focus follows the pointer" marker, neither a window nor
// the lack of one.
constexpr xcb_window_t PekarensRot = 1;

bool egetFoenster(xcb_window_t id)
{
    for (const QWindow* w : QGuiApplication::allWindows())
        if (w->handle() && xcb_window_t(w->winId()) == id)
            return true;
    return false;
}

}  // namespace

Tangentbordsfokus tangentbordsfokus()
{
    const auto* x = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* anslutning = x ? x->connection() : nullptr;
    if (!anslutning)
        return Tangentbordsfokus::Okaent;
    xcb_get_input_focus_reply_t* svar =
        xcb_get_input_focus_reply(anslutning, xcb_get_input_focus(anslutning), nullptr);
    if (!svar)
        return Tangentbordsfokus::Okaent;
    const xcb_window_t fokus = svar->focus;
    std::free(svar);
    if (fokus == XCB_NONE || fokus == PekarensRot)
        return Tangentbordsfokus::Ingen;
    if (egetFoenster(fokus))
        return Tangentbordsfokus::Eget;
    for (auto rot = xcb_setup_roots_iterator(xcb_get_setup(anslutning)); rot.rem; xcb_screen_next(&rot))
        if (fokus == rot.data->root)
            return Tangentbordsfokus::Ingen;
    return Tangentbordsfokus::Annat;
}
