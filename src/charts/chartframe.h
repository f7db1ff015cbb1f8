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
};

/*
 * The chart frame every chart routine performs: grid of Simut + 1 rows and two
 * columns per curve, the legend flag, Arial 10 pt titles, the legend on the
 * right, a linear Y axis with a black solid major grid, a linear X axis, the
 * curve labels where there is a legend, and then the data: curve after curve,
 * row t + 1 holding time step t for t = 0 ... Simut, each point passed through
 * j, xval and yval. A fixed Y range from 0 to a negative limit is taken
 * mirrored, from the limit to 0, so that a decay's line sits inside it as a
 * growth's does.
 *
 * Not a pure function: the loop runs on the shared j, xval and yval of the
 * model state, as every chart of the program does, and leaves them at
 * Simut + 1 and the last point drawn.
 *
 * Kept runs are drawn beneath, each curve computed by the same rule from the
 * kept copy; the legend then names every run (a kept run equal to the
 * current one once), and a fixed Y range widens to hold every run's fixed
 * range.
 */
void drawChart(ChartControl &chart, const ChartPlan &plan);
