#include "charts/chartroutines.h"

#include "charts/chartframe.h"
#include "model/keptruns.h"

#include <QCoreApplication>

#include <cmath>

// The translation context of the chart titles and curve labels.
class ChartRoutines
{
    Q_DECLARE_TR_FUNCTIONS(ChartRoutines)
};

namespace
{

double time(const RunSeries &, int t)
{
    return t;
}
double population(const RunSeries &run, int t)
{
    return run.Nt[size_t(t)];
}

// A chart against time: one curve, or the two models with a legend. The read-out names x "t".
ChartPlan againstTime(const QString &title, const QString &yTitle, std::vector<ChartCurve> curves,
                      const QString &noValue = {}, bool growth = false,
                      double (*observed)(double) = nullptr, ChartShape shape = ChartShape::Growth)
{
    const bool models = curves.size() > 1;
    return {.title = title,
            .yTitle = yTitle,
            .xTitle = ChartRoutines::tr("Time"),
            .legend = models,
            .curves = std::move(curves),
            .noValue = noValue,
            //: The time variable t, as it stands in the read-out ("t = 5")
            .xName = ChartRoutines::tr("t"),
            .growth = growth,
            .observed = observed,
            .shape = models ? ChartShape::Models : shape};
}

QString differential()
{
    //: Legend: the curve of the differential (continuous) model
    return ChartRoutines::tr("differential");
}
QString difference()
{
    //: Legend: the curve of the difference (discrete) model
    return ChartRoutines::tr("difference");
}

} // namespace

void ShowNtvsT(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              againstTime(ChartRoutines::tr("Curve of N(t) vs. time"), ChartRoutines::tr("N(t)"),
                          {{{}, time, population, CurveKind::Differential}}, {}, true,
                          [](double count) { return count; }));
}

void ShowlnNtvsT(ChartControl &MSChart1)
{
    const ChartCurve curve{{},
                           time,
                           [](const RunSeries &run, int t) { return std::log(run.Nt[size_t(t)]); },
                           CurveKind::Differential};
    drawChart(MSChart1,
              againstTime(
                  ChartRoutines::tr("Curve of lnN(t) vs. time"), ChartRoutines::tr("lnN(t)"),
                  {curve}, ChartRoutines::tr("ln N(t) needs N(t) > 0"), true,
                  [](double count) { return std::log(count); }, ChartShape::Logarithm));
}

void ShowdNvsT(ChartControl &MSChart1)
{
    const ChartCurve curve{{},
                           time,
                           [](const RunSeries &run, int t) { return run.dNdt[size_t(t)]; },
                           CurveKind::Differential};
    drawChart(MSChart1, againstTime(ChartRoutines::tr("Curve of dN(t) vs. time"),
                                    ChartRoutines::tr("dN(t)"), {curve}));
}

// The rate per head of every run is its r: the fixed range runs from 0 to 1.5 r.
// The read-out gives it to 0.0001, as the data table does.
void ShowdNNvsN(ChartControl &MSChart1)
{
    const ChartCurve curve{
        {},
        population,
        [](const RunSeries &run, int t) { return run.dNdt[size_t(t)] / run.Nt[size_t(t)]; },
        CurveKind::Differential};
    drawChart(MSChart1, {.title = ChartRoutines::tr("Curve of dN(t)/N(t)dt vs. N(t)"),
                         //: Axis title: the per-capita growth rate dN/(N dt)
                         .yTitle = ChartRoutines::tr("dN/Ndt"),
                         .xTitle = ChartRoutines::tr("N(t)"),
                         .yLimit = [](const RunSeries &run) { return 1.5 * run.rate; },
                         .curves = {curve},
                         .noValue = ChartRoutines::tr("dN/N needs N(t) ≠ 0"),
                         .yScale = 10000,
                         .shape = ChartShape::PerHead});
}

void ShowlndNvsT(ChartControl &MSChart1)
{
    const ChartCurve curve{
        {},
        time,
        [](const RunSeries &run, int t) { return std::log(run.dNdt[size_t(t)]); },
        CurveKind::Differential};
    drawChart(MSChart1, againstTime(ChartRoutines::tr("Curve of ln(dN(t)) vs. time"),
                                    ChartRoutines::tr("lndN(t)"), {curve},
                                    ChartRoutines::tr("ln dN(t) needs dN(t) > 0"), false, nullptr,
                                    ChartShape::Logarithm));
}

void CompareDifferentialAndDifference(ChartControl &MSChart1)
{
    drawChart(MSChart1,
              againstTime(ChartRoutines::tr("Differential model and difference model"),
                          ChartRoutines::tr("N(t)"),
                          {{differential(), time, population, CurveKind::Differential},
                           {difference(), time,
                            [](const RunSeries &run, int t) { return run.NtDifference[size_t(t)]; },
                            CurveKind::Difference}}));
}

void CompareDeltaNanddN(ChartControl &MSChart1)
{
    drawChart(
        MSChart1,
        againstTime(ChartRoutines::tr("N(t+1)-N(t) (Differential and difference models)"),
                    ChartRoutines::tr("dN(t)"),
                    {{differential(), time,
                      [](const RunSeries &run, int t) { return run.DeltaN[size_t(t)]; },
                      CurveKind::Differential},
                     {difference(), time,
                      [](const RunSeries &run, int t) { return run.DeltaNDifference[size_t(t)]; },
                      CurveKind::Difference}}));
}

void ShowNnextvsN(ChartControl &MSChart1)
{
    const ChartCurve next{ChartRoutines::tr("N(t+1) (differential)"), population,
                          [](const RunSeries &run, int t) { return run.Nt[size_t(t) + 1]; },
                          CurveKind::Differential};
    drawChart(MSChart1,
              {.title = ChartRoutines::tr("Curve of N(t+1) vs. N(t) (differential model)"),
               .yTitle = ChartRoutines::tr("N(t+1)"),
               .xTitle = ChartRoutines::tr("N(t)"),
               .legend = true,
               .curves = {next,
                          //: Legend: the diagonal line y = x
                          {ChartRoutines::tr("y=x"), population, population, CurveKind::Reference}},
               .shape = ChartShape::NextAgainstN});
}
