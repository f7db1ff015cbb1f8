#include "driving.h"

void dropHarmlessWarnings()
{
    static QtMessageHandler next = nullptr;
    if (next) return;
    next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg &&
                (message == "This plugin does not support raise()" ||
                 message == "This plugin does not support propagateSizeHints()"))
                return;
            next(type, context, message);
        });
}

Form1 &runWith(const QString &rate, const QString &size, const QString &end)
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(rate);
    form1.n0->setText(size);
    form1.txtSimut->setText(end);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    return form1;
}

larggraf &openLargeGraph(const QString &rate, const QString &end)
{
    clickChart(runWith(rate, "10", end).MSChart1);
    return Forms::form<larggraf>();
}

void clickChart(ChartControl *chart, int clicks)
{
    while (clicks-- > 0)
        QTest::mouseClick(chart, Qt::LeftButton);
}

const std::vector<ContentCurve> &curvesOf(const ChartControl *chart)
{
    return chart->content().curves;
}

QStringList legendOf(const ChartControl *chart)
{
    QStringList names;
    for (const LegendEntry &entry : chart->drawn().legend)
        names << entry.name;
    return names;
}

QStringList tickLabels(const ChartControl *chart, ChartControl::AxisId axis)
{
    QStringList labels;
    for (const DrawnTick &tick : chart->drawn().axes[axis].ticks)
        labels << tick.text;
    return labels;
}

bool activate(QWidget *window)
{
    // A popup that has just closed counts as part of its window's activation;
    // the window itself must be the active one before keys go to it.
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

QString notice(const QWidget *window)
{
    const auto *box = window->findChild<QMessageBox *>(QStringLiteral("notice"));
    return box && box->isVisible() ? box->text() : QString();
}

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

void deleteClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
