#include "platform/forms/window_hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace forms {

namespace {

// _MOTIF_WM_HINTS: which of the window manager's functions and decorations a window has.
enum : quint32 {
    kHintFunctions = 1u << 0,
    kHintDecorations = 1u << 1,
    kFunctionMove = 1u << 2,
    kFunctionMinimise = 1u << 3,
    kFunctionClose = 1u << 5,
    kDecorationBorder = 1u << 1,
    kDecorationTitle = 1u << 3,
    kDecorationMenu = 1u << 4,
    kDecorationMinimise = 1u << 5,
};

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<quint16>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    xcb_atom_t atom = XCB_ATOM_NONE;
    if (reply) atom = reply->atom;
    std::free(reply);
    return atom;
}

}  // namespace

void offerNoResizing(QWidget* window) {
    // The offscreen platform answers as X11 too, with no connection behind it.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window->windowHandle()) return;
    const xcb_atom_t hints = atomNamed(connection, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE) return;
    const quint32 value[5] = {
        kHintFunctions | kHintDecorations, kFunctionMove | kFunctionMinimise | kFunctionClose,
        kDecorationBorder | kDecorationTitle | kDecorationMenu | kDecorationMinimise, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window->winId()), hints, hints, 32, 5, value);
    xcb_flush(connection);
}

}  // namespace forms
