#pragma once

#include <QPointF>

#include <algorithm>
#include <cmath>

/*
 * Where the values of one axis fall in pixels: the axis's minimum at `start`
 * and its maximum at `end`, pixel = start + (v / 2 - min / 2) * unit * scale.
 * Halves keep the differences inside the double range. A span so narrow
 * that pixels per value would pass the largest double (below about 1e-305)
 * is first multiplied by a power of two, `unit`, which is exact; elsewhere
 * unit is 1. The one mapping of values to pixels of every chart: its ticks,
 * its curves, their thinning and the read-out.
 */
struct AxisMap {
    double start = 0, low = 0, unit = 1, scale = 0;

    static AxisMap between(double minimum, double maximum, double start, double end)
    {
        const double half = maximum / 2 - minimum / 2;
        const double unit =
            half > 0 && half < 1 ? std::ldexp(1.0, std::min(-std::ilogb(half), 1000)) : 1.0;
        return {start, minimum / 2, unit, (end - start) / (half * unit)};
    }
    double operator()(double v) const { return start + (v / 2 - low) * unit * scale; }
    double value(double pixel) const { return ((pixel - start) / scale / unit + low) * 2; }
};

struct PixelMap {
    AxisMap x, y;
    QPointF operator()(QPointF p) const { return {x(p.x()), y(p.y())}; }
};
