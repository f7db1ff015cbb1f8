#include "charts/chartexport.h"
#include "charts/chartmenu.h"
#include "charts/chartreadout.h"
#include "charts/chartsound.h"
#include "driving.h"
#include "model/keptruns.h"
#include "output/datafile.h"
#include "windows/datatabl.h"

#include <QPrinterInfo>

#include <cstring>
#include <limits>
#include <sys/socket.h>
#include <sys/un.h>

#include <unistd.h>

using namespace MALVORA1;

namespace
{

// AddressSanitizer keeps freed memory from reuse, up to 256 MB, and it counts as resident.
#ifdef __SANITIZE_ADDRESS__
constexpr long QuarantineMegabytes = 256;
#else
constexpr long QuarantineMegabytes = 0;
#endif

QStringList logged;

// The offscreen platform of the tests cannot raise a window, and says so.
void logMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message != "This plugin does not support raise()") logged.append(message);
}

// Every chart's title, Y axis title and X axis title, in the order of the charts that 1 ... 8
// clicks on the large window's chart show, from N(t) vs. time on.
const QList<QStringList> Charts{
    {"Curve of dN(t)/N(t)dt vs. N(t)", "dN/Ndt", "N(t)"},
    {"Curve of dN(t) vs. time", "dN(t)", "Time"},
    {"Curve of lnN(t) vs. time", "lnN(t)", "Time"},
    {"Curve of N(t) vs. time", "N(t)", "Time"},
    {"Differential model and difference model", "N(t)", "Time"},
    {"N(t+1)-N(t) (Differential and difference models)", "dN(t)", "Time"},
    {"Curve of ln(dN(t)) vs. time", "lndN(t)", "Time"},
    {"Curve of N(t+1) vs. N(t) (differential model)", "N(t+1)", "N(t)"}};

} // namespace

class tst_Larggraf : public QObject
{
    Q_OBJECT

    int m_ended = 0;

    static QString cycleTitles(int k) { return Charts[k].first(); }

    static long residentMegabytes()
    {
        QFile statm("/proc/self/statm");
        if (!statm.open(QIODevice::ReadOnly)) return 0;
        return statm.readAll().split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE) >> 20;
    }

    // How far a point lies from the path's segment from point j (or from its last point).
    static double offPath(QPointF at, const QList<QPointF> &path, qsizetype j)
    {
        if (path.isEmpty()) return INFINITY;
        const QPointF a = path[j], ab = path[std::min(j + 1, path.size() - 1)] - a;
        const double length2 = QPointF::dotProduct(ab, ab);
        const double along =
            length2 > 0 ? std::clamp(QPointF::dotProduct(at - a, ab) / length2, 0.0, 1.0) : 0.0;
        const QPointF d = at - (a + along * ab);
        return std::hypot(d.x(), d.y());
    }

    // What a user sees on a chart at the zoom: titles, axes, points, tick labels, or why nothing is
    // drawn; and, if asked, its SVG.
    static void chartHolds(ChartControl *control, double zoom, bool svg)
    {
        control->setTextZoom(zoom);
        const DrawnChart &chart = control->drawn();
        const QRectF whole(QPointF(), chart.size);
        QByteArray message;
        const auto fail = [&](const QString &what) {
            message = (chart.title.text + " in " + control->window()->objectName() + ": " + what)
                          .toLocal8Bit();
            return message.constData();
        };
        const DrawnAxis &x = chart.axes[DrawnChart::X], &y = chart.axes[DrawnChart::Y];
        QVERIFY2(Charts.contains(QStringList{chart.title.text, y.title.text, x.title.text}),
                 fail("axes " + y.title.text + " vs. " + x.title.text));
        QCOMPARE(control->accessibleName(), chart.title.text);
        for (const DrawnText *text : {&chart.title, &x.title, &y.title})
            QCOMPARE(text->font.pointSizeF(), 10 * zoom);
        for (const DrawnAxis *axis : {&x, &y})
            QVERIFY2(std::isfinite(axis->minimum) && std::isfinite(axis->maximum) &&
                         axis->minimum < axis->maximum,
                     fail(QString("range %1 to %2").arg(axis->minimum).arg(axis->maximum)));
        // Every point inside the axes, and each curve drawn within 0.1 px (the thinning's bound).
        const std::vector<ContentCurve> &curves = control->content().curves;
        QCOMPARE(chart.curves.size(), curves.size());
        bool current = false;
        for (size_t k = 0; k < curves.size(); ++k) {
            const QList<QPointF> &path = chart.curves[k].points;
            qsizetype j = 0, points = 0;
            for (const QPointF &p : curves[k].points) {
                if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
                ++points;
                const QString point = QString("(%1, %2)").arg(p.x()).arg(p.y());
                QVERIFY2(p.x() >= x.minimum && p.x() <= x.maximum && p.y() >= y.minimum &&
                             p.y() <= y.maximum,
                         fail(point + " outside"));
                const QPointF at = chart.position(p);
                while (j + 1 < path.size() && offPath(at, path, j) > 0.1 + 1e-9)
                    ++j;
                QVERIFY2(offPath(at, path, j) <= 0.1 + 1e-9, fail(point + " drawn off its curve"));
            }
            QVERIFY2(points != 1 || chart.curves[k].markers, fail("a lone point unseen"));
            current |= curves[k].current && points > 0;
        }
        // The legend leaves the plot at least half the chart's width.
        QVERIFY2(chart.plot.width() >= chart.size.width() / 2,
                 fail(QString("a plot %1 px wide of %2")
                          .arg(chart.plot.width())
                          .arg(chart.size.width())));
        for (const LegendEntry &entry : chart.legend)
            QVERIFY2(whole.contains(entry.rect), fail(entry.name + " outside"));
        // Tick labels: distinct, whole, inside, clear of each other, the titles, legend and plot.
        QList<QRectF> taken{chart.title.rect, x.title.rect, y.title.rect, chart.plot,
                            chart.legendBox};
        const QFontMetricsF metrics(chart.tickFont, control);
        for (const DrawnAxis *axis : {&x, &y}) {
            QSet<QString> distinct;
            for (const DrawnTick &tick : axis->ticks) {
                if (tick.text.isEmpty()) continue;
                QVERIFY2(!distinct.contains(tick.text), fail("the same tick label twice"));
                distinct.insert(tick.text);
                QVERIFY2(tick.rect.width() >= metrics.horizontalAdvance(tick.text) &&
                             whole.contains(tick.rect),
                         fail(tick.text + " cut"));
                for (const QRectF &other : taken)
                    QVERIFY2(!tick.rect.intersects(other), fail(tick.text + " overlaps"));
                taken << tick.rect;
            }
            QVERIFY2(distinct.isEmpty() != chart.numbered,
                     fail("tick labels where there is nothing"));
            // One notation and one number of decimals an axis; a lone 0 may stand as "0".
            QSet<qsizetype> forms; // the decimals, plus 100 in E notation
            for (const QString &label : std::as_const(distinct))
                if (label != "0")
                    forms << label.section('E', 0, 0).section('.', 1).size() +
                                 100 * label.contains('E');
            QVERIFY2(forms.size() <= 1,
                     fail("labels " + QStringList(distinct.values()).join(" / ")));
        }
        // The current run with nothing to draw: a line in the plot and the description say why.
        const QString noValue = chart.noValue.text;
        QCOMPARE(noValue.isEmpty(), current || control->content().noValue.isEmpty());
        QVERIFY2(noValue.isEmpty() || chart.plot.contains(chart.noValue.rect),
                 fail("no-value line"));
        QVERIFY2(noValue.isEmpty() || control->accessibleDescription().startsWith(noValue),
                 fail(noValue + " / " + control->accessibleDescription()));
        QVERIFY2(logged.isEmpty(), fail("logged " + logged.join('\n')));
        // A value read off a curve is never 0 unless it is 0.
        bool nonzero = current;
        for (const ContentCurve &curve : curves)
            nonzero = nonzero && !curve.points.isEmpty() && curve.points[0].y() != 0 &&
                      std::isfinite(curve.points[0].y());
        QTest::keyClick(control, Qt::Key_Home);
        for (const QString &line : control->readout().text().split('\n').mid(1))
            QVERIFY2(!nonzero || !line.endsWith(" = 0"), fail("read as 0: " + line));
        QTest::keyClick(control, Qt::Key_Escape);
        if (svg && !QTest::currentTestFailed()) svgHoldsTheChart(control);
    }

    // The saved SVG holds the chart as drawn: its size, every text as text (the title at its size
    // on the chart), and each curve's points, drawn as in the PNG by the same painting.
    static void svgHoldsTheChart(ChartControl *control)
    {
        const DrawnChart &chart = control->drawn();
        QStringList texts, drawnTexts{chart.noValue.text};
        for (const DrawnText *text : {&chart.title, &chart.axes[0].title, &chart.axes[1].title})
            drawnTexts << text->text;
        for (const DrawnAxis &axis : chart.axes)
            for (const DrawnTick &tick : axis.ticks)
                drawnTexts << tick.text;
        for (const LegendEntry &entry : chart.legend)
            drawnTexts << entry.lines;
        drawnTexts.removeAll(QString());
        QList<qsizetype> points, drawnPoints;
        for (const DrawnCurve &curve : chart.curves)
            if (!curve.markers && curve.points.size() > 1) drawnPoints << curve.points.size();
        double titleSize = 0;
        QString viewBox;
        QXmlStreamReader xml(chartSvg(chart));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.name() == u"svg") viewBox = attributes.value("viewBox").toString();
            if (xml.name() == u"polyline")
                points << attributes.value("points").split(' ', Qt::SkipEmptyParts).size();
            if (xml.name() != u"text") continue;
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
            if (texts.last() == chart.title.text)
                titleSize = attributes.value("font-size").toDouble();
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(viewBox, QString("0 0 %1 %2").arg(chart.size.width()).arg(chart.size.height()));
        QCOMPARE((texts.sort(), texts), (drawnTexts.sort(), drawnTexts));
        QCOMPARE(titleSize, std::round(10.0 * control->logicalDpiY() / 72 * 1e4) / 1e4);
        QCOMPARE(points.mid(0, drawnPoints.size()), drawnPoints); // the legend's lines after
    }

    // After a run with the given rate (and N(0), after a space): the main window's chart, or the
    // large window's after that many clicks on it; focused, in an active window.
    static ChartControl *chartAfterRun(const QString &rate, int clicks, const QString &kept = {})
    {
        if (!kept.isEmpty()) { // a rate run and kept first
            runWith(kept);
            Kept.keep(currentRun());
        }
        const QStringList values = rate.split(' '); // the rate, and N(0) where it is not 10
        ChartControl *chart = clicks < 0 ? runWith(values[0], values.value(1, "10")).MSChart1
                                         : openLargeGraph(rate).MSChart1;
        clickChart(chart, std::max(clicks, 0));
        chart->setFocus();
        return activate(chart->window()) ? chart : nullptr;
    }

    static const QList<QPointF> &currentPoints(ChartControl *chart)
    {
        const std::vector<ContentCurve> &curves = curvesOf(chart);
        return std::find_if(curves.begin(), curves.end(), [](auto &c) { return c.current; })
            ->points;
    }

    // Opens the chart's menu by a right click, the Menu key or Shift+F10. The click goes
    // through the window, where a right click becomes a request for the context menu.
    static ChartMenu *openMenu(ChartControl *chart, const QString &way)
    {
        if (way == "right click")
            QTest::mouseClick(chart->window()->windowHandle(), Qt::RightButton, {},
                              chart->mapTo(chart->window(), QPoint(40, 40)));
        else if (way == "Menu key")
            QTest::keyClick(chart, Qt::Key_Menu);
        else
            QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier);
        ChartMenu *menu = &chart->menu();
        return QTest::qWaitFor([&] { return menu->isVisible(); }) ? menu : nullptr;
    }

    // Picks an item: a click on it, or Down to it and Enter.
    static void choose(ChartMenu *menu, const QString &item, bool byMouse)
    {
        QAction *action = nullptr;
        for (QAction *a : menu->actions())
            if (a->text() == item) action = a;
        QVERIFY(action);
        if (byMouse) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
        for (int k = 0; k < 8 && menu->activeAction() != action; ++k)
            QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction(), action);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    // How a colour stands out from white, as the ratio of their relative luminances plus 0.05.
    static double contrastOnWhite(const QColor &colour)
    {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        const double luminance = 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
                                 0.0722 * linear(colour.blueF());
        return 1.05 / (luminance + 0.05);
    }

    // Picks an item of the chart's menu by keyboard.
    static void chooseByKeys(ChartControl *chart, const QString &item)
    {
        QVERIFY(activate(chart->window()));
        chart->setFocus();
        ChartMenu *menu = openMenu(chart, "Shift+F10");
        QVERIFY(menu);
        choose(menu, item, false);
    }

  private slots:
    void initTestCase() { dropHarmlessWarnings(); }
    void init()
    {
        // The figures below are written as an English desktop shows them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        MALVORA1::clear();
        logged.clear();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
    }

    void cleanup() { Forms::unloadAll(); }

    // Each click on the chart moves round the cycle; the buttons draw without moving it.
    void chartCycle()
    {
        larggraf &graph = openLargeGraph();
        ChartControl *chart = graph.MSChart1;
        clickChart(chart);
        const std::pair<QPushButton *, int> buttons[] = {{graph.Command1, 3}, {graph.Command2, 2},
                                                         {graph.Command3, 1}, {graph.Command7, 0},
                                                         {graph.Command8, 6}, {graph.Command9, 7}};
        for (const auto &[button, title] : buttons) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(chart->title(), cycleTitles(title));
        }
        clickChart(chart);
        QCOMPARE(chart->title(), cycleTitles(1));

        // "Main form" hides it, the close box unloads it; opened again, it starts afresh on N(t).
        const QPointer<larggraf> first = &graph;
        for (const bool close : {false, true}) {
            if (close)
                QVERIFY(first->close());
            else
                QTest::mouseClick(first->command4, Qt::LeftButton);
            deleteClosed();
            QVERIFY(close ? first.isNull() : !first->isVisible());
            QVERIFY(Forms::form<Form1>().isVisible());
            QCOMPARE(m_ended, 0);
            clickChart(Forms::form<Form1>().MSChart1);
            QCOMPARE(Forms::form<larggraf>().MSChart1->title(), cycleTitles(3));
            clickChart(Forms::form<larggraf>().MSChart1);
            QCOMPARE(Forms::form<larggraf>().MSChart1->title(), cycleTitles(0));
        }
    }

    // Every chart of both windows, for runs at the edges: decay, one point, tiny rates, the largest
    // values, nothing to draw (all zero: ln 0 and 0/0 left out); and runs near the largest double,
    // drawn over themselves kept, that once made an infinite X step and ran out of memory.
    void everyChartHolds_data()
    {
        // kept: by "Keep this run"; zoom: the texts', for a projector; refused: too large to run
        columns<QString, QString, QString, bool, double, bool>(
            {"rate", "size", "end", "kept", "zoom", "refused"});
        const QString largest = QString::number(std::numeric_limits<double>::max(), 'g', 17);
        const auto add = [largest](const QString &rate, const QString &size, const QString &end,
                                   bool kept, double zoom) {
            // N(T + 1) of a growth from the largest N(0), or e^3000, passes the largest double.
            const bool refused =
                rate.toDouble() > 0 && (size == largest || (rate == "1" && end == "2999"));
            QTest::addRow("r %s N(0) %s T %s%s%s%s", qPrintable(rate), qPrintable(size),
                          qPrintable(end), kept ? ", kept" : "", zoom > 1 ? " at 150 %" : "",
                          refused ? ", refused" : "")
                << rate << size << end << kept << zoom << refused;
        };
        for (const QString rate : {"-1", "-0.1", "-1e-16", "0", "1e-14", "0.2", "1"})
            for (const QString &size : QStringList{"0", "1e-300", "10", largest})
                for (const QString end : {"0", "1", "20", "2999"})
                    add(rate, size, end, false, 1);
        for (const bool kept : {true, false})
            for (const auto &[rate, size, end] : {std::tuple{"0.28", "34", "2521"},
                                                  {"0.2", "4.5e47", "2999"},
                                                  {"0.28", "-34", "2521"}})
                add(rate, size, end, kept, 1);
        add("0.2", "10", "2999", false, 1.5);
        add("0", largest, "20", false, 1.5);
        add("0", "1e-300", "20", false, 1.5);
        add("5e-324", "10", "20", false, 1);           // the least rate: dN/N is still drawn, at r
        add("0.123456789012345", "10", "20", true, 1); // a long name in the legend
    }
    void everyChartHolds()
    {
        auto [rate, size, end, kept, zoom, refused] =
            fetch<QString, QString, QString, bool, double, bool>(
                {"rate", "size", "end", "kept", "zoom", "refused"});
        const long residentBefore = residentMegabytes();
        Form1 &form1 = runWith(rate, size, end);
        QCOMPARE(notice(&form1).contains("too large in size"), refused);
        if (refused) { // nothing ran
            QVERIFY(MALVORA1::Simut == 0 && MALVORA1::Rrate == 0);
            return;
        }
        if (kept) chooseByKeys(form1.MSChart1, "Keep this run"); // the menu logs its popup
        logged.clear();
        const QtMessageHandler before = qInstallMessageHandler(logMessage);
        const auto restore = qScopeGuard([&] { qInstallMessageHandler(before); });
        // The saved files of every chart against each other, for a growth and a decay.
        const bool svg = size == "10" && end == "20" && (rate == "0.2" || rate == "-0.1");
        for (QPushButton *button :
             {form1.command4, form1.Command3, form1.Command5, form1.Command8, form1.Command9}) {
            if (button != form1.command4) QTest::mouseClick(button, Qt::LeftButton);
            chartHolds(form1.MSChart1, zoom, svg);
            if (QTest::currentTestFailed()) return;
        }
        clickChart(form1.MSChart1);
        larggraf &graph = Forms::form<larggraf>();
        for (int click = 0; click <= 8 && !QTest::currentTestFailed(); ++click) {
            if (click > 0) clickChart(graph.MSChart1); // opened on N(t), then round the cycle
            QCOMPARE(graph.MSChart1->title(), cycleTitles(click == 0 ? 3 : click - 1));
            chartHolds(graph.MSChart1, zoom, svg);
        }
        QVERIFY2(residentMegabytes() - residentBefore < 50 + QuarantineMegabytes,
                 qPrintable(QString("%1 MB more").arg(residentMegabytes() - residentBefore)));
    }

    // Values read off the curves at t = 10, by hovering or by keys; S speaks what the chart shows;
    // "Copy chart" from the menu (opened and picked by mouse or keys), as Ctrl+C, copies it at
    // twice its size. (What "Save chart as..." writes is tested with the output.)
    void readout_data()
    {
        // kept: a rate run and kept first; clicks: -1 the main window's chart, else the large
        // one's; copy: how the chart is copied; summary: what S speaks (empty: not copied, asked)
        columns<QString, QString, int, bool, QString, QString, QLocale, QString>(
            {"kept", "rate", "clicks", "hover", "text", "copy", "locale", "summary"});
        const QLocale en(QLocale::English, QLocale::UnitedStates),
            de(QLocale::German, QLocale::Germany);
        // clang-format off
        QTest::addRow("N(t), main, hover") << "" << "0.2" << -1 << true << "t = 10\nN(t) = 73.89\nDoubling time ln 2 / r = 3.47" << "right click" << en << "Curve of N(t) vs. time, t from 0 to 20. It rises from 10 to 545.98, by a factor e^r = 1.2214 each step: it doubles every ln 2 / r = 3.47.";
        QTest::addRow("N(t), large, keys") << "" << "0.2" << 0 << false << "t = 10\nN(t) = 73.89\nDoubling time ln 2 / r = 3.47" << "Menu key" << en << QString();
        QTest::addRow("N(t) falling, keys") << "" << "-0.2" << -1 << false << "t = 10\nN(t) = 1.35\nHalving time ln 2 / |r| = 3.47" << "Ctrl+C" << en << "Curve of N(t) vs. time, t from 0 to 20. It falls from 10 to 0.18, by a factor e^r = 0.8187 each step: it halves every ln 2 / |r| = 3.47.";
        QTest::addRow("N(t) constant, hover") << "" << "0" << 0 << true << "t = 10\nN(t) = 10" << "" << en << "Curve of N(t) vs. time, t from 0 to 20. It stays at 10.";
        QTest::addRow("lnN(t), hover") << "" << "0.2" << 3 << true << "t = 10\nlnN(t) = 4.3\nDoubling time ln 2 / r = 3.47" << "" << en << "Curve of lnN(t) vs. time, t from 0 to 20. It is a straight line of slope r = 0.2, from 2.3 to 6.3.";
        QTest::addRow("dN/N, hover") << "" << "0.2" << 1 << true << "N(t) = 73.89\ndN/Ndt = 0.2" << "" << en << "Curve of dN(t)/N(t)dt vs. N(t), N(t) from 10 to 545.98. It is constant at r = 0.2 for every N(t).";
        QTest::addRow("dN/N falling, keys") << "" << "-0.2" << 1 << false << "N(t) = 1.35\ndN/Ndt = -0.2" << "" << en << QString();
        QTest::addRow("comparison of N(t), hover") << "" << "0.2" << 5 << true << "t = 10\ndifferential: N(t) = 73.89\ndifference: N(t) = 61.92" << "Shift+F10" << en << "Differential model and difference model, t from 0 to 20. The differential model ends at 545.98, the difference model at 383.38: the one changes by a factor e^r = 1.2214 a step, the other by 1 + r = 1.2.";
        QTest::addRow("comparison of the changes, keys") << "" << "0.2" << 6 << false << "t = 10\ndifferential: dN(t) = 16.36\ndifference: dN(t) = 12.38" << "" << en << QString();
        QTest::addRow("N(t+1) vs. N(t), hover") << "" << "0.2" << 8 << true << "N(t) = 73.89\nN(t+1) (differential): N(t+1) = 90.25\ny=x: N(t+1) = 73.89" << "" << en << "Curve of N(t+1) vs. N(t) (differential model), N(t) from 10 to 545.98. N(t+1) is N(t) times e^r = 1.2214: a straight line through 0, above the line y = x.";
        QTest::addRow("N(t) over a kept run, hover") << "0.5" << "0.2" << 0 << true << "t = 10\nr = 0.5, N(0) = 10: N(t) = 1484.13\nr = 0.2, N(0) = 10: N(t) = 73.89\nDoubling time ln 2 / r = 3.47" << "" << en << "Curve of N(t) vs. time, t from 0 to 20. It rises from 10 to 545.98, by a factor e^r = 1.2214 each step: it doubles every ln 2 / r = 3.47. r = 0.5, N(0) = 10 ends at 220264.66.";
        QTest::addRow("dN/N over a kept run, keys") << "0.5" << "0.2" << 1 << false << "N(t) = 73.89\nr = 0.5, N(0) = 10: N(t) = 1484.13, dN/Ndt = 0.5\nr = 0.2, N(0) = 10: dN/Ndt = 0.2" << "" << en << QString();
        QTest::addRow("comparison over a kept run, hover") << "0.5" << "0.2" << 5 << true << "t = 10\nr = 0.5, N(0) = 10 (differential): N(t) = 1484.13\nr = 0.5, N(0) = 10 (difference): N(t) = 576.65\ndifferential: N(t) = 73.89\ndifference: N(t) = 61.92" << "" << en << QString();
        QTest::addRow("dN/N over a kept run, German, keys") << "0.5" << "0.2" << 1 << false << "N(t) = 73,89\nr = 0,5; N(0) = 10: N(t) = 1484,13; dN/Ndt = 0,5\nr = 0,2; N(0) = 10: dN/Ndt = 0,2" << "" << de << QString();
        QTest::addRow("N(t) over a long-named kept run, main, hover") << "0.123456789012345" << "0.2" << -1 << true << "t = 10\nr = 0.123456789012345, N(0) = 10: N(t) = 34.37\nr = 0.2, N(0) = 10: N(t) = 73.89\nDoubling time ln 2 / r = 3.47" << "" << en << QString();
        QTest::addRow("N(t), tiny, hover") << "" << "0.2 0.001" << -1 << true << "t = 10\nN(t) = 0.007389\nDoubling time ln 2 / r = 3.47" << "" << en << QString();
        // clang-format on
    }

    void readout()
    {
        auto [kept, rate, clicks, hover, text, copy, locale, summary] =
            fetch<QString, QString, int, bool, QString, QString, QLocale, QString>(
                {"kept", "rate", "clicks", "hover", "text", "copy", "locale", "summary"});
        QLocale::setDefault(locale);
        ChartControl *chart = chartAfterRun(rate, clicks, kept);
        QVERIFY(chart);
        const auto description = [chart] {
            return accessibleText(chart, QAccessible::Description);
        };
        const QString resting = description();
        if (!summary.isEmpty()) { // and each point the keys reach, the read-out's lines in one
            QTest::keyClick(chart, Qt::Key_S);
            QCOMPARE(announcement(chart->window()), summary);
            QTest::keyClick(chart, Qt::Key_End);
            QCOMPARE(announcement(chart->window()), chart->readout().text().replace('\n', ", "));
            QTest::keyClick(chart, Qt::Key_PageUp);
            QCOMPARE(chart->readout().step(), 18);
            QTest::keyClick(chart, Qt::Key_Escape);
        }
        // The pointer a little beside the point of t = 10, nearer to it than to its neighbours.
        const QList<QPointF> &steps = currentPoints(chart);
        const QPointF at = chart->drawn().position(steps[10]);
        const QPoint beside =
            at.toPoint() + QPoint(steps[11].x() > steps[10].x() ? 1 : -1,
                                  at.y() < chart->drawn().plot.center().y() ? 3 : -3);
        const auto moveTo = [chart](QPoint point) {
            QTest::mouseMove(chart->window()->windowHandle(), chart->mapTo(chart->window(), point));
        };
        if (hover) {
            moveTo(beside);
            QTRY_COMPARE(chart->readout().text(), text);
        } else {
            QTest::keyClick(chart, Qt::Key_End);
            QVERIFY(description().startsWith(clicks == 1 || clicks == 8 ? "N(t) = " : "t = 20\n"));
            QTest::keyClick(chart, Qt::Key_Home);
            for (int k = 0; k < 11; ++k)
                QTest::keyClick(chart, Qt::Key_Right);
            QTest::keyClick(chart, Qt::Key_Left);
        }
        QCOMPARE(chart->readout().text(), text);
        QCOMPARE(chart->readout().step(), 10);
        QVERIFY(chart->rect().contains(chart->readout().box().toRect()));
        for (const DrawnAxis &axis : chart->drawn().axes)
            for (const DrawnTick &tick : axis.ticks)
                QVERIFY2(!chart->readout().box().intersects(tick.rect), qPrintable(tick.text));
        QCOMPARE(description(), text);
        QTest::keyClick(chart, Qt::Key_Escape);
        QCOMPARE(chart->readout().step(), -1);
        QCOMPARE(description(), resting);
        QCOMPARE(QApplication::focusWidget(), chart);
        if (!copy.isEmpty()) {
            QGuiApplication::clipboard()->clear();
            if (copy == "Ctrl+C") {
                QTest::keySequence(chart, QKeySequence::Copy);
            } else {
                QTest::keyClick(chart, Qt::Key_Home); // the read-out goes as the menu opens
                ChartMenu *menu = openMenu(chart, copy);
                QVERIFY(menu);
                QCOMPARE(chart->readout().step(), -1);
                QStringList items;
                for (QAction *action : menu->actions())
                    if (!action->isSeparator()) items << action->text();
                QStringList expected{"Copy chart", "Save chart as...", "Keep this run",
                                     "Forget kept runs"};
                if (clicks < 0) expected << "Open observations…"; // the main window's
                QCOMPARE(items, expected);
                choose(menu, "Copy chart", copy == "right click");
                QTRY_VERIFY(!menu->isVisible());
            }
            QCOMPARE(QGuiApplication::clipboard()->image().size(), chart->size() * 2);
            QCOMPARE(QApplication::focusWidget(), chart);
        }
        if (!hover) return;
        // Back over the plot it reads again; off the plot it goes.
        moveTo(beside + QPoint(0, 1));
        QTRY_COMPARE(chart->readout().step(), 10);
        moveTo(chart->drawn().plot.bottomLeft().toPoint() + QPoint(-8, 8));
        QTRY_COMPARE(chart->readout().step(), -1);
    }

    // Kept runs lie beneath the current one in both windows, named in the legend and heard as
    // kept; Forget removes them. The table, the file and N(T) stay the current run's.
    void keptRuns()
    {
        ChartControl *chart = chartAfterRun("0.2", -1);
        QVERIFY(chart);
        chooseByKeys(chart, "Keep this run");
        QCOMPARE(announcement(chart->window()), "Run r = 0.2, N(0) = 10 kept; 1 run kept");
        ChartMenu *menu = openMenu(chart, "Menu key");
        QVERIFY(menu && !menu->keepAction->isEnabled() && menu->forgetAction->isEnabled());
        QTest::keyClick(menu, Qt::Key_Escape);

        Form1 &form1 = runWith("0.3");
        QTRY_COMPARE(legendOf(chart), QStringList({"r = 0.2, N(0) = 10", "r = 0.3, N(0) = 10"}));
        QVERIFY(curvesOf(chart).at(0).pen.widthF() < curvesOf(chart).at(1).pen.widthF());
        QTest::mouseClick(form1.Command8, Qt::LeftButton); // dN/N: the fixed range holds both r
        QCOMPARE(chart->drawn().axes[DrawnChart::Y].maximum, 1.5 * 0.3);
        QCOMPARE(curvesOf(chart).at(0).points.first(), QPointF(10, 0.2));

        // The large window, on the comparison of N(t).
        ChartControl *large = openLargeGraph("0.3").MSChart1;
        clickChart(large, 5);
        QTRY_COMPARE(legendOf(large),
                     QStringList({"r = 0.2, N(0) = 10", "differential", "difference"}));

        // Keeping changes neither the file nor N(T) nor the table, which shows the current run.
        const QStringList before{dataFileText(), form1.Text4->text()};
        chooseByKeys(large, "Keep this run");
        QCOMPARE(announcement(large->window()), "Run r = 0.3, N(0) = 10 kept; 2 runs kept");
        QCOMPARE(curvesOf(large).size(), 6u);
        QCOMPARE(QStringList({dataFileText(), form1.Text4->text()}), before);
        QTest::mouseClick(Forms::form<larggraf>().Command10, Qt::LeftButton);
        QCOMPARE(Forms::form<DataTabl>().MSFlexGrid1->model()->index(20, 0).data().toString(),
                 "4034.29");
        Forms::form<DataTabl>().hide();

        // A decay on ln dN(t): the kept runs drawn, the current run named and why it has no curve.
        runWith("-0.2");
        QTest::mouseClick(Forms::form<Form1>().Command9, Qt::LeftButton);
        QCOMPARE(chart->drawn().noValue.text, "ln dN(t) needs dN(t) > 0");
        QCOMPARE(legendOf(chart).last(), "r = -0.2, N(0) = 10");
        QVERIFY(accessibleText(chart, QAccessible::Description).startsWith("ln dN(t) needs"));

        chooseByKeys(chart, "Forget kept runs");
        QCOMPARE(announcement(chart->window()), "No runs kept");
        QCOMPARE(curvesOf(chart).size(), 1u);
        QCOMPARE(legendOf(chart), QStringList());
        QCOMPARE(curvesOf(large).size(), 2u); // the hidden window's chart forgot them too
    }

    // After keeping r = 0.1 ... 0.6 (past the four kept) and running r = 0.7, with the large window
    // opened first or last, every curve holds its own run's values and name, and its N(9) reads.
    void keptRunsHoldTheirOwnValues_data()
    {
        columns<int, bool>({"keeps", "largeFirst"});
        for (int keeps : {1, 4, 5, 6}) // one, as many as are kept, and past them once and twice
            for (bool largeFirst : {true, false})
                QTest::addRow("%d kept, large window opened %s", keeps,
                              largeFirst ? "first" : "last")
                    << keeps << largeFirst;
    }
    void keptRunsHoldTheirOwnValues()
    {
        auto [keeps, largeFirst] = fetch<int, bool>({"keeps", "largeFirst"});
        if (largeFirst) QTest::mouseClick(openLargeGraph("0.1").command4, Qt::LeftButton);
        for (int k = 1; k <= keeps; ++k) {
            chooseByKeys(runWith(QString::number(0.1 * k)).MSChart1, "Keep this run");
            if (QTest::currentTestFailed()) return;
        }
        ChartControl *main = runWith("0.7").MSChart1;
        // Each curve against its run's model: N(t) = 10 e^(rt), or the difference model's 10 (1 +
        // r)^t.
        const auto holds = [&](ChartControl *chart) {
            // On N(t) every curve contrasts 3:1 with white; in greyscale the runs differ by width
            // or dash.
            const std::vector<ContentCurve> &curves = curvesOf(chart);
            for (size_t k = 0; chart == main && k < curves.size(); ++k) {
                const QPen &pen = curves[k].pen;
                QVERIFY2(contrastOnWhite(pen.color()) >= 3, qPrintable(pen.color().name()));
                for (size_t other = 0; other < k; ++other)
                    QVERIFY(pen.style() != curves[other].pen.style() ||
                            std::abs(pen.widthF() - curves[other].pen.widthF()) >= 1);
            }
            int runs = 0;
            for (const ContentCurve &curve : curves) {
                const double r = curve.current
                                     ? 0.7
                                     : curve.name.section(u',', 0, 0).section(u'=', 1).toDouble();
                const bool difference =
                    curve.name.endsWith("(difference)") || curve.name == "difference";
                runs += curve.legendName.startsWith("r = ");
                for (int t = 0; t < curve.points.size(); ++t) {
                    const double model =
                        difference ? 10 * std::pow(1 + r, t) : 10 * std::exp(r * t);
                    QVERIFY2(std::abs(curve.points[t].y() - model) <= 1e-9 * model,
                             qPrintable(curve.name + " at t = " + QString::number(t)));
                }
            }
            QCOMPARE(runs,
                     std::min(keeps, 4) + (chart->content().legend &&
                                           curvesOf(chart).back().legendName.startsWith("r = ")));
            chart->setFocus();
            QVERIFY(activate(chart->window()));
            QTest::keyClick(chart, Qt::Key_Home);
            for (int t = 0; t < 9; ++t)
                QTest::keyClick(chart, Qt::Key_Right);
            const bool models = chart->title() == "Differential model and difference model";
            for (int k = std::max(keeps - 3, 1); k <= keeps; ++k)
                QVERIFY2(chart->readout().text().contains(
                             QString("r = %1, N(0) = 10%2: N(t) = %3")
                                 .arg(0.1 * k)
                                 .arg(models ? " (differential)" : "")
                                 .arg(std::round(1000 * std::exp(0.9 * k)) / 100)),
                         qPrintable(chart->readout().text()));
            QTest::keyClick(chart, Qt::Key_Escape);
        };
        holds(main);
        clickChart(main);
        ChartControl *large = Forms::form<larggraf>().MSChart1;
        holds(large);
        clickChart(large, 5); // the two models compared
        holds(large);
    }

    // "Print form" in the main window and "P" in this one.
    void printWithoutPrinterSaysSo()
    {
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(),
                 "a printer is set up: CTest runs this with no print system");
        QTest::mouseClick(runWith().Command7, Qt::LeftButton);
        QVERIFY2(notice(&Forms::form<Form1>()).contains("printer"), "no notice in the main window");
        larggraf &graph = openLargeGraph();
        QTest::mouseClick(graph.Command6, Qt::LeftButton);
        QVERIFY2(notice(&graph).contains("printer"), qPrintable(notice(&graph)));
    }

    // H plays the chart: each curve's pitch follows it up the Y axis, no point is silence, kept
    // runs follow under their names. No sound server answers, and the window says so; one that
    // never answers is given two seconds, while the chart goes on reading its points.
    void curveIsHeard_data()
    {
        // clicks: -1 the main window's chart, else the large one's; pitches: each curve's in turn
        columns<QString, QString, int, QStringList, QStringList>(
            {"kept", "rate", "clicks", "names", "pitches"});
        const QStringList nt{"N(t)"}, rises{"rises"};
        // clang-format off
        QTest::addRow("growth") << "" << "0.2" << -1 << nt << rises;
        QTest::addRow("growth, a sound server that never answers") << "" << "0.2" << -1 << nt << rises;
        QTest::addRow("decay") << "" << "-0.2" << 0 << nt << QStringList{"falls"};
        QTest::addRow("dN/N") << "" << "0.2" << 1 << QStringList{"dN/Ndt"} << QStringList{"steady"};
        QTest::addRow("a kept run after the current one") << "0.15" << "0.2" << 0 << QStringList{"r = 0.2, N(0) = 10", "r = 0.15, N(0) = 10"} << QStringList{"rises", "rises"};
        QTest::addRow("ln dN(t) of a decay beside a kept growth") << "0.2" << "-0.2" << 7 << QStringList{"r = -0.2, N(0) = 10", "r = 0.2, N(0) = 10"} << QStringList{"silent", "rises"};
        // clang-format on
    }
    void curveIsHeard()
    {
        auto [kept, rate, clicks, names, pitches] =
            fetch<QString, QString, int, QStringList, QStringList>(
                {"kept", "rate", "clicks", "names", "pitches"});
        ChartControl *chart = chartAfterRun(rate, clicks, kept);
        QVERIFY(chart);
        // A server that takes the connection and never says a word, or none.
        const bool hung = QString(QTest::currentDataTag()).contains("never answers");
        QTemporaryDir folder;
        sockaddr_un address{AF_UNIX, {}};
        const QByteArray path = (folder.path() + "/native").toUtf8();
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        const int silent = socket(AF_UNIX, SOCK_STREAM, 0);
        const auto closed = qScopeGuard([silent] { close(silent); });
        if (hung)
            QVERIFY(bind(silent, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                    listen(silent, 4) == 0);
        qputenv("PULSE_SERVER", "unix:" + (hung ? path : QByteArray("/nonexistent")));
        QTest::keyClick(chart, Qt::Key_H);
        if (hung) {
            QTest::qWait(300);
            QVERIFY(chart->sound().playing());
            QTest::keyClick(chart, Qt::Key_Home);
            QCOMPARE(chart->readout().step(), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(notice(chart->window()),
                                  "No sound device was found: the curve cannot be played.", 5000);
        QCOMPARE(announcement(chart->window()), notice(chart->window()));
        QVERIFY(!chart->sound().playing());
        const CurveSound &sound = chart->sound().sound();
        QStringList heard;
        for (const CurveSound::Part &part : sound.parts)
            heard << part.name;
        QCOMPARE(heard, names);
        // Each curve's pitch between two time steps, away from their ticks, from the zero
        // crossings.
        const DrawnAxis &axis = chart->drawn().axes[DrawnChart::X];
        const QList<QPointF> &points = currentPoints(chart);
        const qsizetype margin = CurveSound::SampleRate / 100;
        for (qsizetype part = 0; part < pitches.size(); ++part) {
            const QString pitch = pitches[part];
            const double start = sound.parts[size_t(part)].start +
                                 (part ? CurveSoundTiming::Pause * CurveSound::SampleRate : 0);
            const auto sampleAt = [&](double x) {
                return qsizetype(start + (x - axis.minimum) / (axis.maximum - axis.minimum) *
                                             CurveSoundTiming::Curve * CurveSound::SampleRate);
            };
            QList<double> heights;
            for (qsizetype i = 0; i + 1 < points.size(); ++i) {
                const qsizetype from = sampleAt(points[i].x()) + margin,
                                to = sampleAt(points[i + 1].x()) - margin;
                if (to - from < 2 * margin) continue; // steps too close to measure between
                int crossings = 0, loudest = 0;
                for (qsizetype s = from; s < to; ++s) {
                    crossings += (sound.sample(s) < 0) != (sound.sample(s + 1) < 0);
                    loudest = std::max(loudest, std::abs(int(sound.sample(s))));
                }
                QVERIFY2(
                    (loudest > 4000) == (pitch != "silent"),
                    qPrintable(QString("curve %1, step %2: %3").arg(part).arg(i).arg(loudest)));
                heights << crossings / 2.0 / (double(to - from) / CurveSound::SampleRate);
            }
            if (pitch == "silent") continue;
            const auto [low, high] = std::minmax_element(heights.begin(), heights.end());
            QVERIFY2(*low > 200 && *high < 1800,
                     qPrintable(QString("%1 to %2 Hz").arg(*low).arg(*high)));
            for (qsizetype i = 1; i < heights.size(); ++i) {
                const double change = heights[i] / heights[i - 1];
                QVERIFY2(pitch == "rises" ? change > 0.97 : pitch != "falls" || change < 1.03,
                         qPrintable(QString::number(i)));
            }
            QVERIFY(pitch == "steady"  ? *high / *low < 1.05
                    : pitch == "rises" ? heights.last() > 1.2 * heights.first()
                                       : heights.first() > 1.2 * heights.last());
        }
    }
};

QTEST_MAIN(tst_Larggraf)
#include "tst_larggraf.moc"
