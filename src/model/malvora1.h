#pragma once

#include <array>
#include <cstdint>

// The program-wide model state. Every window reads and writes these variables
// by name; only Run writes the parameters and the five series, everything
// else reads them. There is one instance, alive from start to exit.
namespace MALVORA1
{

inline constexpr int SeriesBound = 3001;           // series hold indexes 0 to 3001
inline constexpr int MaxEndTime = SeriesBound - 2; // a run writes up to index T+2
using Series = std::array<double, SeriesBound + 1>;

extern Series Nt;               // N(t) of the differential form
extern Series dNdt;             // dN(t)/dt = r N(t)
extern Series DeltaN;           // N(t+1) - N(t) of the differential form
extern Series NtDifference;     // N(t) of the difference form
extern Series DeltaNDifference; // r N(t) of the difference form

extern std::int16_t Simut; // end time T of the last run
extern double Rrate;       // growth rate r of the last run

extern std::int16_t i, j; // shared loop indexes of Run, the data file and the charts
extern double xval, yval; // the chart point being written

extern std::int16_t CurLabel, PrevLabel; // title screen animation
extern std::int16_t GraphNo;             // position in the large graph window's chart cycle

// Back to the state at program start: every series zero, every scalar 0, no
// run kept.
void clear();

} // namespace MALVORA1
