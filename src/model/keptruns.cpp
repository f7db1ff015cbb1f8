#include "model/keptruns.h"

#include "model/malvora1.h"

#include <algorithm>

namespace MALVORA1
{
KeptRuns Kept;
} // namespace MALVORA1

RunSeries currentRun()
{
    using namespace MALVORA1;
    return {Rrate, Simut, Nt, dNdt, DeltaN, NtDifference, DeltaNDifference};
}

KeptRun::KeptRun(const RunSeries &run) : m_rate(run.rate), m_endTime(run.endTime)
{
    const std::span<const double> series[] = {run.Nt, run.dNdt, run.DeltaN, run.NtDifference,
                                              run.DeltaNDifference};
    const auto steps = std::size_t(std::max(run.endTime + 2, 1));
    for (std::size_t k = 0; k < m_series.size(); ++k)
        m_series[k].assign(series[k].begin(), series[k].begin() + std::ptrdiff_t(steps));
}

RunSeries KeptRun::series() const
{
    return {m_rate, m_endTime, m_series[0], m_series[1], m_series[2], m_series[3], m_series[4]};
}

bool KeptRun::isRunOf(const RunSeries &run) const
{
    return m_rate == run.rate && m_endTime == run.endTime && m_series[0][0] == run.initialSize();
}

void KeptRuns::keep(const RunSeries &run)
{
    if (m_runs.size() == std::size_t(Capacity)) m_runs.erase(m_runs.begin());
    m_runs.emplace_back(run);
    emit changed();
}

void KeptRuns::forget()
{
    if (m_runs.empty()) return;
    m_runs.clear();
    emit changed();
}

bool KeptRuns::holds(const RunSeries &run) const
{
    return std::any_of(m_runs.begin(), m_runs.end(),
                       [&](const KeptRun &kept) { return kept.isRunOf(run); });
}
