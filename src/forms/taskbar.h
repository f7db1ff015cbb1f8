#pragma once

class QWidget;

// Asks the window manager to leave this window off the taskbar and the pager.
// Called while the window is created but not yet mapped (in its show event).
// Only X11 knows of such a wish; elsewhere nothing is done.
void skipTaskbar(QWidget &window);
