#include "charts/keptcurves.h"

#include "charts/chartframe.h"
#include "charts/chartpalette.h"
#include "model/keptruns.h"
#include "model/numbertext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

QString runName(const RunSeries &run, const QLocale &locale)
{
    return QCoreApplication::translate("KeptRuns", "r = %1, N(0) = %2")
        .arg(generalNumber(run.rate, locale), generalNumber(run.initialSize(), locale));
}

namespace
{

// A kept run's points by one curve's rule. A kept run never changes, and a
// chart is drawn again far more often than runs are kept: each run's points
// are computed once per rule, until the kept runs change.
// The curve comes with its ranges; its pen and names are left to the caller.
ContentCurve keptPoints(std::size_t index, const RunSeries &run, const ChartCurve &curve)
{
    struct Computed {
        std::size_t run;
        decltype(ChartCurve::x) x;
        decltype(ChartCurve::y) y;
        ContentCurve curve;
    };
    static std::vector<Computed> computed;
    static const QMetaObject::Connection forget =
        QObject::connect(&MALVORA1::Kept, &KeptRuns::changed, [] { computed.clear(); });
    for (const Computed &c : computed)
        if (c.run == index && c.x == curve.x && c.y == curve.y) return c.curve;
    ContentCurve points;
    points.points.reserve(run.endTime + 1);
    for (int t = 0; t <= run.endTime; ++t)
        points.append(QPointF(curve.x(run, t), curve.y(run, t)));
    if (computed.size() >= 64) computed.clear(); // more rules than the charts have
    computed.push_back({index, curve.x, curve.y, points});
    return points;
}

} // namespace

std::vector<ContentCurve> keptCurves(const ChartPlan &plan, const RunSeries &current,
                                     const QLocale &locale)
{
    std::vector<ContentCurve> curves;
    const std::vector<KeptRun> &kept = MALVORA1::Kept.runs();
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const RunSeries run = kept[k].series();
        const QString name = kept[k].isRunOf(current) ? QString() : runName(run, locale);
        for (std::size_t c = 0; c < plan.curves.size(); ++c) {
            const ChartCurve &curve = plan.curves[c];
            ContentCurve kept = keptPoints(k, run, curve);
            kept.pen = keptRunPen(k, c);
            kept.legendName = c == 0 ? name : QString();
            kept.name =
                name.isEmpty() || plan.curves.size() == 1
                    ? name
                    //: A kept run's curve in the read-out: the run's name, the curve's label
                    : QCoreApplication::translate("KeptRuns", "%1 (%2)").arg(name, curve.label);
            kept.current = false;
            curves.push_back(std::move(kept));
        }
    }
    return curves;
}

std::pair<double, double> fixedRange(const ChartPlan &plan, const RunSeries &current)
{
    double low = std::min(plan.yLimit(current), 0.0), high = std::max(plan.yLimit(current), 0.0);
    for (const KeptRun &kept : MALVORA1::Kept.runs()) {
        const double limit = plan.yLimit(kept.series());
        low = std::min(low, limit);
        high = std::max(high, limit);
    }
    return {low, high};
}
