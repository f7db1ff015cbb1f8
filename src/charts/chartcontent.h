#pragma once

#include <QFont>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

// One axis as a chart routine sets it up: a fixed range (used when it is a
// proper one) or an automatic one, and its title.
struct ChartAxis {
    bool autoScale = true;
    double maximum = 0;
    double minimum = 0;
    QFont titleFont;
    bool titleVisible = false;
    QString title;
    bool blackMajorGrid = false;
};

// The values taken on one axis; none yet: empty.
struct ValueRange {
    double low = INFINITY;
    double high = -INFINITY;
    void take(double v) { low = std::min(low, v), high = std::max(high, v); }
    void take(ValueRange r) { low = std::min(low, r.low), high = std::max(high, r.high); }
    bool empty() const { return low > high; }
};

// One curve: its point for each time step, in values (a step without a value
// holds a non-finite one and is left out), its pen, its name in the legend
// (none: not listed) and in the read-out. The ranges of its finite points
// are taken where the points are made, once: a chart is laid out far more
// often than its curves change.
struct ContentCurve {
    QList<QPointF> points;
    QPen pen;
    QString legendName;
    QString name;
    bool current = true;  // of the current run; otherwise of a kept one or the observations
    bool markers = false; // a marker at each point, no line: a class's observations
    ValueRange x, y;
    bool whole = true; // every point finite

    // Adds a point, and its values to the ranges if it has both.
    void append(QPointF p)
    {
        points.append(p);
        if (std::isfinite(p.x()) && std::isfinite(p.y()))
            x.take(p.x()), y.take(p.y());
        else
            whole = false;
    }
};

/*
 * What a chart shows, before it is laid out at a size: the titles, the two
 * axes, the legend, the curves (kept runs first, so that they lie beneath)
 * and why the current run may have nothing to draw. Texts grow with the zoom
 * (1 = their sizes in points as given).
 */
struct ChartContent {
    enum AxisId { X = 0, Y = 1 };

    QString title;
    QFont titleFont;
    ChartAxis axes[2];
    bool legend = false;
    std::vector<ContentCurve> curves;
    QString noValue;
    QFont tickFont;
    QFont legendFont;
    double zoom = 1;
};
