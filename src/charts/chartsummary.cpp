#include "charts/chartsummary.h"

#include "charts/chartframe.h"
#include "model/keptruns.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/observations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>

// The translation context of the summaries.
class ChartSummary
{
    Q_DECLARE_TR_FUNCTIONS(ChartSummary)
};

namespace
{

// The current run's curves: the first, and the second where the plan draws two.
std::vector<const ContentCurve *> currentCurves(const std::vector<ContentCurve> &curves)
{
    std::vector<const ContentCurve *> current;
    for (const ContentCurve &curve : curves)
        if (curve.current) current.push_back(&curve);
    return current;
}

// How the current run's curve changes, by the chart's shape.
QString change(const ChartPlan &plan, const std::vector<const ContentCurve *> &current,
               const QLocale &locale)
{
    const double r = MALVORA1::Rrate;
    const auto number = [&](double x) { return readoutNumber(x, plan.yScale, locale); };
    const auto plain = [&](double x) { return readoutNumber(x, 10000, locale); };
    const QList<QPointF> &points = current.front()->points;
    const double first = points.front().y(), last = points.back().y();
    switch (plan.shape) {
    case ChartShape::Growth:
        if (r > 0)
            return ChartSummary::tr(
                       "It rises from %1 to %2, by a factor e^r = %3 each step: it doubles every "
                       "ln 2 / r = %4.")
                .arg(number(first), number(last), plain(std::exp(r)),
                     readoutNumber(std::log(2.0) / r, 100, locale));
        if (r < 0)
            return ChartSummary::tr(
                       "It falls from %1 to %2, by a factor e^r = %3 each step: it halves every "
                       "ln 2 / |r| = %4.")
                .arg(number(first), number(last), plain(std::exp(r)),
                     readoutNumber(std::log(2.0) / -r, 100, locale));
        return ChartSummary::tr("It stays at %1.").arg(number(first));
    case ChartShape::Logarithm:
        return ChartSummary::tr("It is a straight line of slope r = %1, from %2 to %3.")
            .arg(plain(r), number(first), number(last));
    case ChartShape::PerHead:
        return ChartSummary::tr("It is constant at r = %1 for every N(t).").arg(plain(r));
    case ChartShape::Models:
        return ChartSummary::tr(
                   "The differential model ends at %1, the difference model at %2: the one "
                   "changes by a factor e^r = %3 a step, the other by 1 + r = %4.")
            .arg(number(last), number(current.back()->points.back().y()), plain(std::exp(r)),
                 plain(1 + r));
    case ChartShape::NextAgainstN:
        return (r >= 0 ? ChartSummary::tr(
                             "N(t+1) is N(t) times e^r = %1: a straight line through 0, above "
                             "the line y = x.")
                       : ChartSummary::tr(
                             "N(t+1) is N(t) times e^r = %1: a straight line through 0, below "
                             "the line y = x."))
            .arg(plain(std::exp(r)));
    }
    return {};
}

} // namespace

QString chartSummary(const ChartPlan &plan, const std::vector<ContentCurve> &curves,
                     const QLocale &locale)
{
    const std::vector<const ContentCurve *> current = currentCurves(curves);
    if (current.empty() || current.front()->points.isEmpty()) return plan.title;
    const QList<QPointF> &points = current.front()->points;
    QStringList sentences{ChartSummary::tr("%1, %2 from %3 to %4.")
                              .arg(plan.title, plan.xName.isEmpty() ? plan.xTitle : plan.xName,
                                   readoutNumber(points.front().x(), 100, locale),
                                   readoutNumber(points.back().x(), 100, locale))};
    if (current.front()->x.empty())
        sentences << plan.noValue;
    else
        sentences << change(plan, current, locale);
    for (const ContentCurve &curve : curves)
        if (!curve.current && !curve.markers && !curve.legendName.isEmpty() &&
            !curve.points.isEmpty() && std::isfinite(curve.points.back().y()))
            sentences << ChartSummary::tr("%1 ends at %2.")
                             .arg(curve.legendName,
                                  readoutNumber(curve.points.back().y(), plan.yScale, locale));
    if (const auto &fit = MALVORA1::Observed.fit(); fit && plan.observed)
        sentences << ChartSummary::tr("The class's %1 counts are fitted by r = %2.")
                         .arg(integerText(int(MALVORA1::Observed.observations().size())),
                              readoutNumber(fit->rate, 1e6, locale));
    return sentences.join(u' ');
}
