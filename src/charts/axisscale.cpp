#include "charts/axisscale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace
{

constexpr double Largest = std::numeric_limits<double>::max();
constexpr double Negligible = 1e-6;
constexpr int MostTicks = 50;

double clamped(double x)
{
    return std::clamp(x, -Largest, Largest);
}

// A round step: 1, 2 or 5 times ten to a power; none (0) where the values
// lie too close together for the double range to hold a power of ten
// between them.
struct Step {
    double mantissa = 0;
    int power = 0;
    double value() const { return mantissa * std::pow(10.0, power); }
};

// The round step nearest above a rough one. Above 1e308 the next round
// steps, 2e308 and 5e308, lie beyond the largest double: there the step is
// 1e308, below the rough one, which gives a tick or two more than asked.
Step roundStep(double rough)
{
    if (!(rough > 0 && rough <= Largest)) return {};
    const int power = int(std::floor(std::log10(rough)));
    const double base = std::pow(10.0, power);
    if (!(base > 0)) return {};
    const double fraction = rough / base;
    const Step step = fraction > 5 ? Step{1, power + 1}
                                   : Step{fraction <= 1   ? 1.0
                                          : fraction <= 2 ? 2.0
                                                          : 5.0,
                                          power};
    return std::isfinite(step.value()) ? step : Step{1, 308};
}

// About `intervals` steps from low to high, without forming high - low,
// which may pass the largest double.
Step stepFor(double low, double high, int intervals)
{
    return roundStep(high / intervals - low / intervals);
}

// The significant digits that write two values apart in E notation.
int digitsApart(double a, double b)
{
    for (int digits = 1; digits < 17; ++digits) {
        std::array<char, 32> x{}, y{};
        std::to_chars(x.data(), x.data() + x.size(), a, std::chars_format::scientific, digits - 1);
        std::to_chars(y.data(), y.data() + y.size(), b, std::chars_format::scientific, digits - 1);
        if (x != y) return digits;
    }
    return 17;
}

// A range too narrow for a round step between its ends (the least doubles,
// near 1e-323, where no power of ten is a double) is ticked at its two ends.
AxisScale endsTicked(AxisScale scale)
{
    if (!(scale.minimum < scale.maximum)) return scale;
    scale.ticks = {scale.minimum, scale.maximum};
    scale.digits = std::min(digitsApart(scale.minimum, scale.maximum), 15);
    return scale;
}

// Ticks at the multiples of the step from minimum to maximum. Each tick is a
// whole multiple of ten to the step's power, so its last significant digit
// sits at that power.
AxisScale ticked(double minimum, double maximum, Step step)
{
    AxisScale scale{minimum, maximum, {}, 1};
    const double size = step.value();
    if (!(size > 0)) return endsTicked(scale);
    // A tick a hair beyond an end (1.5 r computed two ways) is that end.
    const double hair = size * 1e-9;
    for (double k = std::ceil(minimum / size - 1e-9); scale.ticks.size() < MostTicks; ++k) {
        double tick = k == 0 ? 0.0 : k * size;
        if (!(tick - maximum <= hair)) break;
        tick = std::clamp(tick, minimum, maximum);
        scale.ticks.push_back(tick);
        if (tick != 0)
            scale.digits = std::max(scale.digits,
                                    int(std::floor(std::log10(std::abs(tick)))) - step.power + 1);
    }
    scale.digits = std::min(scale.digits, 15);
    return scale;
}

// A constant value in the middle of a range a tenth of its size either side,
// centred on the whole tick nearest to it.
AxisScale constantScale(double value, int intervals)
{
    const double margin =
        value == 0 ? 1 : std::max(std::abs(value) / 10, std::numeric_limits<double>::denorm_min());
    const double low = clamped(value - margin), high = clamped(value + margin);
    const Step step = stepFor(low, high, intervals);
    const double width = step.value();
    if (!(width > 0)) return ticked(low, high, step);
    double centre = std::round(value / width) * width;
    if (!std::isfinite(centre)) centre = value; // beside the largest double
    const double reach = std::ceil(margin / width - 1e-9) * width;
    return ticked(std::min(clamped(centre - reach), value),
                  std::max(clamped(centre + reach), value), step);
}

} // namespace

bool negligibleSpread(double low, double high)
{
    return high / 2 - low / 2 <= std::max(std::abs(low), std::abs(high)) * (Negligible / 2);
}

AxisScale automaticScale(double low, double high, int intervals)
{
    if (negligibleSpread(low, high)) return constantScale(low / 2 + high / 2, intervals);
    const Step step = stepFor(low, high, intervals);
    const double width = step.value();
    if (!(width > 0)) return ticked(low, high, step);
    // Rounding in floating point must not pull a whole tick inside the values.
    double minimum = std::floor(low / width) * width;
    double maximum = std::ceil(high / width) * width;
    if (minimum > low) minimum -= width;
    if (maximum < high) maximum += width;
    return ticked(clamped(minimum), clamped(maximum), step);
}

AxisScale fixedScale(double minimum, double maximum, int intervals)
{
    return ticked(minimum, maximum, stepFor(minimum, maximum, intervals));
}
