#include "platform/Tangentbordsfokus.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The X server's "focus follows the pointer" marker, neither a window nor
// the lack of one.
constexpr xcb_window_t PekarensRot = 1;

template <typename T>
using Svar = std::unique_ptr<T, decltype(&std::free)>;

bool egetFoenster(xcb_window_t id)
{
    for (const QWindow* w : QGuiApplication::allWindows())
        if (w->handle() && xcb_window_t(w->winId()) == id)
            return true;
    return false;
}

xcb_atom_t atom(xcb_connection_t* x, const char* namn)
{
    Svar<xcb_intern_atom_reply_t> svar(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, uint16_t(std::strlen(namn)), namn), nullptr), &std::free);
    return svar ? svar->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The windows a property of `foenster` names; nullopt when it has none.
std::optional<std::vector<xcb_window_t>> foensterlista(xcb_connection_t* x, xcb_window_t foenster, const char* namn)
{
    const xcb_atom_t egenskap = atom(x, namn);
    if (egenskap == XCB_ATOM_NONE)
        return std::nullopt;
    Svar<xcb_get_property_reply_t> svar(
        xcb_get_property_reply(x, xcb_get_property(x, 0, foenster, egenskap, XCB_ATOM_WINDOW, 0, 1 << 16), nullptr),
        &std::free);
    if (!svar || svar->type != XCB_ATOM_WINDOW || svar->format != 32)
        return std::nullopt;
    const auto* foersta = static_cast<const xcb_window_t*>(xcb_get_property_value(svar.get()));
    return std::vector<xcb_window_t>(foersta, foersta + xcb_get_property_value_length(svar.get()) / 4);
}

// `foenster` and the windows it lies in, up to the one on the root; and
// that root.
std::pair<std::vector<xcb_window_t>, xcb_window_t> medFoeraeldrar(xcb_connection_t* x, xcb_window_t foenster)
{
    std::vector<xcb_window_t> kedja;
    xcb_window_t root = XCB_NONE;
    while (foenster != XCB_NONE && kedja.size() < 64) {
        Svar<xcb_query_tree_reply_t> svar(xcb_query_tree_reply(x, xcb_query_tree(x, foenster), nullptr), &std::free);
        if (!svar)
            break;
        root = svar->root;
        if (foenster == root)
            break;
        kedja.push_back(foenster);
        foenster = svar->parent;
    }
    return {kedja, root};
}

// A window no program holds in the user's sight: one the window manager
// made for itself (its frames, its own focus holder) or one that it lists
// for no program. A popup of another program that took the keyboard
// (mapped, outside the manager's care) is that program's.
bool ingensFoenster(xcb_connection_t* x, xcb_window_t fokus)
{
    const auto [kedja, root] = medFoeraeldrar(x, fokus);
    if (root == XCB_NONE || kedja.empty())
        return root == fokus;
    const auto kontroll = foensterlista(x, root, "_NET_SUPPORTING_WM_CHECK");
    const auto klienter = foensterlista(x, root, "_NET_CLIENT_LIST");
    if (!kontroll || kontroll->empty() || !klienter)
        return false;  // no manager that names its windows: every window is a program's
    // Windows made by one X client share the bits above the server's mask.
    const uint32_t mask = xcb_get_setup(x)->resource_id_mask;
    if ((fokus & ~mask) == (kontroll->front() & ~mask))
        return true;
    for (xcb_window_t w : kedja)
        if (std::find(klienter->begin(), klienter->end(), w) != klienter->end())
            return false;
    Svar<xcb_get_window_attributes_reply_t> oeversta(
        xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, kedja.back()), nullptr), &std::free);
    return !oeversta || !oeversta->override_redirect || oeversta->map_state != XCB_MAP_STATE_VIEWABLE;
}

}  // namespace

Tangentbordsfokus tangentbordsfokus()
{
    const auto* x = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* anslutning = x ? x->connection() : nullptr;
    if (!anslutning)
        return Tangentbordsfokus::Okaent;
    Svar<xcb_get_input_focus_reply_t> svar(
        xcb_get_input_focus_reply(anslutning, xcb_get_input_focus(anslutning), nullptr), &std::free);
    if (!svar)
        return Tangentbordsfokus::Okaent;
    const xcb_window_t fokus = svar->focus;
    if (fokus == XCB_NONE || fokus == PekarensRot)
        return Tangentbordsfokus::Ingen;
    if (egetFoenster(fokus))
        return Tangentbordsfokus::Eget;
    return ingensFoenster(anslutning, fokus) ? Tangentbordsfokus::Ingen : Tangentbordsfokus::Annat;
}
