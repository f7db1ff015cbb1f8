#include "charts/chartroutines.h"

#include "charts/chartframe.h"
#include "model/malvora1.h"

#include <QCoreApplication>

#include <cmath>

using namespace MALVORA1;

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("ChartRoutines", text);
}

double time(int t)
{
    return t;
}
double population(int t)
{
    return Nt[size_t(t)];
}

ChartPlan againstTime(const char *title, const char *yTitle, double (*y)(int))
{
    return {tr(title), tr(yTitle), tr("Time"), {}, false, {{{}, time, y}}};
}

ChartPlan comparison(const char *title, const char *yTitle, const char *xTitle, ChartCurve first,
                     ChartCurve second)
{
    return {tr(title), tr(yTitle), tr(xTitle), {}, true, {first, second}};
}

} // namespace

void ShowNtvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1, againstTime("Curve of N(t) vs. time", "N(t)", population));
}

void ShowlnNtvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1, againstTime("Curve of lnN(t) vs. time", "lnN(t)",
                                    [](int t) { return std::log(Nt[size_t(t)]); }));
}

void ShowdNvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1, againstTime("Curve of dN(t) vs. time", "dN(t)",
                                    [](int t) { return dNdt[size_t(t)]; }));
}

void ShowdNNvsN(ChartControl &MSChart1)
{
    const ChartCurve curve{{}, population, [](int t) { return dNdt[size_t(t)] / Nt[size_t(t)]; }};
    drawChart(MSChart1, {tr("Curve of dN(t)/N(t)dt vs. N(t)"),
                         tr("dN/Ndt"),
                         tr("N(t)"),
                         1.5 * Rrate,
                         false,
                         {curve}});
}

void ShowlndNvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1, againstTime("Curve of ln(dN(t)) vs. time", "lndN(t)",
                                    [](int t) { return std::log(dNdt[size_t(t)]); }));
}

void CompareDifferentialAndDifference(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              comparison("Differential model and difference model", "N(t)", "Time",
                         {tr("differential"), time, population},
                         {tr("difference"), time, [](int t) { return NtDifference[size_t(t)]; }}));
}

void CompareDeltaNanddN(ChartControl &MSChart1)
{
    drawChart(
        MSChart1,
        comparison("N(t+1)-N(t) (Differential and difference models)", "dN(t)", "Time",
                   {tr("differential"), time, [](int t) { return DeltaN[size_t(t)]; }},
                   {tr("difference"), time, [](int t) { return DeltaNDifference[size_t(t)]; }}));
}

void ShowNnextvsN(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              comparison("Curve of N(t+1) vs. N(t) (differential model)", "N(t+1)", "N(t)",
                         {tr("N(t+1)-N(t) (differential)"), population,
                          [](int t) { return Nt[size_t(t) + 1]; }},
                         {tr("y=x"), population, population}));
}
