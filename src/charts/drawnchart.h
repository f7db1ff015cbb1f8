#pragma once

#include <QFont>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

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
    QPointF position(QPointF value) const;
    double xValue(double pixel) const;
};
