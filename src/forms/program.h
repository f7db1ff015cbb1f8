#pragma once

#include <functional>

// The end of the program: at once, with every window gone and exit status 0.
// No window's close handler runs and nothing is saved.
namespace Program
{
void end();
void setEndHandler(std::function<void()> handler); // empty: the real end
} // namespace Program
