#pragma once

#include "charts/chartcontent.h"

#include <QString>

#include <utility>
#include <vector>

class QLocale;
struct ChartPlan;
struct RunSeries;

// A run's name in a legend: "r = 0.2, N(0) = 10".
QString runName(const RunSeries &run, const QLocale &locale);

/*
 * The curves of every kept run for a chart, oldest run first: each curve by
 * the plan's own rule, computed from the kept copy, in the run's pen
 * (chartpalette.h). The first curve of a run carries the run's name into
 * the legend; the read-out names each curve by its run, and by its model
 * where the plan draws two. A kept run equal to the current one is drawn
 * but named nowhere: the current run's curves name it.
 */
std::vector<ContentCurve> keptCurves(const ChartPlan &plan, const RunSeries &current,
                                     const QLocale &locale);

// The plan's fixed Y range (minimum, maximum) for the current run, from 0 to
// its limit (from the limit to 0 below 0), widened to hold every kept run's.
std::pair<double, double> fixedRange(const ChartPlan &plan, const RunSeries &current);
