#pragma once

#include "model/simulation.h"

#include <QTest>

// Values that Run refuses, shared by the model's test and the main window's: the boxes, the
// problem Run finds and a word of the message the user reads beside the window.
inline void refusedRuns_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("end");
    QTest::addColumn<RunProblem>("problem");
    QTest::addColumn<QString>("message");
    const RunProblem endTime = RunProblem::EndTimeOutOfRange, overflow = RunProblem::Overflow;
    // clang-format off
    QTest::addRow("end time 2999.5 rounds to 3000") << "0.2" << "10" << "2999.5" << endTime << "0 to 2999";
    QTest::addRow("negative end time") << "0.2" << "10" << "-1" << endTime << "0 to 2999";
    QTest::addRow("end time beyond 16 bits") << "0.2" << "10" << "99999" << endTime << "0 to 2999";
    QTest::addRow("end time beyond doubles") << "0.2" << "10" << "1e999" << endTime << "0 to 2999";
    QTest::addRow("N(0) beyond doubles") << "0.2" << "1e400" << "20" << RunProblem::InitialSizeTooLarge << "initial size";
    QTest::addRow("r beyond doubles") << "1e400" << "10" << "20" << RunProblem::RateTooLarge << "growth rate";
    QTest::addRow("r = 1 to 709 overflows") << "1" << "1" << "709" << overflow << "largest number";
    QTest::addRow("huge N(0) overflows") << "0.2" << "1e308" << "20" << overflow << "largest number";
    // clang-format on
}
