#include "charts/curvethinning.h"

#include <algorithm>
#include <cmath>

namespace
{

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// A slope as a fraction with a positive run: slopes are compared by cross
// multiplication, without a division.
struct Slope {
    double rise = 0, run = 1;
};

/*
 * One pass over the points in pixel space. From an anchor, a segment can end
 * at a point whose direction passes within the tolerance of every point
 * taken since the anchor, and which reaches no nearer than they do, so that
 * the segment passes by them rather than ending short. The first point that
 * breaks this makes the point before it the next anchor. `keep` hears the
 * index of each point kept, in order.
 *
 * Directions are slopes against the way to the first point aimed at, and a
 * point's distance from a direction is measured across that way: never less
 * than its true distance, so the tolerance holds. The slopes are kept as
 * fractions, so that a point costs a few multiplications, and an anchor a
 * square root.
 */
template <typename At, typename Keep>
void thin(qsizetype count, double tolerance, At pixel, Keep keep)
{
    keep(0);
    const double tolerance2 = tolerance * tolerance;
    QPointF anchor = pixel(0);
    QPointF along;       // the unit vector towards the first point aimed at
    Slope low{}, high{}; // the slopes against it that pass by every point taken
    double reach2 = 0;   // the square of the farthest point's distance
    bool aimed = false;
    for (qsizetype k = 1; k < count; ++k) {
        const QPointF v = pixel(k) - anchor;
        const double distance2 = QPointF::dotProduct(v, v);
        if (!aimed) {
            if (distance2 <= tolerance2) continue; // as good as the anchor itself
            along = v / std::sqrt(distance2);
            const double distance = QPointF::dotProduct(v, along);
            low = {-tolerance, distance};
            high = {tolerance, distance};
            reach2 = distance2;
            aimed = true;
            continue;
        }
        const double ahead = QPointF::dotProduct(v, along);
        if (ahead > 0 && distance2 >= reach2) {
            // This point's distance across, and the bounds' at its distance ahead,
            // all multiplied by the bounds' runs.
            const double across = cross(along, v);
            const double lowAcross = across * low.run, lowBound = low.rise * ahead;
            const double highAcross = across * high.run, highBound = high.rise * ahead;
            if (lowAcross >= lowBound && highAcross <= highBound) {
                if (lowAcross - tolerance * low.run > lowBound) low = {across - tolerance, ahead};
                if (highAcross + tolerance * high.run < highBound)
                    high = {across + tolerance, ahead};
                reach2 = distance2;
                continue;
            }
        }
        keep(k - 1);
        anchor = pixel(k - 1);
        aimed = false;
        --k; // the same point again, from the new anchor, where it is taken or aimed at
    }
    keep(count - 1);
}

} // namespace

QList<QPointF> thinnedPixels(const QList<QPointF> &curve, const PixelMap &map, double tolerance)
{
    QList<QPointF> kept;
    // Copies of their own, which appending to `kept` cannot change: the
    // compiler keeps them in registers.
    const PixelMap toPixel = map;
    const QPointF *const values = curve.constData();
    thin(
        curve.size(), tolerance, [=](qsizetype k) { return toPixel(values[k]); },
        [&](qsizetype k) { kept.append(toPixel(values[k])); });
    return kept;
}

// Kept points overwrite only points already passed: the k-th kept has an index of at least k.
void thinPixels(QList<QPointF> &pixels, double tolerance)
{
    if (pixels.size() < 3) return;
    QPointF *points = pixels.data();
    qsizetype kept = 0;
    thin(
        pixels.size(), tolerance, [&](qsizetype k) { return points[k]; },
        [&](qsizetype k) { points[kept++] = points[k]; });
    pixels.resize(kept);
}
