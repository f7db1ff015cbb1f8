#include "charts/chartframe.h"

#include "charts/chartcontrol.h"
#include "charts/chartreadout.h"
#include "charts/chartsummary.h"
#include "charts/runcurves.h"
#include "model/keptruns.h"
#include "model/malvora1.h"
#include "widgets/formlayout.h"

namespace
{
QFont arial10()
{
    return designFont(QStringLiteral("Arial"), 10);
}
} // namespace

void drawChart(ChartControl &chart, const ChartPlan &plan)
{
    chart.setShowLegend(plan.legend || !MALVORA1::Kept.runs().empty() || showsObservations(plan));
    chart.titleFont() = arial10();
    chart.setTitleText(plan.title);
    chart.setNoValueText(plan.noValue);

    ChartControl::Axis &y = chart.axis(ChartControl::Y);
    y.autoScale = !plan.yLimit;
    if (plan.yLimit) {
        const auto [minimum, maximum] = fixedRange(plan);
        y.maximum = maximum;
        y.minimum = minimum;
    }
    y.blackMajorGrid = true;
    y.titleFont = arial10();
    y.titleVisible = true;
    y.title = plan.yTitle;

    ChartControl::Axis &x = chart.axis(ChartControl::X);
    x.titleFont = arial10();
    x.titleVisible = true;
    x.title = plan.xTitle;

    chart.readout().setUp({plan.xName.isEmpty() ? plan.xTitle : plan.xName, plan.yScale,
                           plan.growth ? MALVORA1::Rrate : 0});
    std::vector<ContentCurve> curves = runCurves(plan, chart.locale(), chart.keptCurves());
    chart.setSummary(chartSummary(plan, curves, chart.locale()));
    chart.setCurves(std::move(curves));
    // Last: the redraw that runs this routine again may be the one running now.
    chart.setRedraw([&chart, plan] { drawChart(chart, plan); });
}
