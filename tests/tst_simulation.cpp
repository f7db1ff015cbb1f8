// Run's computation: the series it fills and what it refuses.
#include "model/malvora1.h"
#include "model/simulation.h"

#include <QTest>

#include <cmath>

using namespace MALVORA1;

class tst_Simulation : public QObject
{
    Q_OBJECT
  private slots:
    void init() { clear(); }
    void defaultsBitForBit();
    void edgesOfARun();
    void shorterRunKeepsLaterElements();
    void refusedRunChangesNothing_data();
    void refusedRunChangesNothing();
};

void tst_Simulation::defaultsBitForBit()
{
    QCOMPARE(simulate(u"20", u"10", u"0.2"), RunProblem::None);
    QCOMPARE(Simut, std::int16_t(20));
    // The same operations in the same order give the same doubles.
    double difference = 10;
    for (int t = 0; t <= 21; ++t) {
        QCOMPARE(Nt[t], std::exp(double(t) * 0.2) * 10);
        QCOMPARE(dNdt[t], 0.2 * Nt[t]);
        QCOMPARE(NtDifference[t], difference);
        QCOMPARE(DeltaNDifference[t], 0.2 * difference);
        difference = 0.2 * difference + difference;
    }
    QCOMPARE(NtDifference[22], difference);
    QCOMPARE(DeltaN[20], Nt[21] - Nt[20]);
    QVERIFY(std::abs(NtDifference[20] - 383.3759992447) < 1e-9);
    QCOMPARE(DeltaN[21], 0.0); // one past what a run of 20 writes
}

void tst_Simulation::edgesOfARun()
{
    QCOMPARE(simulate(u"0", u"10", u"0.2"), RunProblem::None);
    QCOMPARE(Nt[1], std::exp(0.2) * 10);
    QCOMPARE(DeltaN[0], Nt[1] - Nt[0]);
    QCOMPARE(NtDifference[2], 14.4);
    QCOMPARE(Nt[2], 0.0);

    QCOMPARE(simulate(u"30", u"7", u"0"), RunProblem::None);
    for (int t = 0; t <= 31; ++t)
        QVERIFY(Nt[t] == 7 && NtDifference[t] == 7 && dNdt[t] == 0 && DeltaNDifference[t] == 0);

    QCOMPARE(simulate(u"2999", u"1", u"0.001"), RunProblem::None);
    QVERIFY(NtDifference[3001] > NtDifference[3000]);
}

void tst_Simulation::shorterRunKeepsLaterElements()
{
    QCOMPARE(simulate(u"50", u"10", u"0.2"), RunProblem::None);
    const Series before = Nt;
    QCOMPARE(simulate(u"20", u"10", u"0.3"), RunProblem::None);
    QCOMPARE(Nt[21], std::exp(21 * 0.3) * 10);
    QVERIFY(std::equal(Nt.begin() + 22, Nt.end(), before.begin() + 22));
}

void tst_Simulation::refusedRunChangesNothing_data()
{
    QTest::addColumn<QString>("endTime");
    QTest::addColumn<QString>("initialSize");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<RunProblem>("problem");
    // clang-format off
    QTest::addRow("end time 2999.5 rounds to 3000") << "2999.5" << "10" << "0.2" << RunProblem::EndTimeOutOfRange;
    QTest::addRow("end time beyond doubles") << "1e999" << "10" << "0.2" << RunProblem::EndTimeOutOfRange;
    QTest::addRow("N(0) beyond doubles") << "20" << "1e400" << "0.2" << RunProblem::InitialSizeTooLarge;
    QTest::addRow("r = 10 to 70 overflows") << "70" << "1" << "10" << RunProblem::Overflow;
    QTest::addRow("huge N(0) overflows") << "20" << "1e308" << "0.2" << RunProblem::Overflow;
    // clang-format on
}

void tst_Simulation::refusedRunChangesNothing()
{
    QFETCH(QString, endTime);
    QFETCH(QString, initialSize);
    QFETCH(QString, rate);
    QFETCH(RunProblem, problem);
    QCOMPARE(simulate(u"20", u"10", u"0.2"), RunProblem::None);
    const Series nt = Nt, difference = NtDifference, deltaN = DeltaN;
    QCOMPARE(simulate(endTime, initialSize, rate), problem);
    QVERIFY(Simut == 20 && Rrate == 0.2);
    QVERIFY(Nt == nt && NtDifference == difference && DeltaN == deltaN);
}

QTEST_MAIN(tst_Simulation)
#include "tst_simulation.moc"
