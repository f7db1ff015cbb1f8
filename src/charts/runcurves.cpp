#include "charts/runcurves.h"

#include "charts/chartframe.h"
#include "charts/chartpalette.h"
#include "charts/keptcurvecache.h"
#include "model/keptruns.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/observations.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

QString runName(const RunSeries &run, const QLocale &locale)
{
    const QString rate = generalNumber(run.rate, locale);
    const QString size = generalNumber(run.initialSize(), locale);
    if (locale.decimalPoint() == u',')
        //: A run's name where numbers are written with a decimal comma
        return QCoreApplication::translate("KeptRuns", "r = %1; N(0) = %2").arg(rate, size);
    return QCoreApplication::translate("KeptRuns", "r = %1, N(0) = %2").arg(rate, size);
}

namespace
{

using namespace MALVORA1;

// One curve of one run: its point for t = 0 ... T by the curve's rule.
ContentCurve curveOf(const RunSeries &run, const ChartCurve &curve)
{
    ContentCurve points;
    points.points.reserve(run.endTime + 1);
    for (j = 0; j <= run.endTime; ++j) {
        xval = curve.x(run, j);
        yval = curve.y(run, j);
        points.append(QPointF(xval, yval));
    }
    return points;
}

void addKeptRun(std::vector<ContentCurve> &curves, const ChartPlan &plan, std::size_t index,
                const KeptRun &kept, const QString &name, KeptCurveCache &cache)
{
    const RunSeries run = kept.series();
    for (std::size_t c = 0; c < plan.curves.size(); ++c) {
        const ChartCurve &rule = plan.curves[c];
        ContentCurve curve = cache.curve(index, rule, [&] { return curveOf(run, rule); });
        curve.pen = keptRunPen(index, c);
        curve.legendName = c == 0 ? name : QString();
        curve.name = name.isEmpty() || plan.curves.size() == 1
                         ? name
                         //: A kept run's curve in the read-out: the run's name, the curve's label
                         : QCoreApplication::translate("KeptRuns", "%1 (%2)").arg(name, rule.label);
        curve.current = false;
        curves.push_back(std::move(curve));
    }
}

/*
 * A class's observations on the model's clock (t from the first count), as
 * markers, and the curve fitted to them at each whole t of their span, on
 * top of the runs. A count of 0 or below, which the fit leaves out, has no
 * logarithm: it is left out of ln N(t) too.
 */
void addObservations(std::vector<ContentCurve> &curves, const ChartPlan &plan,
                     const QLocale &locale)
{
    const ObservationSet &set = Observed.current();
    const double first = set.observations.front().time;
    ContentCurve counts;
    counts.pen = observedPen();
    counts.markers = true;
    counts.current = false;
    //: Legend: a class's counts drawn as markers; %1 is how many
    counts.legendName = QCoreApplication::translate("Observations", "observed (%1 counts)")
                            .arg(set.observations.size());
    //: Read-out: a class's count at a time
    counts.name = QCoreApplication::translate("Observations", "observed");
    for (const Observation &o : set.observations)
        if (const double y = plan.observed(o.count); std::isfinite(y))
            counts.append(QPointF(o.time - first, y));
    curves.push_back(std::move(counts));
    if (!set.fit) return;
    ContentCurve fitted;
    fitted.pen = fittedPen();
    fitted.current = false;
    //: Legend and read-out: the curve fitted to a class's counts, with its rate
    fitted.legendName = fitted.name = QCoreApplication::translate("Observations", "fitted (r = %1)")
                                          .arg(generalNumber(set.fit->rate, locale, 5));
    const double span = set.observations.back().time - first;
    for (int t = 0; t <= int(std::ceil(span)); ++t)
        fitted.append(QPointF(t, plan.observed(set.fitted(first + t))));
    curves.push_back(std::move(fitted));
}

} // namespace

bool showsObservations(const ChartPlan &plan)
{
    return plan.observed && !Observed.isEmpty();
}

std::vector<ContentCurve> runCurves(const ChartPlan &plan, const QLocale &locale,
                                    KeptCurveCache &cache)
{
    const RunSeries current = currentRun();
    const std::vector<KeptRun> &kept = Kept.runs();
    std::vector<ContentCurve> curves;
    curves.reserve((kept.size() + 1) * plan.curves.size());
    for (std::size_t k = 0; k < kept.size(); ++k)
        addKeptRun(curves, plan, k, kept[k],
                   kept[k].isRunOf(current) ? QString() : runName(kept[k].series(), locale), cache);
    const QString alone = !plan.legend && (!kept.empty() || showsObservations(plan))
                              ? runName(current, locale)
                              : QString();
    for (const ChartCurve &rule : plan.curves) {
        ContentCurve curve = curveOf(current, rule);
        curve.pen = currentRunPen(rule.kind);
        curve.legendName = curve.name = plan.legend ? rule.label : alone;
        curves.push_back(std::move(curve));
    }
    if (showsObservations(plan)) addObservations(curves, plan, locale);
    return curves;
}

std::pair<double, double> fixedRange(const ChartPlan &plan)
{
    const double limit = plan.yLimit(currentRun());
    double low = std::min(limit, 0.0), high = std::max(limit, 0.0);
    for (const KeptRun &kept : Kept.runs()) {
        const double other = plan.yLimit(kept.series());
        low = std::min(low, other);
        high = std::max(high, other);
    }
    return {low, high};
}
