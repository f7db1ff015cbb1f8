#pragma once

#include "model/observationfile.h"

#include <QLocale>
#include <QStringList>

#include <optional>
#include <span>

/*
 * The exponential model fitted to counts by least squares on their
 * logarithms:
 *
 *   ln N = ln N(0) + r t,   t counted from the first observation's time,
 *
 * so N(0) is the fitted count at the first observation. With x = t - t0,
 * y = ln N and their means x̄, ȳ over the n counts above 0:
 *
 *   Sxx = Σ (x - x̄)²,  Sxy = Σ (x - x̄)(y - ȳ),  Syy = Σ (y - ȳ)²
 *   r = Sxy / Sxx,  ln N(0) = ȳ - r x̄
 *   SSres = Σ (y - ln N(0) - r x)²,  se(r) = √(SSres / (n - 2) / Sxx)
 *   R² = 1 - SSres / Syy (1 when the points lie on the line)
 *   doubling time = ln 2 / r
 *
 * The sums are taken about the means, so that times such as 1790 ... 1860 and
 * counts in the millions lose no digits. Counts of 0 or below have no
 * logarithm: they are left out and counted.
 */
struct GrowthFit {
    double rate = 0;
    double rateError = 0;
    double initialSize = 0;
    double rSquared = 0;
    int fitted = 0;  // counts above 0, in the fit
    int leftOut = 0; // counts of 0 or below
    double doublingTime() const;
};

// No fit without three counts above 0 at two times or more; *problem says so.
std::optional<GrowthFit> fitGrowth(std::span<const Observation> observations, QString *problem);

// The fit's figures, one a line: "r = 0.029515 ± 0.000143", "N(0) = 3956452",
// "doubling time = 23.48", "R² = 0.99986" and the counts fitted and left out.
QStringList fitFigures(const GrowthFit &fit, const QLocale &locale);
