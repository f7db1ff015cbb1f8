#include "charts/chartcontrol.h"
#include "charts/larggraf.h"
#include "model/malvora1.h"
#include "output/datatabl.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "windows/main/form1.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <map>
#include <tuple>

using namespace MALVORA1;

namespace
{

// Titles after 1 ... 9 clicks on the chart, starting from N(t) vs. time (GraphNo 1).
const QStringList cycleTitles{"Curve of dN(t)/N(t)dt vs. N(t)",
                              "Curve of dN(t) vs. time",
                              "Curve of lnN(t) vs. time",
                              "Curve of N(t) vs. time",
                              "Differential model and difference model",
                              "N(t+1)-N(t) (Differential and difference models)",
                              "Curve of ln(dN(t)) vs. time",
                              "Curve of N(t+1) vs. N(t) (differential model)",
                              "Curve of dN(t)/N(t)dt vs. N(t)"};

// The points (x[t], y[t + shift]) for t = 0 ... T, with x = t when no x series is given.
QList<QPointF> pointsOf(const Series *x, const Series &y, std::size_t shift = 0)
{
    QList<QPointF> points;
    for (std::size_t t = 0; t <= std::size_t(Simut); ++t)
        points.append(QPointF(x ? (*x)[t] : double(t), y[t + shift]));
    return points;
}

} // namespace

class tst_Larggraf : public QObject
{
    Q_OBJECT

    int m_ended = 0;

    static QList<QLineSeries *> curvesOf(larggraf &graph)
    {
        QList<QLineSeries *> curves;
        for (QAbstractSeries *series : graph.MSChart1->chart()->series())
            curves.append(qobject_cast<QLineSeries *>(series));
        return curves;
    }
    static QString titleOf(larggraf &graph) { return graph.MSChart1->chart()->title(); }
    static void clickChart(ChartControl *chart, int clicks = 1)
    {
        for (int k = 0; k < clicks; ++k)
            QTest::mouseClick(chart->viewport(), Qt::LeftButton, {},
                              chart->viewport()->rect().center());
    }

    // Runs from the main window with the given end time and opens this window from its chart.
    static larggraf &openAfterRun(const QString &endTime = QStringLiteral("20"))
    {
        Form1 &form1 = Forms::form<Form1>();
        form1.show();
        form1.txtSimut->setText(endTime);
        QTest::mouseClick(form1.Command2, Qt::LeftButton);
        clickChart(form1.MSChart1);
        return Forms::form<larggraf>();
    }

  private slots:
    void init()
    {
        MALVORA1::clear();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
    }

    void cleanup() { Forms::unloadAll(); }

    void chartCycle_data()
    {
        QTest::addColumn<QString>("endTime");
        QTest::addRow("T = 20") << "20";
        QTest::addRow("T = 0") << "0";
    }

    // Opens on N(t) vs. t, each click moves on; only the main window's chart sets the series type.
    void chartCycle()
    {
        QFETCH(QString, endTime);
        larggraf &graph = openAfterRun(endTime);
        QCOMPARE(titleOf(graph), QStringLiteral("Curve of N(t) vs. time"));
        QCOMPARE(GraphNo, std::int16_t(1));
        QCOMPARE(curvesOf(graph).size(), 1);
        QCOMPARE(curvesOf(graph)[0]->points(), pointsOf(nullptr, Nt));
        QCOMPARE(Forms::form<Form1>().MSChart1->seriesType(), int(ChartControl::SeriesTypeXY));

        const QStringList models{"differential", "difference"};
        const std::map<int, std::tuple<QStringList, QList<QPointF>, QList<QPointF>>> comparisons{
            {5, {models, pointsOf(nullptr, Nt), pointsOf(nullptr, NtDifference)}},
            {6, {models, pointsOf(nullptr, DeltaN), pointsOf(nullptr, DeltaNDifference)}},
            {8, {{"N(t+1)-N(t) (differential)", "y=x"}, pointsOf(&Nt, Nt, 1), pointsOf(&Nt, Nt)}}};
        QLegend *legend = graph.MSChart1->chart()->legend();
        for (int click = 1; click <= 9; ++click) {
            QCOMPARE(graph.MSChart1->seriesType(), 0);
            clickChart(graph.MSChart1);
            QCOMPARE(titleOf(graph), cycleTitles[click - 1]);
            QCOMPARE(graph.MSChart1->accessibleName(), cycleTitles[click - 1]);
            QCOMPARE(int(GraphNo), click % 8 + 1);
            const auto comparison = comparisons.find(click);
            QCOMPARE(curvesOf(graph).size(), comparison == comparisons.end() ? 1 : 2);
            QCOMPARE(legend->isVisible(), comparison != comparisons.end());
            for (QLineSeries *curve : curvesOf(graph))
                QCOMPARE(curve->points().size(), Simut + 1);
            if (comparison == comparisons.end()) continue;
            const auto &[labels, first, second] = comparison->second;
            QCOMPARE(legend->alignment(), Qt::AlignRight);
            QStringList shown;
            for (QLegendMarker *marker : legend->markers())
                shown.append(marker->label());
            QCOMPARE(shown, labels);
            QCOMPARE(curvesOf(graph)[0]->points(), first);
            QCOMPARE(curvesOf(graph)[1]->points(), second);
        }
    }

    // Two clicks put the cycle on GraphNo 3; the buttons leave it there.
    void buttonsDrawWithoutMovingTheCycle()
    {
        larggraf &graph = openAfterRun();
        clickChart(graph.MSChart1, 2);
        const std::pair<QPushButton *, int> buttons[] = {{graph.Command1, 3}, {graph.Command2, 2},
                                                         {graph.Command3, 1}, {graph.Command7, 0},
                                                         {graph.Command8, 6}, {graph.Command9, 7}};
        for (const auto &[button, title] : buttons) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(titleOf(graph), cycleTitles[title]);
            QCOMPARE(graph.MSChart1->accessibleName(), cycleTitles[title]);
            QCOMPARE(graph.MSChart1->seriesType(), 0);
            QCOMPARE(GraphNo, std::int16_t(3));
        }
        clickChart(graph.MSChart1);
        QCOMPARE(titleOf(graph), cycleTitles[2]);
        QCOMPARE(GraphNo, std::int16_t(4));
    }

    // Before any run the model is all zero: values that do not exist (ln 0, 0/0) are left out.
    void chartsBeforeAnyRun()
    {
        larggraf &graph = Forms::show<larggraf>();
        const std::pair<QPushButton *, qsizetype> steps[] = {
            {graph.Command1, 1}, {graph.Command2, 0}, {graph.Command3, 1},
            {graph.Command7, 0}, {graph.Command8, 0}, {graph.Command9, 1}};
        for (const auto &[button, points] : steps) {
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!curvesOf(graph).isEmpty());
            for (QLineSeries *curve : curvesOf(graph))
                QCOMPARE(curve->points().size(), points);
            for (QAbstractAxis *axis : graph.MSChart1->chart()->axes()) {
                auto *values = qobject_cast<QValueAxis *>(axis);
                QVERIFY(std::isfinite(values->max() - values->min()) &&
                        values->max() > values->min());
            }
        }
        clickChart(graph.MSChart1, 8); // through the cycle, comparisons included
        QCOMPARE(GraphNo, std::int16_t(8));
    }

    void leaveAndOpenAgain_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addRow("Main form") << "command4";
        QTest::addRow("close box") << "";
    }

    // Every way out leads back to the main window; the next opening starts afresh on N(t).
    void leaveAndOpenAgain()
    {
        QFETCH(QString, button);
        QPointer<larggraf> graph = &openAfterRun();
        Form1 &form1 = Forms::form<Form1>();
        clickChart(graph->MSChart1, 5);
        if (button.isEmpty())
            QVERIFY(graph->close());
        else
            QTest::mouseClick(graph->findChild<QPushButton *>(button), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form1.isVisible());
        QCOMPARE(graph.isNull(), button.isEmpty());
        QVERIFY(graph.isNull() || !graph->isVisible());
        QCOMPARE(m_ended, 0);

        clickChart(form1.MSChart1);
        larggraf &again = Forms::form<larggraf>();
        QCOMPARE(titleOf(again), QStringLiteral("Curve of N(t) vs. time"));
        QCOMPARE(GraphNo, std::int16_t(1));
    }

    // Each "Detail" fills the table again from the last run.
    void detailOpensTheTableOverThisWindow()
    {
        for (const auto &[endTime, rows] : {std::pair{"20", 21}, std::pair{"5", 6}}) {
            larggraf &graph = openAfterRun(QString::fromLatin1(endTime));
            QTest::mouseClick(graph.Command10, Qt::LeftButton);
            DataTabl &table = Forms::form<DataTabl>();
            QVERIFY(table.isVisible() && graph.isVisible());
            QVERIFY(!Forms::form<Form1>().isVisible());
            QCOMPARE(table.MSFlexGrid1->model()->rowCount(), rows);
        }
    }

    void printWithoutPrinterShowsNotice()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("A default printer is set up here.");
        larggraf &graph = openAfterRun();
        QTest::mouseClick(graph.Command6, Qt::LeftButton);
        auto *notice = graph.findChild<QMessageBox *>(QStringLiteral("notice"));
        QVERIFY(notice && notice->isVisible());
        QVERIFY(notice->text().contains(QStringLiteral("printer")));
    }
};

QTEST_MAIN(tst_Larggraf)
#include "tst_larggraf.moc"
