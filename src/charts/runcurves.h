#pragma once

#include "charts/chartcontent.h"

#include <QString>

#include <utility>
#include <vector>

class KeptCurveCache;
class QLocale;
struct ChartPlan;
struct RunSeries;

// A run's name in a legend: "r = 0.2, N(0) = 10"; "r = 0,2; N(0) = 10" where
// the decimal separator is a comma.
QString runName(const RunSeries &run, const QLocale &locale);

/*
 * Every curve a chart draws, from the runs themselves: the kept runs' first,
 * oldest first, so that they lie beneath, then the current run's. Each
 * curve is computed by the plan's rule from its own run, on the one path
 * every run takes (t = 0 ... its T, each point passed through j, xval and
 * yval, which are left at the current run's last point). A kept run's
 * curve is computed once into the chart's cache, which the chart empties
 * whenever the kept runs change (keptcurvecache.h).
 *
 * The current run is drawn in its models' pens and named by the plan's
 * labels, or by its run name when kept runs share a single-curve chart. A
 * kept run's first curve carries its name into the legend; the read-out
 * names each of its curves by the run, and by the model where the plan
 * draws two. A kept run equal to the current one is drawn but named
 * nowhere: the current run's curves name it.
 */
std::vector<ContentCurve> runCurves(const ChartPlan &plan, const QLocale &locale,
                                    KeptCurveCache &kept);

// Whether the chart draws a class's observations (and the curve fitted to them).
bool showsObservations(const ChartPlan &plan);

// The plan's fixed Y range (minimum, maximum) for the current run, from 0 to
// its limit (from the limit to 0 below 0), widened to hold every kept run's.
std::pair<double, double> fixedRange(const ChartPlan &plan);
