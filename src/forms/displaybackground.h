#pragma once

class QColor;
class QWidget;

// A window of one plain colour can be painted by the display server itself:
// on X11 the window's background pixel, which the server fills in wherever the
// window is exposed, so that the program draws and sends no picture of it.
// Elsewhere the toolkit paints it as any other window.
bool displayPaintsBackground();

// Gives the created window that background; it must not be mapped yet (call
// it from the show event) and must not be painted by the toolkit.
void setDisplayBackground(QWidget &window, const QColor &colour);
