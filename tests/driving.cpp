#include "driving.h"

#include <clocale>

#include <unistd.h>

namespace
{
// A home of the tests' own, before anything reads the real one: what the program keeps between
// starts (the zoom, the save dialogs' folder) and the toolkit's own settings go there.
const bool OwnHome = [] {
    static QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    QCoreApplication::setOrganizationName("Malvora");
    QCoreApplication::setApplicationName("Malvora");
    return home.isValid();
}();
} // namespace

void dropHarmlessWarnings()
{
    static QtMessageHandler next = nullptr;
    if (next) return;
    QVERIFY(OwnHome);
    next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type == QtWarningMsg &&
                (message == "This plugin does not support raise()" ||
                 message == "This plugin does not support propagateSizeHints()"))
                return;
            next(type, context, message);
        });
}

void readSystemReasonsInEnglish()
{
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "C.UTF-8");
    std::setlocale(LC_MESSAGES, "C.UTF-8");
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
    // without the word joiners that hold a Chinese word on one line
    return box && box->isVisible() ? box->text().remove(QChar(0x2060)) : QString();
}

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

QString announcement(QWidget *window)
{
    auto *announcer = window->findChild<QWidget *>(QStringLiteral("announcer"));
    QAccessibleInterface *told = QAccessible::queryAccessibleInterface(announcer);
    return told && told->role() == QAccessible::Notification ? told->text(QAccessible::Name)
                                                             : QString();
}

void deleteClosed()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QRect inkIn(const QImage &image, int below, QRect within)
{
    QRect ink;
    const QRect area = within.isEmpty() ? image.rect() : within & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < below) ink |= QRect(x, y, 1, 1);
    return ink;
}

bool mayActAsOtherUsers()
{
    QFile map("/proc/self/uid_map"); // lines of: first id inside, first outside, how many
    if (geteuid() != 0 || !map.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> n = map.readAll().simplified().split(' ');
    const auto mapped = [&n](qint64 user) {
        for (qsizetype k = 0; k + 2 < n.size(); k += 3)
            if (user >= n[k].toLongLong() && user - n[k].toLongLong() < n[k + 2].toLongLong())
                return true;
        return false;
    };
    return mapped(12345) && mapped(23456) && mapped(65534);
}
