#pragma once

#include "charts/pixelmap.h"

#include <QList>
#include <QPointF>

/*
 * A curve with more points than its plot has pixel columns is drawn through
 * fewer, thinned to what the eye can tell apart: the points of a polyline
 * that passes within `tolerance` pixels of every point of the curve, in the
 * curve's order, with its first and last point. The result never holds more
 * points than the curve, and every point is looked at a bounded number of
 * times.
 *
 * Here, for a curve of at least three points, every one finite and inside
 * the values the map takes in, mapped to pixels as it is thinned: only the
 * points kept are written.
 */
QList<QPointF> thinnedPixels(const QList<QPointF> &curve, const PixelMap &map, double tolerance);

// The same for a curve already in pixels, every point finite, thinned in place.
void thinPixels(QList<QPointF> &pixels, double tolerance);
