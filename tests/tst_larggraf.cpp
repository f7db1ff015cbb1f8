#include "charts/chartcontrol.h"
#include "forms/forms.h"
#include "forms/program.h"
#include "harmlesswarnings.h"
#include "model/malvora1.h"
#include "windows/datatabl.h"
#include "windows/form1.h"
#include "windows/larggraf.h"

#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <QValueAxis>
#include <QtTest>

using namespace MALVORA1;

class tst_Larggraf : public QObject
{
    Q_OBJECT

    int m_ended = 0;

    // Titles after 1 ... 8 clicks on the chart, starting from N(t) vs. time (GraphNo 1).
    // clang-format off
    static inline const QStringList cycleTitles{
        "Curve of dN(t)/N(t)dt vs. N(t)", "Curve of dN(t) vs. time", "Curve of lnN(t) vs. time",
        "Curve of N(t) vs. time", "Differential model and difference model",
        "N(t+1)-N(t) (Differential and difference models)", "Curve of ln(dN(t)) vs. time",
        "Curve of N(t+1) vs. N(t) (differential model)"};
    // clang-format on

    // The points (x[t], y[t + shift]) for t = 0 ... T, with x = t when no x series is given.
    static QList<QPointF> line(const Series *x, const Series &y, std::size_t shift = 0)
    {
        QList<QPointF> points;
        for (std::size_t t = 0; t <= std::size_t(Simut); ++t)
            points.append(QPointF(x ? (*x)[t] : double(t), y[t + shift]));
        return points;
    }

    static void clickChart(ChartControl *chart, int clicks = 1)
    {
        while (clicks-- > 0)
            QTest::mouseClick(chart->viewport(), Qt::LeftButton);
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

    static QList<QAbstractSeries *> curvesOf(larggraf &g) { return g.MSChart1->chart()->series(); }
    static QString titleOf(larggraf &graph) { return graph.MSChart1->chart()->title(); }
    static QList<QPointF> pointsOf(larggraf &graph, int curve)
    {
        return qobject_cast<QLineSeries *>(curvesOf(graph).at(curve))->points();
    }

  private slots:
    void initTestCase() { dropHarmlessWarnings(); }
    void init()
    {
        MALVORA1::clear();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
    }

    void cleanup() { Forms::unloadAll(); }

    // Opens on N(t) vs. t; each click moves on, round the cycle and back to its start.
    void chartCycle()
    {
        larggraf &graph = openAfterRun();
        QCOMPARE(titleOf(graph), QStringLiteral("Curve of N(t) vs. time"));
        QCOMPARE(curvesOf(graph).size(), 1);
        QCOMPARE(pointsOf(graph, 0), line(nullptr, Nt));

        const QStringList models{"differential", "difference"};
        const QMap<int, std::pair<QStringList, QList<QList<QPointF>>>> comparisons{
            {5, {models, {line(nullptr, Nt), line(nullptr, NtDifference)}}},
            {6, {models, {line(nullptr, DeltaN), line(nullptr, DeltaNDifference)}}},
            {8, {{"N(t+1)-N(t) (differential)", "y=x"}, {line(&Nt, Nt, 1), line(&Nt, Nt)}}}};
        QLegend *legend = graph.MSChart1->chart()->legend();
        for (int click = 1; click <= 9; ++click) {
            clickChart(graph.MSChart1);
            QCOMPARE(titleOf(graph), cycleTitles[(click - 1) % 8]);
            QCOMPARE(graph.MSChart1->accessibleName(), titleOf(graph));
            const auto [labels, curves] = comparisons.value(click);
            QCOMPARE(legend->isVisible(), !labels.isEmpty());
            QCOMPARE(curvesOf(graph).size(), labels.isEmpty() ? 1 : 2);
            QCOMPARE(pointsOf(graph, 0).size(), Simut + 1);
            if (labels.isEmpty()) continue;
            QStringList shown;
            for (QLegendMarker *marker : legend->markers())
                shown.append(marker->label());
            QCOMPARE(shown, labels);
            QCOMPARE(legend->alignment(), Qt::AlignRight);
            QCOMPARE(QList({pointsOf(graph, 0), pointsOf(graph, 1)}), curves);
        }

        // The buttons draw without moving the cycle; the next click goes on from GraphNo 2.
        const std::pair<QPushButton *, int> buttons[] = {{graph.Command1, 3}, {graph.Command2, 2},
                                                         {graph.Command3, 1}, {graph.Command7, 0},
                                                         {graph.Command8, 6}, {graph.Command9, 7}};
        for (const auto &[button, title] : buttons) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(titleOf(graph), cycleTitles[title]);
        }
        clickChart(graph.MSChart1);
        QCOMPARE(titleOf(graph), cycleTitles[1]);
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
            QCOMPARE(pointsOf(graph, 0).size(), points);
            for (QAbstractAxis *axis : graph.MSChart1->chart()->axes()) {
                const auto *v = qobject_cast<QValueAxis *>(axis);
                QVERIFY(std::isfinite(v->max() - v->min()) && v->max() > v->min());
            }
        }
        clickChart(graph.MSChart1, 8); // through the cycle, comparisons included
        QCOMPARE(GraphNo, std::int16_t(8));
    }

    // "Main form" hides this window, the close box unloads it; reopening starts afresh on N(t).
    void leaveAndOpenAgain()
    {
        Form1 &form1 = Forms::form<Form1>();
        QPointer<larggraf> graph = &openAfterRun();
        const auto openAgain = [&] {
            QVERIFY(form1.isVisible());
            QCOMPARE(m_ended, 0);
            clickChart(form1.MSChart1);
            QCOMPARE(titleOf(Forms::form<larggraf>()), QStringLiteral("Curve of N(t) vs. time"));
            QCOMPARE(GraphNo, std::int16_t(1));
        };
        clickChart(graph->MSChart1, 5);
        QTest::mouseClick(graph->command4, Qt::LeftButton);
        QVERIFY(!graph->isVisible());
        openAgain();
        clickChart(graph->MSChart1, 5);
        QVERIFY(graph->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(graph.isNull());
        openAgain();
    }

    // Each "Detail" fills the table again from the last run.
    void detailRefillsTheTable()
    {
        for (const auto &[endTime, rows] : {std::pair{"20", 21}, std::pair{"0", 1}}) {
            QTest::mouseClick(openAfterRun(endTime).Command10, Qt::LeftButton);
            QCOMPARE(Forms::form<DataTabl>().MSFlexGrid1->model()->rowCount(), rows);
        }
    }

    void printWithoutPrinterShowsNotice()
    {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("A default printer is set up here.");
        QTest::mouseClick(openAfterRun().Command6, Qt::LeftButton);
        auto *notice = Forms::form<larggraf>().findChild<QMessageBox *>(QStringLiteral("notice"));
        QVERIFY(notice && notice->isVisible() && notice->text().contains("printer"));
    }
};

QTEST_MAIN(tst_Larggraf)
#include "tst_larggraf.moc"
