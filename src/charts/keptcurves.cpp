#include "charts/keptcurves.h"

#include "charts/chartframe.h"
#include "model/keptruns.h"
#include "model/numbertext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace
{

// Muted, told apart from each other and from the current run's bright curves.
const QColor Muted[KeptRuns::Capacity] = {QColor(0x6f, 0x84, 0xa3), QColor(0xb0, 0x7d, 0x6e),
                                          QColor(0x7d, 0x9a, 0x70), QColor(0x9a, 0x7f, 0xad)};

QPen keptPen(std::size_t run, std::size_t curve)
{
    QPen pen(Muted[run % std::size(Muted)], 1.5);
    if (curve > 0) pen.setStyle(Qt::DashLine);
    return pen;
}

} // namespace

QString runName(const RunSeries &run, const QLocale &locale)
{
    return QCoreApplication::translate("KeptRuns", "r = %1, N(0) = %2")
        .arg(generalNumber(run.rate, locale), generalNumber(run.initialSize(), locale));
}

std::vector<ChartControl::KeptCurve> keptCurves(const ChartPlan &plan, const QLocale &locale)
{
    std::vector<ChartControl::KeptCurve> curves;
    const std::vector<KeptRun> &kept = MALVORA1::Kept.runs();
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const RunSeries run = kept[k].series();
        for (std::size_t c = 0; c < plan.curves.size(); ++c) {
            const ChartCurve &curve = plan.curves[c];
            QList<QPointF> points;
            points.reserve(run.endTime + 1);
            for (int t = 0; t <= run.endTime; ++t) {
                const QPointF p(curve.x(run, t), curve.y(run, t));
                if (std::isfinite(p.x()) && std::isfinite(p.y())) points.append(p);
            }
            curves.push_back(
                {std::move(points), keptPen(k, c), c == 0 ? runName(run, locale) : QString()});
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
