#include "model/simulation.h"

#include "model/malvora1.h"
#include "model/numbertext.h"

#include <algorithm>
#include <cmath>

using namespace MALVORA1;

namespace
{

struct Run {
    Series nt{}, dndt{}, deltaN{}, ntDifference{}, deltaNDifference{};
};

// Fills the series of one run; false when a value leaves the double range.
bool compute(Run &run, int T, double n0, double r)
{
    run.ntDifference[0] = n0;
    run.nt[0] = n0;
    for (int k = 0; k <= T + 1; ++k) {
        const double e = std::exp(double(k) * r);
        run.nt[k] = e * run.nt[0];
        run.dndt[k] = r * run.nt[k];
        run.deltaNDifference[k] = r * run.ntDifference[k];
        run.ntDifference[k + 1] = run.deltaNDifference[k] + run.ntDifference[k];
        if (k != 0) run.deltaN[k - 1] = run.nt[k] - run.nt[k - 1];
        if (!std::isfinite(run.nt[k]) || !std::isfinite(run.dndt[k]) ||
            !std::isfinite(run.ntDifference[k + 1]) || !std::isfinite(run.deltaNDifference[k]) ||
            (k != 0 && !std::isfinite(run.deltaN[k - 1])))
            return false;
    }
    return true;
}

// Only the indexes a run writes are copied: the rest keep what earlier runs
// left there, as readers never look beyond the end time.
void commit(const Run &run, int T)
{
    const auto copy = [](const Series &from, Series &to, int last) {
        std::copy_n(from.begin(), last + 1, to.begin());
    };
    copy(run.nt, Nt, T + 1);
    copy(run.dndt, dNdt, T + 1);
    copy(run.deltaN, DeltaN, T);
    copy(run.ntDifference, NtDifference, T + 2);
    copy(run.deltaNDifference, DeltaNDifference, T + 1);
}

} // namespace

RunProblem simulate(QStringView endTime, QStringView initialSize, QStringView rate)
{
    const auto t = Val(endTime);
    const auto T = t ? toInteger16(*t) : std::nullopt;
    if (!T || *T < 0 || *T > MaxEndTime) return RunProblem::EndTimeOutOfRange;
    const auto n0 = Val(initialSize);
    if (!n0) return RunProblem::InitialSizeTooLarge;
    const auto r = Val(rate);
    if (!r) return RunProblem::RateTooLarge;

    static Run run; // 120 kB: kept off the stack
    if (!compute(run, *T, *n0, *r)) return RunProblem::Overflow;
    commit(run, *T);
    Simut = *T;
    Rrate = *r;
    i = std::int16_t(*T + 2); // where Run's loop counter stops
    return RunProblem::None;
}
