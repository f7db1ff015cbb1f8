#include "model/clock.h"

namespace
{
std::function<QDateTime()> &source()
{
    static std::function<QDateTime()> clock;
    return clock;
}
} // namespace

QDateTime Clock::now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::set(std::function<QDateTime()> clock)
{
    source() = std::move(clock);
}
