#pragma once

#include "charts/chartcontent.h"

#include <QString>

#include <vector>

class QLocale;
struct ChartPlan;

/*
 * What a chart shows, in a few sentences for the ear: the chart and its
 * span, how the current run's curve changes (by e^r a step, doubling every
 * ln 2 / r, or halving; a straight line of slope r; constant at r; the two
 * models side by side), where each kept run ends, and the class's counts
 * with their fit. Numbers as the read-out gives them.
 */
QString chartSummary(const ChartPlan &plan, const std::vector<ContentCurve> &curves,
                     const QLocale &locale);
