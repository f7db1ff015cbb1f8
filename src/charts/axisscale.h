#pragma once

#include <vector>

// The scale of one linear chart axis: its range, and ticks at whole multiples
// of a round step (1, 2 or 5 times a power of ten) inside it.
struct AxisScale {
    double minimum = 0;
    double maximum = 1;
    std::vector<double> ticks;
    int digits = 1; // the significant digits that tell the ticks apart, and no more
};

// Whether values from low to high are, to the eye, one value: their spread
// is below a millionth of their size.
bool negligibleSpread(double low, double high);

/*
 * The scale for values from low to high with about `intervals` steps between
 * ticks, widened outwards to whole ticks.
 *
 * A spread that is negligible against the values' size (below a millionth:
 * rounding in the last bits, or a rate so small that no tick label could
 * show the change) is a constant: it is drawn as a flat line in the middle
 * of a range a tenth of its size either side, or from -1 to 1 around 0.
 *
 * Nothing leaves the double range: where the margin or the rounding to whole
 * ticks would pass the largest double, the range ends at the largest double.
 */
AxisScale automaticScale(double low, double high, int intervals);

// The ticks of a fixed range; minimum < maximum.
AxisScale fixedScale(double minimum, double maximum, int intervals);
