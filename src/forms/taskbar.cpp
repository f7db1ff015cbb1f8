#include "forms/taskbar.h"

#include "forms/x11connection.h"

#include <QWidget>

#if QT_CONFIG(xcb)
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

bool hasState(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
              xcb_atom_t state)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024),
            nullptr),
        &std::free);
    if (!reply || reply->format != 32) return false;
    const auto *states = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    return std::find(states, states + reply->value_len, state) != states + reply->value_len;
}

} // namespace

/*
 * Qt has no word for a window without a taskbar button, so the wish goes into
 * _NET_WM_STATE before the window is mapped, where the window manager reads
 * it. Qt adds its own states (above, below, full screen) to that list without
 * dropping others.
 */
void skipTaskbar(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection) return;
    const auto id = xcb_window_t(window.winId());
    const xcb_atom_t property = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                               atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (hasState(connection, id, property, skip[0])) return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, property, XCB_ATOM_ATOM, 32, 2, skip);
    xcb_flush(connection);
}
#else
void skipTaskbar(QWidget &) {}
#endif
