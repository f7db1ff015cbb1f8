#include "charts/chartcontrol.h"
#include "forms/forms.h"
#include "forms/program.h"
#include "harmlesswarnings.h"
#include "model/malvora1.h"
#include "windows/datatabl.h"
#include "windows/form1.h"
#include "windows/larggraf.h"

#include <QCategoryAxis>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableView>
#include <QValueAxis>
#include <QtTest>

#include <limits>

using namespace MALVORA1;

namespace
{

QStringList logged;

// The offscreen platform of the tests cannot raise a window, and says so.
void logMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message != "This plugin does not support raise()") logged.append(message);
}

// Title, Y axis title and X axis title of every chart, by its chart title's first words.
const QMap<QString, QStringList> ChartTitles{
    {"Curve of N(t) vs. time", {"N(t)", "Time"}},
    {"Curve of lnN(t) vs. time", {"lnN(t)", "Time"}},
    {"Curve of dN(t) vs. time", {"dN(t)", "Time"}},
    {"Curve of dN(t)/N(t)dt vs. N(t)", {"dN/Ndt", "N(t)"}},
    {"Curve of ln(dN(t)) vs. time", {"lndN(t)", "Time"}},
    {"Differential model and difference model", {"N(t)", "Time"}},
    {"N(t+1)-N(t) (Differential and difference models)", {"dN(t)", "Time"}},
    {"Curve of N(t+1) vs. N(t) (differential model)", {"N(t+1)", "N(t)"}}};

} // namespace

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

    // What a user sees on a chart: its titles, its axes, its points, its tick labels, or the
    // line that says why there is nothing to draw.
    static void chartHolds(ChartControl *control)
    {
        QCoreApplication::sendPostedEvents(); // the chart lays itself out
        QChart *chart = control->chart();
        const QString where = chart->title() + " in " + control->window()->objectName() + ": ";
        const auto fail = [&](const QString &what) { return qPrintable(where + what); };
        const QStringList titles = QStringList{chart->title()} + ChartTitles.value(chart->title());
        const auto *y = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
        const auto *x = qobject_cast<QValueAxis *>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY2(titles.size() == 3 && x && y, fail("unknown chart"));
        QCOMPARE(QStringList({chart->title(), y->titleText(), x->titleText()}), titles);
        for (const QValueAxis *axis : {x, y})
            QVERIFY2(std::isfinite(axis->min()) && std::isfinite(axis->max()) &&
                         axis->min() < axis->max(),
                     fail(QString("range %1 to %2").arg(axis->min()).arg(axis->max())));
        qsizetype drawn = 0;
        for (QAbstractSeries *series : chart->series()) {
            const auto *curve = qobject_cast<QLineSeries *>(series);
            QVERIFY2(curve->count() != 1 || curve->pointsVisible(), fail("a lone point unseen"));
            for (const QPointF &p : curve->points()) {
                QVERIFY2(p.x() >= x->min() && p.x() <= x->max() && p.y() >= y->min() &&
                             p.y() <= y->max(),
                         fail(QString("point (%1, %2) outside").arg(p.x()).arg(p.y())));
                ++drawn;
            }
        }
        // The tick labels as drawn, axis by axis: distinct, whole, clear of the title.
        QMap<QGraphicsItem *, QList<QGraphicsTextItem *>> ticks;
        QRectF titleRect;
        QString noValue;
        for (QGraphicsItem *item : chart->scene()->items()) {
            if (auto *line = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item);
                line && line->isVisible() && chart->plotArea().contains(line->sceneBoundingRect()))
                noValue = line->text();
            auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
            const QString shown = text ? text->toPlainText().trimmed() : QString();
            if (shown.isEmpty() || !text->isVisible() || chart->legend()->isAncestorOf(text))
                continue;
            QVERIFY2(!shown.contains(u'\u2026') && !shown.contains("..."), fail("elided " + shown));
            if (shown == chart->title()) titleRect = text->sceneBoundingRect();
            if (!titles.contains(shown)) ticks[text->parentItem()].append(text);
        }
        QVERIFY2(ticks.size() == (drawn > 0 ? 2 : 0), fail("tick labels where there is nothing"));
        for (const auto &labels : ticks) {
            QSet<QString> distinct;
            for (QGraphicsTextItem *label : labels) {
                distinct.insert(label->toPlainText());
                QVERIFY2(!label->sceneBoundingRect().intersects(titleRect),
                         fail(label->toPlainText() + " overlaps the title"));
            }
            QVERIFY2(distinct.size() == labels.size(), fail("the same tick label twice"));
        }
        // Nothing to draw: one short line in the plot area says why, and so does the description.
        QCOMPARE(noValue.isEmpty(), drawn > 0);
        QVERIFY2(noValue.isEmpty() || control->accessibleDescription().startsWith(noValue),
                 fail(noValue + " / " + control->accessibleDescription()));
        QVERIFY2(logged.isEmpty(), fail("logged " + logged.join('\n')));
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

    // Every chart of both windows, for runs at the edges of what a class reaches: decay, a
    // run of one point, tiny rates, the largest values, nothing to draw.
    void everyChartHolds_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("end");
        const QString largest = QString::number(std::numeric_limits<double>::max(), 'g', 17);
        for (const QString rate : {"-1", "-0.1", "-1e-16", "0", "1e-14", "0.2", "1"})
            for (const QString &size :
                 {QStringLiteral("0"), QStringLiteral("1e-300"), QStringLiteral("10"), largest})
                for (const QString end : {"0", "1", "20", "2999"})
                    QTest::addRow("r %s N(0) %s T %s", qPrintable(rate), qPrintable(size),
                                  qPrintable(end))
                        << rate << size << end;
    }
    void everyChartHolds()
    {
        QFETCH(QString, rate);
        QFETCH(QString, size);
        QFETCH(QString, end);
        logged.clear();
        const QtMessageHandler before = qInstallMessageHandler(logMessage);
        const auto restore = qScopeGuard([&] { qInstallMessageHandler(before); });
        Form1 &form1 = Forms::form<Form1>();
        form1.show();
        form1.txtRrate->setText(rate);
        form1.n0->setText(size);
        form1.txtSimut->setText(end);
        QTest::mouseClick(form1.Command2, Qt::LeftButton);
        auto *notice = form1.findChild<QMessageBox *>(QStringLiteral("notice"));
        if (notice && notice->isVisible()) QSKIP("Run refuses these values.");
        for (QPushButton *button :
             {form1.command4, form1.Command3, form1.Command5, form1.Command8, form1.Command9}) {
            if (button != form1.command4) QTest::mouseClick(button, Qt::LeftButton);
            chartHolds(form1.MSChart1);
            if (QTest::currentTestFailed()) return;
        }
        clickChart(form1.MSChart1);
        larggraf &graph = Forms::form<larggraf>();
        for (int click = 0; click <= 8 && !QTest::currentTestFailed(); ++click) {
            if (click > 0) clickChart(graph.MSChart1);
            chartHolds(graph.MSChart1);
        }
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
