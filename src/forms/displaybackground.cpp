#include "forms/displaybackground.h"

#include "forms/x11connection.h"

#include <QColor>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <bit>

namespace
{

// One 8-bit channel scaled into its place in a true-colour pixel.
uint32_t channel(int value, uint32_t mask)
{
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    return uint32_t(value) * (mask >> shift) / 255 << shift;
}

// The colour as a pixel of the screen's own visual.
uint32_t pixel(xcb_connection_t *connection, const QColor &colour)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
             xcb_visualtype_next(&visual))
            if (visual.data->visual_id == screen->root_visual)
                return channel(colour.red(), visual.data->red_mask) |
                       channel(colour.green(), visual.data->green_mask) |
                       channel(colour.blue(), visual.data->blue_mask);
    return screen->black_pixel;
}

} // namespace

bool displayPaintsBackground()
{
    return x11Connection() != nullptr;
}

void setDisplayBackground(QWidget &window, const QColor &colour)
{
    xcb_connection_t *x11 = x11Connection();
    if (!x11) return;
    const uint32_t background = pixel(x11, colour);
    xcb_change_window_attributes(x11, xcb_window_t(window.winId()), XCB_CW_BACK_PIXEL, &background);
}
#else
bool displayPaintsBackground()
{
    return false;
}

void setDisplayBackground(QWidget &, const QColor &) {}
#endif
