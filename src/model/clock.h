#pragma once

#include <QDateTime>

#include <functional>

// The system clock, replaceable so that the greeting and the years can be
// checked at any hour.
namespace Clock
{
QDateTime now();
void set(std::function<QDateTime()> source); // an empty function restores the system clock
} // namespace Clock
