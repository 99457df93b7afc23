#include "EndWindowDrag.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace tavoclip {

namespace {

// The action of the EWMH _NET_WM_MOVERESIZE message that ends a move.
constexpr std::uint32_t kMoveResizeCancel = 11;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

void EndWindowDrag(QWidget& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    QWindow* handle = window.window()->windowHandle();
    if (x11 == nullptr || handle == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_atom_t moveResize = Atom(connection, "_NET_WM_MOVERESIZE");
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (moveResize == XCB_ATOM_NONE || screen == nullptr)
        return;
    // The same message that starts a move, addressed to the root window as
    // the window manager expects it, with the cancel action.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(handle->winId());
    message.type = moveResize;
    message.data.data32[2] = kMoveResizeCancel;
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1;  // a normal application
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

}  // namespace tavoclip
