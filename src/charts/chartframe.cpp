#include "charts/chartframe.h"

#include "charts/chartcontrol.h"
#include "charts/chartreadout.h"
#include "charts/keptcurves.h"
#include "model/keptruns.h"
#include "model/malvora1.h"
#include "widgets/formlayout.h"

using namespace MALVORA1;

namespace
{
QFont arial10()
{
    return designFont(QStringLiteral("Arial"), 10);
}
} // namespace

void drawChart(ChartControl &chart, const ChartPlan &plan)
{
    const RunSeries run = currentRun();
    const bool withKept = !Kept.runs().empty();
    const int curves = int(plan.curves.size());
    chart.setColumnCount(2 * curves);
    chart.setRowCount(std::int16_t(Simut + 1));
    chart.setShowLegend(plan.legend || withKept);
    chart.titleFont() = arial10();
    chart.setTitleText(plan.title);
    chart.setLegendLocation(ChartControl::LocationRight);
    chart.setNoValueText(plan.noValue);

    ChartControl::Axis &y = chart.axis(ChartControl::Y);
    y.autoScale = !plan.yLimit;
    if (plan.yLimit) {
        const auto [minimum, maximum] = fixedRange(plan, run);
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

    if (plan.legend)
        for (int k = 0; k < curves; ++k)
            chart.setColumnLabel(2 * k + 1, plan.curves[size_t(k)].label);
    else if (withKept)
        chart.setColumnLabel(1, runName(run, chart.locale()));

    for (int k = 0; k < curves; ++k) {
        const ChartCurve &curve = plan.curves[size_t(k)];
        for (j = 0; j <= Simut; ++j) {
            xval = curve.x(run, j);
            yval = curve.y(run, j);
            chart.setData(j + 1, 2 * k + 1, xval);
            chart.setData(j + 1, 2 * k + 2, yval);
        }
        chart.setSeriesPen(k + 1, currentRunPen(curve.kind));
    }
    chart.setKeptCurves(keptCurves(plan, run, chart.locale()));
    chart.readout().setUp(
        {plan.xName.isEmpty() ? plan.xTitle : plan.xName, plan.yScale, plan.growth ? run.rate : 0});
    chart.setRedraw([&chart, plan] { drawChart(chart, plan); });
    chart.refresh();
}
