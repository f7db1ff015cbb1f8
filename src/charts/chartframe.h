#pragma once

#include "charts/chartpalette.h"

#include <QString>

#include <vector>

class ChartControl;
struct RunSeries;

// One curve of a chart: its legend label, its point for time step t of a
// run, and the model it shows, whose colour it takes.
struct ChartCurve {
    QString label;
    double (*x)(const RunSeries &run, int t);
    double (*y)(const RunSeries &run, int t);
    CurveKind kind;
};

// How a chart's curve changes, for its spoken summary (chartsummary.h).
enum class ChartShape {
    Growth,      // N(t), dN(t): by a factor e^r each step
    Logarithm,   // ln N(t), ln dN(t): a straight line of slope r
    PerHead,     // dN/N against N(t): constant at r
    Models,      // the differential and the difference model side by side
    NextAgainstN // N(t+1) against N(t): a line through 0 of slope e^r
};

// What one chart routine draws: titles, value scales, legend and curves, and
// how its read-out names and rounds the values.
struct ChartPlan {
    QString title;
    QString yTitle;
    QString xTitle;
    double (*yLimit)(const RunSeries &run) = nullptr; // a fixed Y range from 0 to this
                                                      // (from this to 0 below 0)
    bool legend = false;
    std::vector<ChartCurve> curves;
    QString noValue = {}; // why there may be no point to draw
    QString xName = {};   // x's name in the read-out, where it is not the X axis title
    double yScale = 100;  // read-out values of y rounded to 1 / yScale, as in the data table
    bool growth = false;  // the read-out gives the doubling (or halving) time
    // A class's observations drawn beside the model, their counts so (N, or
    // ln N); none: not drawn on this chart.
    double (*observed)(double count) = nullptr;
    ChartShape shape = ChartShape::Growth;
};

/*
 * The chart frame every chart routine performs: the legend flag, Arial 10 pt
 * titles, a linear Y axis with a black solid major grid, a linear X axis,
 * and then the data: every curve of the current run and of the kept runs,
 * each point for t = 0 ... T (runcurves.h). A fixed Y range from 0 to a
 * negative limit is taken mirrored, from the limit to 0, so that a decay's
 * line sits inside it as a growth's does; it widens to hold every run's
 * fixed range. The legend, shown where the plan asks for one or runs are
 * kept, stands at the chart's right.
 *
 * Not a pure function: the points pass through the shared j, xval and yval
 * of the model state, as every chart of the program does, which are left at
 * Simut + 1 and the current run's last point drawn.
 */
void drawChart(ChartControl &chart, const ChartPlan &plan);
