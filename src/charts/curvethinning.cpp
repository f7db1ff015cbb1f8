#include "charts/curvethinning.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

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
 * than its true distance, so the tolerance holds, and one division a point
 * where angles would take square roots.
 */
template <typename Keep>
void thin(const QPointF *pixels, qsizetype count, double tolerance, Keep keep)
{
    keep(0);
    const double tolerance2 = tolerance * tolerance;
    QPointF anchor = pixels[0];
    QPointF along;            // the unit vector towards the first point aimed at
    double low = 0, high = 0; // the slopes against it that pass by every point taken
    double reach2 = 0;        // the square of the farthest point's distance
    bool aimed = false;
    for (qsizetype k = 1; k < count; ++k) {
        const QPointF v = pixels[k] - anchor;
        const double distance2 = QPointF::dotProduct(v, v);
        if (!aimed) {
            if (distance2 <= tolerance2) continue; // as good as the anchor itself
            const double distance = std::sqrt(distance2);
            along = v / distance;
            high = tolerance / distance;
            low = -high;
            reach2 = distance2;
            aimed = true;
            continue;
        }
        const double ahead = QPointF::dotProduct(v, along);
        if (ahead > 0 && distance2 >= reach2) {
            const double slope = cross(along, v) / ahead;
            if (slope >= low && slope <= high) {
                const double spread = tolerance / ahead;
                low = std::max(low, slope - spread);
                high = std::min(high, slope + spread);
                reach2 = distance2;
                continue;
            }
        }
        keep(k - 1);
        anchor = pixels[k - 1];
        aimed = false;
        --k; // the same point again, from the new anchor, where it is taken or aimed at
    }
    keep(count - 1);
}

} // namespace

QList<QPointF> thinned(const QList<QPointF> &curve, const QRectF &values, QSizeF plot,
                       double tolerance)
{
    if (curve.size() < 3 || curve.size() <= plot.width() ||
        !(plot.width() > 0 && plot.height() > 0))
        return curve;
    // Halves keep the differences inside the double range.
    const double sx = plot.width() / (values.right() / 2 - values.left() / 2);
    const double sy = plot.height() / (values.bottom() / 2 - values.top() / 2);
    if (!std::isfinite(sx) || !std::isfinite(sy)) return curve;
    // A point with no place in pixels (a value that is not a number, or one
    // too far out for the plot's scale) has no distance to measure: the curve
    // is handed on whole rather than thinned on a guess.
    std::vector<QPointF> pixels(size_t(curve.size()));
    for (qsizetype k = 0; k < curve.size(); ++k) {
        const QPointF p = curve[k];
        const QPointF at((p.x() / 2 - values.left() / 2) * sx, (p.y() / 2 - values.top() / 2) * sy);
        if (!std::isfinite(at.x()) || !std::isfinite(at.y())) return curve;
        pixels[size_t(k)] = at;
    }
    QList<QPointF> kept;
    thin(pixels.data(), curve.size(), tolerance, [&](qsizetype k) { kept.append(curve[k]); });
    return kept;
}

// Kept points overwrite only points already passed: the k-th kept has an index of at least k.
void thinPixels(QList<QPointF> &pixels, double tolerance)
{
    if (pixels.size() < 3) return;
    QPointF *points = pixels.data();
    qsizetype kept = 0;
    thin(points, pixels.size(), tolerance, [&](qsizetype k) { points[kept++] = points[k]; });
    pixels.resize(kept);
}
