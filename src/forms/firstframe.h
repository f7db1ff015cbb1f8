#pragma once

#include <functional>

class QWidget;

// Runs `then` once, as soon as the window's first frame has gone to the
// screen: after its first paint, when the event loop is next free.
void afterFirstFrame(QWidget &window, std::function<void()> then);
