#include "charts/chartcontrol.h"
#include "charts/larggraf.h"
#include "model/malvora1.h"
#include "output/datatabl.h"
#include "shell/copyrigh.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "windows/formlayout.h"
#include "windows/main/form1.h"

#include <QAbstractAxis>
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

using namespace MALVORA1;

namespace
{

// The point that a curve should hold for time step t, from the model state.
struct Curve {
    QPointF (*at)(int t) = nullptr;
};

QList<QPointF> expectedPoints(Curve curve)
{
    QList<QPointF> points;
    for (int t = 0; t <= Simut; ++t)
        points.append(curve.at(t));
    return points;
}

// Exactly the stored values: the charts pass every element on unchanged.
bool samePoints(const QList<QPointF> &actual, const QList<QPointF> &expected)
{
    if (actual.size() != expected.size()) return false;
    for (qsizetype k = 0; k < actual.size(); ++k)
        if (actual[k].x() != expected[k].x() || actual[k].y() != expected[k].y()) return false;
    return true;
}

QList<QLineSeries *> curvesOf(ChartControl *chart)
{
    QList<QLineSeries *> curves;
    for (QAbstractSeries *series : chart->chart()->series())
        curves.append(qobject_cast<QLineSeries *>(series));
    return curves;
}

QValueAxis *axisOf(ChartControl *chart, Qt::Orientation orientation)
{
    const QList<QAbstractAxis *> axes = chart->chart()->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes.first());
}

QStringList legendLabels(ChartControl *chart)
{
    QStringList labels;
    for (QLegendMarker *marker : chart->chart()->legend()->markers())
        labels.append(marker->label());
    return labels;
}

void clickChart(ChartControl *chart)
{
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, chart->viewport()->rect().center());
}

} // namespace

Q_DECLARE_METATYPE(Curve)

class tst_Larggraf : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void opensFromMainWindowOnNtvsT();
    void windowAsDesigned();
    void controlsAsDesigned_data();
    void controlsAsDesigned();
    void tabOrderFollowsTheButtonRow();

    void chartCycle_data();
    void chartCycle();
    void buttonsDrawWithoutMovingTheCycle_data();
    void buttonsDrawWithoutMovingTheCycle();
    void enterOnTheChartAdvancesTheCycle();
    void sameChartsAsTheMainWindow_data();
    void sameChartsAsTheMainWindow();
    void seriesTypeIsNeverSet();

    void comparisonCharts_data();
    void comparisonCharts();
    void comparisonFiguresByHand();
    void endTimeZeroGivesOnePointPerSeries_data();
    void endTimeZeroGivesOnePointPerSeries();
    void rateZeroKeepsBothFormsAtNZero();
    void chartsBeforeAnyRun();

    void mainFormReturnsAndKeepsTheWindow();
    void closeBoxReturnsAndNextOpeningIsFresh();
    void quitLeadsToTheCitationWindow();
    void detailOpensTheTableOverThisWindow();
    void printWithoutPrinterShowsNotice();

  private:
    Form1 &runWith(const QString &endTime = {}, const QString &rate = {});
    larggraf &openFromMain(Form1 &form1);
    larggraf &openAfterDefaultRun() { return openFromMain(runWith()); }
    void clickChartTimes(larggraf &graph, int clicks);

    int m_ended = 0;
};

void tst_Larggraf::init()
{
    MALVORA1::clear();
    m_ended = 0;
    Program::setEndHandler([&] { ++m_ended; });
}

void tst_Larggraf::cleanup()
{
    Forms::unloadAll();
}

// The main window, shown, after Run with its defaults or with a changed end
// time or rate typed into its boxes.
Form1 &tst_Larggraf::runWith(const QString &endTime, const QString &rate)
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    if (!endTime.isNull()) form1.txtSimut->setText(endTime);
    if (!rate.isNull()) form1.txtRrate->setText(rate);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    return form1;
}

larggraf &tst_Larggraf::openFromMain(Form1 &form1)
{
    clickChart(form1.MSChart1);
    return Forms::form<larggraf>();
}

void tst_Larggraf::clickChartTimes(larggraf &graph, int clicks)
{
    for (int k = 0; k < clicks; ++k)
        clickChart(graph.MSChart1);
}

void tst_Larggraf::opensFromMainWindowOnNtvsT()
{
    Form1 &form1 = runWith();
    QVERIFY(form1.MSChart1->isVisible());
    QVERIFY(!Forms::isLoaded<larggraf>());

    larggraf &graph = openFromMain(form1);

    QVERIFY(!form1.isVisible());
    QVERIFY(graph.isVisible());
    QCOMPARE(graph.MSChart1->chart()->title(), QStringLiteral("Curve of N(t) vs. time"));
    QCOMPARE(GraphNo, std::int16_t(1));
    const QList<QLineSeries *> curves = curvesOf(graph.MSChart1);
    QCOMPARE(curves.size(), 1);
    QVERIFY(samePoints(curves[0]->points(),
                       expectedPoints({[](int t) { return QPointF(t, Nt[size_t(t)]); }})));
    QCOMPARE(curves[0]->points().size(), 21);
}

void tst_Larggraf::windowAsDesigned()
{
    larggraf &graph = Forms::show<larggraf>();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));

    QCOMPARE(graph.windowTitle(), QStringLiteral("Form2"));
    const QSize client(twipsToPixels(10764), twipsToPixels(7740));
    QCOMPARE(graph.size(), client);
    QCOMPARE(graph.minimumSize(), client);
    QCOMPARE(graph.maximumSize(), client);
    QVERIFY(!(graph.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(graph.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(graph.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!graph.windowIcon().isNull());
    QCOMPARE(graph.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(graph.autoFillBackground());
    QCOMPARE(graph.Command1->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(graph.Command1->font().pointSizeF(), 8.0);
    QVERIFY(!graph.Command1->font().bold());

    // Loading draws nothing: the chart comes with the opening from the main window.
    QVERIFY(graph.MSChart1->chart()->series().isEmpty());
}

void tst_Larggraf::controlsAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("hand");

    QTest::addRow("MSChart1") << "MSChart1" << twips(96, 96, 10572, 7116) << QString() << false;
    QTest::addRow("Command1") << "Command1" << twips(120, 7320, 975, 375) << "N(t) vs. t" << true;
    QTest::addRow("Command2") << "Command2" << twips(1200, 7320, 975, 375) << "lnN vs. t" << true;
    QTest::addRow("Command3") << "Command3" << twips(2280, 7320, 975, 375) << "dN vs. t" << true;
    QTest::addRow("Command7") << "Command7" << twips(3360, 7320, 1095, 375) << "dN/N vs. N" << true;
    QTest::addRow("Command8") << "Command8" << twips(4560, 7320, 975, 375) << "lndN vs. t" << true;
    QTest::addRow("Command9") << "Command9" << twips(5640, 7320, 1575, 375) << "N(t+1) vs. N(t)"
                              << false;
    QTest::addRow("Command10") << "Command10" << twips(7320, 7320, 855, 375) << "Detail" << false;
    QTest::addRow("Command6") << "Command6" << twips(8280, 7320, 375, 375) << "P" << true;
    QTest::addRow("command4") << "command4" << twips(8760, 7320, 1095, 375) << "Main form" << true;
    QTest::addRow("Command5") << "Command5" << twips(9960, 7320, 735, 375) << "Quit" << true;
}

void tst_Larggraf::controlsAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, caption);
    QFETCH(bool, hand);

    larggraf &graph = Forms::show<larggraf>();
    auto *control = graph.findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
    QVERIFY(control->isVisible());
    QCOMPARE(control->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->accessibleName(), caption);
    }
}

void tst_Larggraf::tabOrderFollowsTheButtonRow()
{
    larggraf &graph = Forms::show<larggraf>();
    QVERIFY(QTest::qWaitForWindowActive(&graph));
    QCOMPARE(graph.Command6->toolTip(), QStringLiteral("Print this page"));
    QCOMPARE(graph.Command6->accessibleDescription(), QStringLiteral("Print this page"));

    graph.Command1->setFocus();
    const QStringList expected{"Command1", "Command2",  "Command3", "command4",
                               "Command5", "Command6",  "Command7", "Command8",
                               "Command9", "Command10", "MSChart1", "Command1"};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int k = 1; k < expected.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void tst_Larggraf::chartCycle_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("graphNo");
    QTest::addColumn<int>("curves");

    QTest::addRow("1st click: dN/N vs. N") << 1 << "Curve of dN(t)/N(t)dt vs. N(t)" << 2 << 1;
    QTest::addRow("2nd click: dN vs. t") << 2 << "Curve of dN(t) vs. time" << 3 << 1;
    QTest::addRow("3rd click: lnN vs. t") << 3 << "Curve of lnN(t) vs. time" << 4 << 1;
    QTest::addRow("4th click: N vs. t") << 4 << "Curve of N(t) vs. time" << 5 << 1;
    QTest::addRow("5th click: N(t) comparison")
        << 5 << "Differential model and difference model" << 6 << 2;
    QTest::addRow("6th click: N(t+1)-N(t) comparison")
        << 6 << "N(t+1)-N(t) (Differential and difference models)" << 7 << 2;
    QTest::addRow("7th click: ln dN vs. t") << 7 << "Curve of ln(dN(t)) vs. time" << 8 << 1;
    QTest::addRow("8th click: N(t+1) vs. N(t)")
        << 8 << "Curve of N(t+1) vs. N(t) (differential model)" << 1 << 2;
    QTest::addRow("9th click: dN/N vs. N again") << 9 << "Curve of dN(t)/N(t)dt vs. N(t)" << 2 << 1;
}

void tst_Larggraf::chartCycle()
{
    QFETCH(int, clicks);
    QFETCH(QString, title);
    QFETCH(int, graphNo);
    QFETCH(int, curves);

    larggraf &graph = openAfterDefaultRun();
    clickChartTimes(graph, clicks);

    QCOMPARE(graph.MSChart1->chart()->title(), title);
    QCOMPARE(graph.MSChart1->accessibleName(), title);
    QCOMPARE(int(GraphNo), graphNo);
    QCOMPARE(curvesOf(graph.MSChart1).size(), curves);
    QCOMPARE(graph.MSChart1->chart()->legend()->isVisible(), curves == 2);
    for (QLineSeries *curve : curvesOf(graph.MSChart1))
        QCOMPARE(curve->points().size(), 21);
}

void tst_Larggraf::buttonsDrawWithoutMovingTheCycle_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");

    QTest::addRow("N(t) vs. t") << "Command1"
                                << "Curve of N(t) vs. time";
    QTest::addRow("lnN vs. t") << "Command2"
                               << "Curve of lnN(t) vs. time";
    QTest::addRow("dN vs. t") << "Command3"
                              << "Curve of dN(t) vs. time";
    QTest::addRow("dN/N vs. N") << "Command7"
                                << "Curve of dN(t)/N(t)dt vs. N(t)";
    QTest::addRow("lndN vs. t") << "Command8"
                                << "Curve of ln(dN(t)) vs. time";
    QTest::addRow("N(t+1) vs. N(t)") << "Command9"
                                     << "Curve of N(t+1) vs. N(t) (differential model)";
}

// Two clicks put the cycle on dN vs. t (GraphNo 3); a button draws its own
// chart, and the next click continues with the entry after dN vs. t.
void tst_Larggraf::buttonsDrawWithoutMovingTheCycle()
{
    QFETCH(QString, button);
    QFETCH(QString, title);

    larggraf &graph = openAfterDefaultRun();
    clickChartTimes(graph, 2);
    QCOMPARE(GraphNo, std::int16_t(3));

    QTest::mouseClick(graph.findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(graph.MSChart1->chart()->title(), title);
    QCOMPARE(GraphNo, std::int16_t(3));

    clickChart(graph.MSChart1);
    QCOMPARE(graph.MSChart1->chart()->title(), QStringLiteral("Curve of lnN(t) vs. time"));
    QCOMPARE(GraphNo, std::int16_t(4));
}

void tst_Larggraf::enterOnTheChartAdvancesTheCycle()
{
    larggraf &graph = openAfterDefaultRun();
    graph.MSChart1->setFocus();
    QTest::keyClick(graph.MSChart1, Qt::Key_Return);
    QCOMPARE(GraphNo, std::int16_t(2));
    QCOMPARE(graph.MSChart1->chart()->title(), QStringLiteral("Curve of dN(t)/N(t)dt vs. N(t)"));
}

void tst_Larggraf::sameChartsAsTheMainWindow_data()
{
    QTest::addColumn<QString>("mainButton");
    QTest::addColumn<QString>("largeButton");

    QTest::addRow("lnN vs. t") << "Command3"
                               << "Command2";
    QTest::addRow("dN vs. t") << "Command5"
                              << "Command3";
    QTest::addRow("dN/N vs. N") << "Command8"
                                << "Command7";
    QTest::addRow("lndN vs. t") << "Command9"
                                << "Command8";
}

void tst_Larggraf::sameChartsAsTheMainWindow()
{
    QFETCH(QString, mainButton);
    QFETCH(QString, largeButton);

    Form1 &form1 = runWith();
    QTest::mouseClick(form1.findChild<QPushButton *>(mainButton), Qt::LeftButton);
    larggraf &graph = openFromMain(form1);
    QTest::mouseClick(graph.findChild<QPushButton *>(largeButton), Qt::LeftButton);

    ChartControl *small = form1.MSChart1, *large = graph.MSChart1;
    QCOMPARE(large->chart()->title(), small->chart()->title());
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        QCOMPARE(axisOf(large, o)->titleText(), axisOf(small, o)->titleText());
        QCOMPARE(axisOf(large, o)->min(), axisOf(small, o)->min());
        QCOMPARE(axisOf(large, o)->max(), axisOf(small, o)->max());
    }
    QCOMPARE(curvesOf(large).size(), 1);
    QVERIFY(samePoints(curvesOf(large)[0]->points(), curvesOf(small)[0]->points()));
}

void tst_Larggraf::seriesTypeIsNeverSet()
{
    Form1 &form1 = runWith();
    larggraf &graph = openFromMain(form1);
    QCOMPARE(form1.MSChart1->seriesType(), int(ChartControl::SeriesTypeXY));
    for (int click = 0; click < 8; ++click) {
        QCOMPARE(graph.MSChart1->seriesType(), 0);
        clickChart(graph.MSChart1);
    }
    QTest::mouseClick(graph.Command9, Qt::LeftButton);
    QCOMPARE(graph.MSChart1->seriesType(), 0);
}

void tst_Larggraf::comparisonCharts_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("yTitle");
    QTest::addColumn<QString>("xTitle");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<Curve>("first");
    QTest::addColumn<Curve>("second");

    QTest::addRow("N(t) of both forms")
        << 5 << "Differential model and difference model"
        << "N(t)"
        << "Time" << QStringList{"differential", "difference"}
        << Curve{[](int t) { return QPointF(t, Nt[size_t(t)]); }}
        << Curve{[](int t) { return QPointF(t, NtDifference[size_t(t)]); }};
    QTest::addRow("N(t+1)-N(t) of both forms")
        << 6 << "N(t+1)-N(t) (Differential and difference models)"
        << "dN(t)"
        << "Time" << QStringList{"differential", "difference"}
        << Curve{[](int t) { return QPointF(t, DeltaN[size_t(t)]); }}
        << Curve{[](int t) { return QPointF(t, DeltaNDifference[size_t(t)]); }};
    QTest::addRow("N(t+1) vs. N(t)")
        << 8 << "Curve of N(t+1) vs. N(t) (differential model)"
        << "N(t+1)"
        << "N(t)" << QStringList{"N(t+1)-N(t) (differential)", "y=x"}
        << Curve{[](int t) { return QPointF(Nt[size_t(t)], Nt[size_t(t) + 1]); }}
        << Curve{[](int t) { return QPointF(Nt[size_t(t)], Nt[size_t(t)]); }};
}

void tst_Larggraf::comparisonCharts()
{
    QFETCH(int, clicks);
    QFETCH(QString, title);
    QFETCH(QString, yTitle);
    QFETCH(QString, xTitle);
    QFETCH(QStringList, labels);
    QFETCH(Curve, first);
    QFETCH(Curve, second);

    larggraf &graph = openAfterDefaultRun();
    clickChartTimes(graph, clicks);
    ChartControl *chart = graph.MSChart1;

    QCOMPARE(chart->chart()->title(), title);
    QCOMPARE(axisOf(chart, Qt::Vertical)->titleText(), yTitle);
    QCOMPARE(axisOf(chart, Qt::Horizontal)->titleText(), xTitle);
    QVERIFY(axisOf(chart, Qt::Vertical)->isTitleVisible());
    QVERIFY(axisOf(chart, Qt::Horizontal)->isTitleVisible());

    QLegend *legend = chart->chart()->legend();
    QVERIFY(legend->isVisible());
    QCOMPARE(legend->alignment(), Qt::AlignRight);
    QCOMPARE(legendLabels(chart), labels);

    const QList<QLineSeries *> curves = curvesOf(chart);
    QCOMPARE(curves.size(), 2);
    QCOMPARE(curves[0]->name(), labels[0]);
    QCOMPARE(curves[1]->name(), labels[1]);
    QCOMPARE(curves[0]->points().size(), 21);
    QVERIFY(samePoints(curves[0]->points(), expectedPoints(first)));
    QVERIFY(samePoints(curves[1]->points(), expectedPoints(second)));

    // A later single-model chart hides the legend again.
    QTest::mouseClick(graph.Command1, Qt::LeftButton);
    QVERIFY(!chart->chart()->legend()->isVisible());
}

// With N(0) = 10 and r = 0.2: differential 10 e^(0.2 t), difference 10 * 1.2^t,
// the difference curve below the differential one from t = 1 on.
void tst_Larggraf::comparisonFiguresByHand()
{
    larggraf &graph = openAfterDefaultRun();
    clickChartTimes(graph, 5);
    const QList<QLineSeries *> curves = curvesOf(graph.MSChart1);
    QCOMPARE(curves.size(), 2);
    const QList<QPointF> differential = curves[0]->points(), difference = curves[1]->points();

    QCOMPARE(differential[20], QPointF(20, 10 * std::exp(4.0)));
    QCOMPARE(difference[20], QPointF(20, 10 * std::pow(1.2, 20)));
    QVERIFY(difference[20].y() == NtDifference[20]);
    QCOMPARE(differential[0], QPointF(0, 10));
    QCOMPARE(difference[0], QPointF(0, 10));
    for (int t = 1; t <= 20; ++t)
        QVERIFY2(difference[t].y() < differential[t].y(), qPrintable(QString::number(t)));

    clickChart(graph.MSChart1); // the N(t+1) - N(t) comparison
    const QList<QLineSeries *> changes = curvesOf(graph.MSChart1);
    QCOMPARE(changes[0]->points()[1], QPointF(1, 10 * std::exp(0.2) * (std::exp(0.2) - 1)));
    QCOMPARE(changes[1]->points()[1], QPointF(1, 0.2 * 12));
}

void tst_Larggraf::endTimeZeroGivesOnePointPerSeries_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QList<QPointF>>("points");

    QTest::addRow("dN/N vs. N") << 1 << QList<QPointF>{{10, 0.2}};
    QTest::addRow("dN vs. t") << 2 << QList<QPointF>{{0, 2}};
    QTest::addRow("lnN vs. t") << 3 << QList<QPointF>{{0, std::log(10.0)}};
    QTest::addRow("N vs. t") << 4 << QList<QPointF>{{0, 10}};
    QTest::addRow("N(t) comparison") << 5 << QList<QPointF>{{0, 10}, {0, 10}};
    QTest::addRow("N(t+1)-N(t) comparison")
        << 6 << QList<QPointF>{{0, 10 * std::exp(0.2) - 10}, {0, 2}};
    QTest::addRow("ln dN vs. t") << 7 << QList<QPointF>{{0, std::log(2.0)}};
    QTest::addRow("N(t+1) vs. N(t)") << 8 << QList<QPointF>{{10, 10 * std::exp(0.2)}, {10, 10}};
}

// Each curve holds the single point of t = 0.
void tst_Larggraf::endTimeZeroGivesOnePointPerSeries()
{
    QFETCH(int, clicks);
    QFETCH(QList<QPointF>, points);

    larggraf &graph = openFromMain(runWith(QStringLiteral("0")));
    QCOMPARE(Simut, std::int16_t(0));
    clickChartTimes(graph, clicks);

    const QList<QLineSeries *> curves = curvesOf(graph.MSChart1);
    QCOMPARE(curves.size(), points.size());
    for (qsizetype k = 0; k < curves.size(); ++k) {
        QCOMPARE(curves[k]->points().size(), 1);
        QCOMPARE(curves[k]->points()[0], points[k]);
    }
}

// With r = 0 both forms stay at N(0), both changes are 0, and the N(t+1)
// curve lies on y = x.
void tst_Larggraf::rateZeroKeepsBothFormsAtNZero()
{
    larggraf &graph = openFromMain(runWith({}, QStringLiteral("0")));
    QCOMPARE(Rrate, 0.0);
    const QList<QPointF> flat = expectedPoints({[](int t) { return QPointF(t, 10); }});
    const QList<QPointF> zero = expectedPoints({[](int t) { return QPointF(t, 0); }});
    const QList<QPointF> diagonal = expectedPoints({[](int) { return QPointF(10, 10); }});

    clickChartTimes(graph, 5);
    QVERIFY(samePoints(curvesOf(graph.MSChart1)[0]->points(), flat));
    QVERIFY(samePoints(curvesOf(graph.MSChart1)[1]->points(), flat));
    clickChart(graph.MSChart1);
    QVERIFY(samePoints(curvesOf(graph.MSChart1)[0]->points(), zero));
    QVERIFY(samePoints(curvesOf(graph.MSChart1)[1]->points(), zero));
    clickChartTimes(graph, 2);
    QCOMPARE(graph.MSChart1->chart()->title(),
             QStringLiteral("Curve of N(t+1) vs. N(t) (differential model)"));
    QVERIFY(samePoints(curvesOf(graph.MSChart1)[0]->points(), diagonal));
    QVERIFY(samePoints(curvesOf(graph.MSChart1)[1]->points(), diagonal));

    // ln dN(t) = ln 0 does not exist: the curve is empty, the axes still proper.
    QTest::mouseClick(graph.Command8, Qt::LeftButton);
    QVERIFY(curvesOf(graph.MSChart1)[0]->points().isEmpty());
    QVERIFY(axisOf(graph.MSChart1, Qt::Vertical)->max() >
            axisOf(graph.MSChart1, Qt::Vertical)->min());
}

// The window shown before any run draws the all-zero state: values that do
// not exist (ln 0, 0/0) are left out, nothing fails.
void tst_Larggraf::chartsBeforeAnyRun()
{
    larggraf &graph = Forms::show<larggraf>();
    struct Step {
        QPushButton *button;
        qsizetype points;
    };
    const Step steps[] = {{graph.Command1, 1}, {graph.Command2, 0}, {graph.Command3, 1},
                          {graph.Command7, 0}, {graph.Command8, 0}, {graph.Command9, 1}};
    for (const Step &step : steps) {
        QTest::mouseClick(step.button, Qt::LeftButton);
        const QList<QLineSeries *> curves = curvesOf(graph.MSChart1);
        QVERIFY(!curves.isEmpty());
        for (QLineSeries *curve : curves)
            QCOMPARE(curve->points().size(), step.points);
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
            QValueAxis *axis = axisOf(graph.MSChart1, o);
            QVERIFY(std::isfinite(axis->min()) && std::isfinite(axis->max()));
            QVERIFY(axis->max() > axis->min());
        }
    }
    for (int click = 1; click <= 8; ++click) {
        clickChart(graph.MSChart1);
        QCOMPARE(int(GraphNo), click);
        QVERIFY(!graph.MSChart1->chart()->title().isEmpty());
    }
}

void tst_Larggraf::mainFormReturnsAndKeepsTheWindow()
{
    Form1 &form1 = runWith();
    larggraf &graph = openFromMain(form1);
    clickChartTimes(graph, 5);

    QTest::mouseClick(graph.command4, Qt::LeftButton);
    QVERIFY(!graph.isVisible());
    QVERIFY(form1.isVisible());
    QVERIFY(Forms::isLoaded<larggraf>());
    QCOMPARE(graph.MSChart1->chart()->title(),
             QStringLiteral("Differential model and difference model"));
    QCOMPARE(GraphNo, std::int16_t(6));

    // Opening again always starts from N(t) against time.
    QCOMPARE(&openFromMain(form1), &graph);
    QVERIFY(graph.isVisible());
    QCOMPARE(graph.MSChart1->chart()->title(), QStringLiteral("Curve of N(t) vs. time"));
    QCOMPARE(GraphNo, std::int16_t(1));
}

void tst_Larggraf::closeBoxReturnsAndNextOpeningIsFresh()
{
    Form1 &form1 = runWith();
    QPointer<larggraf> first = &openFromMain(form1);
    clickChartTimes(*first, 6);

    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(!Forms::isLoaded<larggraf>());
    QVERIFY(form1.isVisible());
    QCOMPARE(GraphNo, std::int16_t(7));
    QCOMPARE(m_ended, 0);

    larggraf &second = openFromMain(form1);
    QVERIFY(second.isVisible());
    QVERIFY(!form1.isVisible());
    QCOMPARE(second.MSChart1->chart()->title(), QStringLiteral("Curve of N(t) vs. time"));
    QCOMPARE(GraphNo, std::int16_t(1));
    clickChart(second.MSChart1);
    QCOMPARE(GraphNo, std::int16_t(2));
}

void tst_Larggraf::quitLeadsToTheCitationWindow()
{
    larggraf &graph = openAfterDefaultRun();
    QTest::mouseClick(graph.Command5, Qt::LeftButton);
    QVERIFY(!graph.isVisible());
    QVERIFY(Forms::isLoaded<copyrigh>());
    QVERIFY(Forms::form<copyrigh>().isVisible());
    QVERIFY(!Forms::form<Form1>().isVisible());
    QCOMPARE(m_ended, 0);
}

void tst_Larggraf::detailOpensTheTableOverThisWindow()
{
    larggraf &graph = openAfterDefaultRun();
    Form1 &form1 = Forms::form<Form1>();
    form1.show(); // as after "Back to the main form" in the table

    QTest::mouseClick(graph.Command10, Qt::LeftButton);
    QVERIFY(Forms::isLoaded<DataTabl>());
    DataTabl &table = Forms::form<DataTabl>();
    QVERIFY(table.isVisible());
    QVERIFY(!form1.isVisible());
    QVERIFY(graph.isVisible());
    QCOMPARE(table.MSFlexGrid1->model()->rowCount(), 21); // t = 0 ... 20

    // Each "Detail" fills the table again from the last run.
    form1.show();
    form1.txtSimut->setText(QStringLiteral("5"));
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(table.MSFlexGrid1->model()->rowCount(), 21);
    QTest::mouseClick(graph.Command10, Qt::LeftButton);
    QCOMPARE(table.MSFlexGrid1->model()->rowCount(), 6);
    QVERIFY(!form1.isVisible());
    QVERIFY(graph.isVisible());
}

void tst_Larggraf::printWithoutPrinterShowsNotice()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("A default printer is set up here; printing would go to it.");
    larggraf &graph = openAfterDefaultRun();
    QTest::mouseClick(graph.Command6, Qt::LeftButton);
    auto *notice = graph.findChild<QMessageBox *>(QStringLiteral("notice"));
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(notice->text().contains(QStringLiteral("printer")));
    QVERIFY(graph.isVisible());
}

QTEST_MAIN(tst_Larggraf)
#include "tst_larggraf.moc"
