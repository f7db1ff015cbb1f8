#pragma once

#include "charts/pixelmap.h"

#include <QFont>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// Lengths every medium draws a chart with, in the chart's pixels.
namespace ChartMetrics
{
constexpr double TickLength = 4;   // outside the axes
constexpr double MarkerRadius = 4; // a spot's marker and the read-out's marks
// How far a drawn curve may pass from a point of its own: below what the
// eye can tell, also on a copy at twice the size.
constexpr double Tolerance = 0.1;
} // namespace ChartMetrics

// A text as drawn: its rectangle in the chart's pixels (a vertical text's
// rectangle stands upright) and its font, sized for the chart's resolution.
struct DrawnText {
    QString text;
    QRectF rect;
    QFont font;
    bool vertical = false;
};

struct DrawnTick {
    double value = 0;
    double at = 0; // the pixel where the tick meets the axis, along it
    QString text;  // empty: too little room for its label
    QRectF rect;
};

struct DrawnAxis {
    double minimum = 0;
    double maximum = 1;
    std::vector<DrawnTick> ticks;
    DrawnText title;
};

struct DrawnCurve {
    QList<QPointF> points; // in pixels, thinned to what the plot can show
    QPen pen;
    bool markers = false; // all its points on one spot, marked there
};

struct LegendEntry {
    QString name;
    QStringList lines; // the name as written, in lines where it is too wide for one
    QPen pen;
    bool marker = false;
    QRectF rect; // the name's
};

/*
 * A chart laid out at one size: everything that is painted, where, in which
 * font and pen, in the chart's pixels (logical pixels of its widget). The
 * screen, the copies and the saved files are painted from it alone.
 */
struct DrawnChart {
    enum AxisId { X = 0, Y = 1 };

    QSizeF size;
    int dpi = 96; // the resolution its fonts were measured at
    DrawnText title;
    QRectF plot;
    PixelMap map; // values to pixels on the plot
    DrawnAxis axes[2];
    bool blackYGrid = false;
    bool numbered = false; // some curve has a point: axes with ticks and grid
    std::vector<DrawnCurve> curves;
    std::vector<LegendEntry> legend;
    QRectF legendBox;
    QFont tickFont, legendFont;
    DrawnText noValue; // empty unless the current run has nothing to draw
    bool noValueOverCurves = false;

    // Where a value is drawn; the x value drawn at a pixel column.
    QPointF position(QPointF value) const { return map(value); }
    double xValue(double pixel) const { return map.x.value(pixel); }
};
