#include "charts/curvethinning.h"

#include <cmath>
#include <utility>

namespace
{

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// The directions from an anchor that pass within the tolerance of every point
// taken since it: between the edge `low` and, turning counter-clockwise, the
// edge `high`, never wider than a half turn.
struct Cone {
    QPointF low, high;
    double reach = 0; // the distance from the anchor of the farthest point taken

    bool holds(QPointF v) const
    {
        return cross(low, v) >= 0 && cross(v, high) >= 0 && QPointF::dotProduct(v, low + high) > 0;
    }
};

// The edges of the directions that pass within `tolerance` of the point at
// `v` from the anchor, `distance` away: v turned either way by the angle
// whose sine is tolerance / distance.
std::pair<QPointF, QPointF> edges(QPointF v, double distance, double tolerance)
{
    const double s = tolerance / distance, c = std::sqrt(1 - s * s);
    return {QPointF(v.x() * c + v.y() * s, v.y() * c - v.x() * s),
            QPointF(v.x() * c - v.y() * s, v.y() * c + v.x() * s)};
}

} // namespace

/*
 * One pass over the points in pixel space. From an anchor, a segment can end
 * at a point whose direction lies within every earlier point's cone (the
 * directions that pass within the tolerance of it) and which reaches no
 * nearer than they do, so that the segment passes by them rather than
 * ending short. The first point that breaks this makes the point before it
 * the next anchor.
 */
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
    const auto pixel = [&](QPointF p) {
        return QPointF((p.x() / 2 - values.left() / 2) * sx, (p.y() / 2 - values.top() / 2) * sy);
    };
    // A point with no place in pixels (a value that is not a number, or one
    // too far out for the plot's scale) has no distance to measure: the curve
    // is handed on whole rather than thinned on a guess.
    for (const QPointF &p : curve)
        if (const QPointF at = pixel(p); !std::isfinite(at.x()) || !std::isfinite(at.y()))
            return curve;

    QList<QPointF> kept{curve.first()};
    QPointF anchor = pixel(curve.first());
    Cone cone;
    bool aimed = false;
    for (qsizetype k = 1; k < curve.size(); ++k) {
        const QPointF v = pixel(curve[k]) - anchor;
        const double distance = std::sqrt(QPointF::dotProduct(v, v));
        if (distance <= tolerance && !aimed) continue; // as good as the anchor itself
        if (distance > tolerance) {
            const auto [low, high] = edges(v, distance, tolerance);
            if (!aimed) {
                cone = {low, high, distance};
                aimed = true;
                continue;
            }
            if (cone.holds(v) && distance >= cone.reach) {
                if (cross(cone.low, low) > 0) cone.low = low;
                if (cross(high, cone.high) > 0) cone.high = high;
                cone.reach = distance;
                continue;
            }
        }
        kept.append(curve[k - 1]);
        anchor = pixel(curve[k - 1]);
        aimed = false;
        --k; // the same point again, from the new anchor, where it is taken or aimed at
    }
    kept.append(curve.last());
    return kept;
}
