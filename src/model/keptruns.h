#pragma once

#include <QObject>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// One run as the charts read it: its parameters and its five series, indexed
// by time step 0 ... endTime + 1, in place where they are stored.
struct RunSeries {
    double rate = 0;
    std::int16_t endTime = 0;
    std::span<const double> Nt, dNdt, DeltaN, NtDifference, DeltaNDifference;

    double initialSize() const { return Nt[0]; }
};

// The last run, read from the model state.
RunSeries currentRun();

// A copy of one run, kept so that later runs can be drawn over it. It holds
// what the charts read of each series: time steps 0 ... T + 1.
class KeptRun
{
  public:
    explicit KeptRun(const RunSeries &run);

    RunSeries series() const;
    bool isRunOf(const RunSeries &run) const;

  private:
    double m_rate;
    std::int16_t m_endTime;
    std::array<std::vector<double>, 5> m_series;
};

// Up to four kept runs, the oldest first; keeping a fifth drops the oldest.
// They live for one session of the program and are never written anywhere.
// Every chart draws them, and hears of each change from here.
class KeptRuns : public QObject
{
    Q_OBJECT
  public:
    static constexpr int Capacity = 4;

    void keep(const RunSeries &run);
    void forget();
    bool holds(const RunSeries &run) const;
    const std::vector<KeptRun> &runs() const { return m_runs; }

  signals:
    void changed();

  private:
    std::vector<KeptRun> m_runs;
};

namespace MALVORA1
{
extern KeptRuns Kept; // the runs kept to compare, beside the model state
} // namespace MALVORA1
