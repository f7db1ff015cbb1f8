#pragma once

#include "charts/chartcontrol.h"

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
 * the plan's own rule, computed from the kept copy, in a thinner line of the
 * run's muted colour (its second curve dashed). The first curve of a run
 * carries the run's name into the legend.
 */
std::vector<ChartControl::KeptCurve> keptCurves(const ChartPlan &plan, const QLocale &locale);

// The plan's fixed Y range (minimum, maximum) for the current run, from 0 to
// its limit (from the limit to 0 below 0), widened to hold every kept run's.
std::pair<double, double> fixedRange(const ChartPlan &plan, const RunSeries &current);
