#include "charts/chartframe.h"

#include "charts/chartcontrol.h"
#include "model/malvora1.h"
#include "widgets/formlayout.h"

#include <algorithm>

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
    const int curves = int(plan.curves.size());
    chart.setColumnCount(2 * curves);
    chart.setRowCount(std::int16_t(Simut + 1));
    chart.setShowLegend(plan.legend);
    chart.titleFont() = arial10();
    chart.setTitleText(plan.title);
    chart.setLegendLocation(ChartControl::LocationRight);
    chart.setNoValueText(plan.noValue);

    ChartControl::Axis &y = chart.axis(ChartControl::Y);
    y.autoScale = !plan.yLimit;
    if (plan.yLimit) {
        y.maximum = std::max(*plan.yLimit, 0.0);
        y.minimum = std::min(*plan.yLimit, 0.0);
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

    for (int k = 0; k < curves; ++k) {
        const ChartCurve &curve = plan.curves[size_t(k)];
        for (j = 0; j <= Simut; ++j) {
            xval = curve.x(j);
            yval = curve.y(j);
            chart.setData(j + 1, 2 * k + 1, xval);
            chart.setData(j + 1, 2 * k + 2, yval);
        }
    }
    chart.refresh();
}
