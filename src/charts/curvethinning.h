#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>

// Where values fall in a plot's pixels: x = left + (x / 2 - xLow) * xScale,
// y = bottom - (y / 2 - yLow) * yScale, the lows halved too. Halves keep the
// differences inside the double range.
struct PixelMap {
    double left, xLow, xScale;
    double bottom, yLow, yScale;
    QPointF operator()(QPointF p) const
    {
        return {left + (p.x() / 2 - xLow) * xScale, bottom - (p.y() / 2 - yLow) * yScale};
    }
};

/*
 * A curve with more points than its plot has pixel columns, thinned to what
 * the eye can tell apart: the points of a polyline that passes within
 * `tolerance` pixels of every point of the curve, in the curve's order, with
 * its first and last point. `values` is the rectangle of values the plot
 * shows (x from left() to right(), y from top() to bottom(), in the units
 * drawn) and `plot` its size in pixels.
 *
 * A curve as sparse as its plot's pixel columns, or a plot not laid out yet,
 * keeps every point: a student may see each one as a corner. So does a curve
 * with a point that has no place in pixels (NaN, or infinitely far). The
 * result never holds more points than the curve, and every point is looked
 * at a bounded number of times.
 */
QList<QPointF> thinned(const QList<QPointF> &curve, const QRectF &values, QSizeF plot,
                       double tolerance);

// The same for a curve of at least three points, every one finite and inside
// the values the map takes in, mapped to pixels as it is thinned: only the
// points kept are written.
QList<QPointF> thinnedPixels(const QList<QPointF> &curve, const PixelMap &map, double tolerance);

// The same for a curve already in pixels, every point finite, thinned in place.
void thinPixels(QList<QPointF> &pixels, double tolerance);
