#pragma once

#include <QStringView>

// Why a run could not be made; nothing of the model state changes then.
enum class RunProblem {
    None,
    EndTimeOutOfRange,   // not a whole time from 0 to MaxEndTime after rounding
    InitialSizeTooLarge, // N(0) beyond the double range
    RateTooLarge,        // r beyond the double range
    Overflow,            // a value of the series leaves the double range
};

/*
 * Run: reads the end time T, the initial size N(0) and the rate r with the
 * Val rule (T rounded to a whole number, ties to even) and fills the five
 * series for t = 0 ... T+1 (T+2 for the difference form), in this order per
 * step i:
 *
 *   Nt(i)               = exp(i * r) * Nt(0)
 *   dNdt(i)             = r * Nt(i)
 *   DeltaNDifference(i) = r * NtDifference(i)
 *   NtDifference(i+1)   = DeltaNDifference(i) + NtDifference(i)
 *   DeltaN(i-1)         = Nt(i) - Nt(i-1)          (from i = 1)
 *
 * The order of the operations is part of the result: the difference form is
 * built by repeated addition, not as N(0) (1+r)^t, so the doubles match the
 * program's classic figures bit for bit.
 *
 * Run is all or nothing: every value is checked first, and a run that cannot
 * be completed leaves the model state exactly as it was.
 */
RunProblem simulate(QStringView endTime, QStringView initialSize, QStringView rate);
