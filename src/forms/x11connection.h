#pragma once

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

// The X server's connection; none off X11. The offscreen platform answers for
// X11 too, with no connection.
inline xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif
