#pragma once

#include <QTest>

// Values that Run refuses, shared by the model's test and the main window's: the boxes and a word
// of the message the user reads beside the window, which tells the problems apart.
inline void refusedRuns_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::addRow("end time 2999.5 rounds to 3000") << "0.2" << "10" << "2999.5" << "0 to 2999";
    QTest::addRow("negative end time") << "0.2" << "10" << "-1" << "0 to 2999";
    QTest::addRow("end time 65556, 20 in 16 bits") << "0.2" << "10" << "65556" << "0 to 2999";
    QTest::addRow("end time beyond doubles") << "0.2" << "10" << "1e999" << "0 to 2999";
    QTest::addRow("N(0) beyond doubles") << "0.2" << "1e400" << "20" << "initial size N(0) is too large in size";
    QTest::addRow("r beyond doubles") << "1e400" << "10" << "20" << "growth rate r is too large in size";
    QTest::addRow("r beyond doubles, negative") << "-1e400" << "10" << "20" << "growth rate r is too large in size";
    QTest::addRow("r &H beyond doubles") << "&H" + QString(256, u'F') << "10" << "20" << "growth rate r is too large in size";
    QTest::addRow("r = 1 to 709 overflows") << "1" << "1" << "709" << "numbers of the model become too large in size";
    QTest::addRow("huge N(0) overflows") << "0.2" << "1e308" << "20" << "numbers of the model become too large in size";
    QTest::addRow("shrinking, yet overflows") << "-2" << "1e308" << "2" << "numbers of the model become too large in size";
    // clang-format on
}
