#include "forms/platform.h"

#include <QProcessEnvironment>

/*
 * The windows are placed and stacked by the program itself: the backdrop below
 * every other window, each window centred on the screen, a borderless title
 * screen. A native Wayland client can do none of that, so wherever an X display
 * is offered (in a Wayland session: XWayland) the program runs on it. A platform
 * the user names in QT_QPA_PLATFORM always wins; without an X display Qt chooses.
 */
QByteArray platformFor(const QProcessEnvironment &environment)
{
    const auto isSet = [&](const char *name) {
        return !environment.value(QLatin1String(name)).isEmpty();
    };
    if (isSet("QT_QPA_PLATFORM") || !isSet("DISPLAY")) return {};
    return QByteArrayLiteral("xcb");
}
