#include "charts/chartroutines.h"

#include "charts/chartframe.h"
#include "model/malvora1.h"

#include <QCoreApplication>

#include <cmath>

using namespace MALVORA1;

// The translation context of the chart titles and curve labels.
class ChartRoutines
{
    Q_DECLARE_TR_FUNCTIONS(ChartRoutines)
};

namespace
{

double time(int t)
{
    return t;
}
double population(int t)
{
    return Nt[size_t(t)];
}

ChartPlan againstTime(const QString &title, const QString &yTitle, double (*y)(int),
                      const QString &noValue = {})
{
    return {title, yTitle, ChartRoutines::tr("Time"), {}, false, {{{}, time, y}}, noValue};
}

ChartPlan comparison(const QString &title, const QString &yTitle, const QString &xTitle,
                     ChartCurve first, ChartCurve second)
{
    return {title, yTitle, xTitle, {}, true, {first, second}, {}};
}

QString differential()
{
    return ChartRoutines::tr("differential");
}
QString difference()
{
    return ChartRoutines::tr("difference");
}

} // namespace

void ShowNtvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1, againstTime(ChartRoutines::tr("Curve of N(t) vs. time"),
                                    ChartRoutines::tr("N(t)"), population));
}

void ShowlnNtvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              againstTime(
                  ChartRoutines::tr("Curve of lnN(t) vs. time"), ChartRoutines::tr("lnN(t)"),
                  [](int t) { return std::log(Nt[size_t(t)]); },
                  ChartRoutines::tr("ln N(t) needs N(t) > 0")));
}

void ShowdNvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              againstTime(ChartRoutines::tr("Curve of dN(t) vs. time"), ChartRoutines::tr("dN(t)"),
                          [](int t) { return dNdt[size_t(t)]; }));
}

void ShowdNNvsN(ChartControl &MSChart1)
{
    const ChartCurve curve{{}, population, [](int t) { return dNdt[size_t(t)] / Nt[size_t(t)]; }};
    drawChart(MSChart1, {ChartRoutines::tr("Curve of dN(t)/N(t)dt vs. N(t)"),
                         ChartRoutines::tr("dN/Ndt"),
                         ChartRoutines::tr("N(t)"),
                         1.5 * Rrate,
                         false,
                         {curve},
                         ChartRoutines::tr("dN/N needs N(t) ≠ 0")});
}

void ShowlndNvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              againstTime(
                  ChartRoutines::tr("Curve of ln(dN(t)) vs. time"), ChartRoutines::tr("lndN(t)"),
                  [](int t) { return std::log(dNdt[size_t(t)]); },
                  ChartRoutines::tr("ln dN(t) needs dN(t) > 0")));
}

void CompareDifferentialAndDifference(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              comparison(ChartRoutines::tr("Differential model and difference model"),
                         ChartRoutines::tr("N(t)"), ChartRoutines::tr("Time"),
                         {differential(), time, population},
                         {difference(), time, [](int t) { return NtDifference[size_t(t)]; }}));
}

void CompareDeltaNanddN(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              comparison(ChartRoutines::tr("N(t+1)-N(t) (Differential and difference models)"),
                         ChartRoutines::tr("dN(t)"), ChartRoutines::tr("Time"),
                         {differential(), time, [](int t) { return DeltaN[size_t(t)]; }},
                         {difference(), time, [](int t) { return DeltaNDifference[size_t(t)]; }}));
}

void ShowNnextvsN(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              comparison(ChartRoutines::tr("Curve of N(t+1) vs. N(t) (differential model)"),
                         ChartRoutines::tr("N(t+1)"), ChartRoutines::tr("N(t)"),
                         {ChartRoutines::tr("N(t+1)-N(t) (differential)"), population,
                          [](int t) { return Nt[size_t(t) + 1]; }},
                         {ChartRoutines::tr("y=x"), population, population}));
}
