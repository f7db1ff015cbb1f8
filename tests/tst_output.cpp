#include "charts/chartexport.h"
#include "charts/chartmenu.h"
#include "driving.h"
#include "model/clock.h"
#include "model/keptruns.h"
#include "model/observations.h"
#include "output/datafile.h"
#include "output/datatablemodel.h"
#include "windows/datatabl.h"

#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>
#include <thread>

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// As root, a mount namespace of the process alone (entered before any thread starts), private.
const bool ownMounts = [] {
    if (geteuid() != 0 || unshare(CLONE_NEWNS) != 0) return false;
    const QByteArray temporary = qEnvironmentVariableIsEmpty("TMPDIR") ? "/tmp" : qgetenv("TMPDIR");
    const auto privately = [&] {
        return mount(nullptr, temporary.constData(), nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    };
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 || privately() ||
           (mount(temporary.constData(), temporary.constData(), nullptr, MS_BIND, nullptr) == 0 &&
            privately());
}();

// A mount that never answers: a FUSE file system with no server, as a network mount gone away.
struct HungMount {
    int device = -1;
    QByteArray folder;
    bool mount(const QString &on)
    {
        folder = QFile::encodeName(on);
        device = open("/dev/fuse", O_RDWR | O_CLOEXEC);
        // A root whose /dev holds only the common devices: a FUSE device node of the test's own.
        const QByteArray node = folder + ".fuse";
        if (device < 0 && mknod(node, S_IFCHR | 0600, makedev(10, 229)) == 0) {
            device = open(node, O_RDWR | O_CLOEXEC);
            unlink(node);
        }
        const QByteArray options =
            "fd=" + QByteArray::number(device) + ",rootmode=40000,user_id=0,group_id=0";
        return device >= 0 && ::mount("malvora-test", folder, "fuse", MS_NOSUID | MS_NODEV,
                                      options.constData()) == 0;
    }
    ~HungMount()
    {
        if (device >= 0) close(device); // the mount's connection ends: the looks that wait fail
        if (!folder.isEmpty()) umount2(folder, MNT_DETACH);
    }
};

// Writes beyond so many bytes fail ("File too large") while this lives, as on a full disk.
struct FileSizeLimit {
    rlimit was{};
    explicit FileSizeLimit(qint64 bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the program
        getrlimit(RLIMIT_FSIZE, &was);
        const rlimit now{rlim_t(bytes), was.rlim_max};
        setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &was); }
};

// What a FIFO's reader receives until the writer closes it (or nothing comes for a minute).
std::future<QByteArray> readFifo(const QByteArray &fifo)
{
    const int fd = open(fifo, O_RDONLY | O_NONBLOCK);
    return std::async(std::launch::async, [fd] {
        QByteArray received;
        char buffer[65536];
        for (pollfd ready{fd, POLLIN, 0}; poll(&ready, 1, 60000) > 0;) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n == 0) break;
            if (n > 0) received.append(buffer, n);
        }
        close(fd);
        return received;
    });
}

// The paint events a window receives.
struct PaintCount : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// The folder of the dialog `open` shows, where `whileOpen` acts; the window behind must paint
// within a second, and a window thread that stops answering ends the test.
QString folderOfDialog(QWidget *window, const std::function<void()> &open,
                       const std::function<void(QFileDialog *)> &whileOpen, const QString &row)
{
    std::promise<void> answered;
    std::thread([done = answered.get_future(),
                 row = (QTest::currentDataTag() + (", " + row)).toStdString()] {
        if (done.wait_for(std::chrono::seconds(10)) == std::future_status::ready) return;
        // Qt Test cannot report it from a window thread that hangs on a mount.
        std::fprintf(stderr, "FAIL!  : %s: the window thread stopped answering\n", row.c_str());
        std::_Exit(1);
    }).detach();
    PaintCount paints;
    window->installEventFilter(&paints);
    QString folder;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) return;
        folder = dialog->directory().absolutePath();
        whileOpen(dialog);
        if (!dialog->isVisible()) return;
        paints.count = 0;
        QElapsedTimer clock;
        clock.start();
        window->update();
        const bool painted = QTest::qWaitFor([&] { return paints.count > 0; }, 1000);
        if (painted && clock.elapsed() < 1000) dialog->reject();
        // else left open: the watch ends the test
    });
    open();
    window->removeEventFilter(&paints);
    answered.set_value();
    return folder;
}

const QByteArray Header = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";

// The student who saves, and another user who plants links and FIFOs in shared folders.
constexpr uid_t Student = 12345, Planter = 23456;

// The program's command line for the student; strace holds it for 3 s at its first `hold` call.
QStringList asStudent(const QStringList &arguments, const QString &hold)
{
    const QString id = QString::number(Student);
    const QStringList command = QStringList{"setpriv", "--reuid=" + id, "--regid=" + id,
                                            "--clear-groups", MALVORA_PROGRAM} +
                                arguments;
    const QString strace =
        "strace -f -qq -o /dev/null -e trace=%1 -e inject=%1:delay_enter=3s:when=1";
    return hold.isEmpty() ? command : strace.arg(hold).split(' ') + command;
}

// The program that strace runs.
pid_t tracedChild(qint64 strace)
{
    QFile children(QString("/proc/%1/task/%1/children").arg(strace));
    return children.open(QIODevice::ReadOnly) ? pid_t(children.readAll().trimmed().toInt()) : 0;
}

// The hidden file that a write makes beside the target, if there is one now.
QString companionIn(const QString &folder)
{
    const QStringList parts = QDir(folder).entryList({"*.part"}, QDir::Hidden | QDir::Files);
    return parts.isEmpty() ? QString() : folder + '/' + parts.constFirst();
}

// A file of tests/data (defaults.csv: what Save writes with the defaults).
QByteArray testData(const QString &name)
{
    QFile file(QFINDTESTDATA("data/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const auto row = [](const char *texts) { return QString::fromLatin1(texts).split(", "); };
const auto name = [](QAccessibleInterface *a) { return a ? a->text(QAccessible::Name) : ""; };
// The headers of the six value columns, in the table and in the workbook.
const QStringList Columns = row("N(t)=N(0)*exp(rt), N(t+1)-N(t), [N(t+1)-N(t)]/N(t), dN(t)=r*N(t), "
                                "dN(t)/N(t), N(t)=N(t-1)+dN(t)");

// What the user reads in the row of time step t: the time, then the six values.
const auto rowTexts = [](const QTableView *view, int t) {
    const QAbstractItemModel *grid = view->model();
    QStringList texts{grid->headerData(t, Qt::Vertical).toString()};
    for (int c = 0; c < grid->columnCount(); ++c)
        texts.append(grid->index(t, c).data().toString());
    return texts;
};

// "Detail" in the large graph window, opened from the main window's chart if need be.
const auto detail = []() -> DataTabl & {
    if (!Forms::form<larggraf>().isVisible()) clickChart(Forms::form<Form1>().MSChart1);
    QTest::mouseClick(Forms::form<larggraf>().Command10, Qt::LeftButton);
    return Forms::form<DataTabl>();
};

// A workbook as a reader that is not ours sees it (openpyxl, from Debian).
QJsonArray workbookSeen(const QString &path)
{
    static const char *const script = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
print(json.dumps([{"name": s.title, "freeze": s.freeze_panes,
                   "charts": [len(c.series) for c in s._charts],
                   "formats": [c.number_format for c in s[6]] if s.max_row >= 6 else [],
                   "rows": [list(r) for r in s.iter_rows(values_only=True)]} for s in book]))
)";
    QProcess python;
    python.start("/usr/bin/python3", {"-c", script, path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning() << python.errorString() << python.readAllStandardError(); // python3-openpyxl
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

// The workbook keeps 16 significant digits (%.16G), more than a spreadsheet shows.
QString workbookNumber(double x)
{
    char text[40];
    return QString::fromLatin1(text, std::snprintf(text, sizeof text, "%.16G", x));
}

// The first seven cells of a row, numbers to the workbook's digits.
QStringList firstSeven(const QJsonArray &cells)
{
    QStringList texts;
    for (qsizetype c = 0; c < 7; ++c)
        texts << (cells[c].isDouble() ? workbookNumber(cells[c].toDouble()) : cells[c].toString());
    return texts;
}

// A run's seven columns as the workbook holds them: empty for a quotient over N(t) = 0.
QStringList stepCells(const RunSeries &run, int t)
{
    const auto k = size_t(t);
    const double n = run.Nt[k], blank = std::nan("");
    QStringList cells;
    for (const double x : {double(t), n, run.DeltaN[k], n == 0 ? blank : run.DeltaN[k] / n,
                           run.dNdt[k], n == 0 ? blank : run.dNdt[k] / n, run.NtDifference[k]})
        cells << (std::isnan(x) ? QString() : workbookNumber(x));
    return cells;
}

} // namespace

class tst_Output : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QByteArray contents(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
    }

  private slots:
    void initTestCase()
    {
        dropHarmlessWarnings();
        readSystemReasonsInEnglish();
    }
    void init()
    {
        MALVORA1::clear();
        Program::setEndHandler([] { QFAIL("The program ended."); });
        QLocale::setDefault(QLocale::c());
        QVERIFY(m_dir.emplace().isValid());
    }
    void cleanup() { Forms::unloadAll(); }

    // One run: the end of the saved file, and row t of the table "Detail" shows.
    void runs_data()
    {
        columns<QString, QStringList, QByteArray, int, QStringList>(
            {"locale", "boxes", "tail", "t", "expected"});
        QTest::addColumn<QString>("copied"); // the whole table's copy, in tests/data; empty: none
        // How an earlier table was left: close box, Command1 or Command2; -1: none.
        QTest::addColumn<int>("wayBack");
        // clang-format off
        QTest::addRow("defaults, t = 1") << "C" << row("0.2, 10, 20") << testData("defaults.csv") << 1 << row("1, 12.21, 2.7, 0.2214, 2.44, 0.2, 12") << "table-C.tsv" << -1;
        QTest::addRow("comma locale: same file") << "de_DE" << row("0.2, 10, 20") << testData("defaults.csv") << 20 << row("20, 545,98, 120,88, 0,2214, 109,2, 0,2, 383,38") << "table-de_DE.tsv" << -1;
        QTest::addRow("t = 100, wide values") << "C" << row("0.5, 10, 100") << QByteArray("\r\n100,5.18470552858707E+22,3.36342875871099E+22\r\n") << 100 << row("100, 5.18470552858707E+22, 3.36342875871099E+22, 0.6487, 2.59235276429354E+22, 0.5, 4.06561177535215E+18") << "" << -1;
        QTest::addRow("end time 0") << "C" << row("0.2, 10, 0") << Header + "0,10,2.214\r\n" << 0 << row("0, 10, 2.21, 0.2214, 2, 0.2, 10") << "" << 1;
        QTest::addRow("t = 50, beyond 32 bits") << "C" << row("0.2, 10, 50") << QByteArray("\r\n50,220264.6579,48767.2028\r\n") << 50 << row("50, 220264.66, 48767.2, 0.2214, 44052.93, 0.2, 91004.38") << "" << -1;
        QTest::addRow("t = 73, beyond 32 bits") << "C" << row("0.2, 10, 73") << QByteArray("\r\n73,21912878.7561,4851571.7958\r\n") << 73 << row("73, 21912878.76, 4851571.8, 0.2214, 4382575.75, 0.2, 6028801.18") << "" << -1;
        QTest::addRow("N(0) = 0: empty quotients") << "C" << row("0.2, 0, 20") << QByteArray("\n20,0,0\r\n") << 20 << row("20, 0, 0, , 0, , 0") << "" << -1;
        QTest::addRow("0.125: table tie goes to even") << "C" << row("0, 0.125, 1") << QByteArray("\n1,.125,0\r\n") << 1 << row("1, 0.12, 0, 0, 0, 0, 0.12") << "" << 2;
        QTest::addRow("file tie goes down") << "C" << row("0, 0.03125, 0") << Header + "0,.0312,0\r\n" << 0 << row("0, 0.03, 0, 0, 0, 0, 0.03") << "" << 0;
        QTest::addRow("file tie goes up") << "C" << row("0, 0.09375, 0") << Header + "0,.0938,0\r\n" << 0 << row("0, 0.09, 0, 0, 0, 0, 0.09") << "" << -1;
        QTest::addRow("smallest in the file") << "C" << row("0, 0.0001, 0") << Header + "0,.0001,0\r\n" << 0 << row("0, 0, 0, 0, 0, 0, 0") << "" << -1;
        QTest::addRow("largest values, never inf") << "C" << row("0, 1e305, 0") << Header + "0,1E+305,0\r\n" << 0 << row("0, 1E+305, 0, 0, 0, 0, 1E+305") << "" << -1;
        // clang-format on
    }
    void runs()
    {
        auto [locale, boxes, tail, t, expected, copied, wayBack] =
            fetch<QString, QStringList, QByteArray, int, QStringList, QString, int>(
                {"locale", "boxes", "tail", "t", "expected", "copied", "wayBack"});
        QLocale::setDefault(QLocale(locale));
        if (wayBack >= 0) {
            runWith();
            DataTabl &table = detail();
            if (wayBack == 0)
                QVERIFY(table.close());
            else
                QTest::mouseClick(wayBack == 1 ? table.Command1 : table.Command2, Qt::LeftButton);
        }
        Form1 &form1 = runWith(boxes[0], boxes[1], boxes[2]);
        form1.CommonDialog1 = [this](QWidget *) { return path("growth.csv"); };
        QTest::mouseClick(form1.Command10, Qt::LeftButton);
        const QByteArray bytes = contents("growth.csv");
        QCOMPARE(bytes.right(tail.size()), tail);
        QCOMPARE(bytes.count("\r\n"), boxes[2].toInt() + 2);
        QTableView *grid = detail().MSFlexGrid1; // to the run's last row, none left from before
        QVERIFY(grid->isVisible() && !Forms::form<Form1>().isVisible());
        QCOMPARE(grid->model()->rowCount(), boxes[2].toInt() + 1);
        QCOMPARE(rowTexts(grid, t), expected);
        // Each column starts wide enough for every value, in a larger font too.
        const auto cut = [grid](const QModelIndex &cell) {
            QStyleOptionViewItem option;
            option.initFrom(grid);
            option.font = grid->font();
            option.widget = grid;
            return grid->itemDelegate()->sizeHint(option, cell).width() >
                   grid->visualRect(cell).width();
        };
        for (const int points : {12, 21}) {
            grid->setFont(QFont(grid->font().family(), points));
            for (int c = 0; c < 6; ++c)
                for (int r = 0; r < grid->model()->rowCount(); ++r)
                    QVERIFY2(!cut(grid->model()->index(r, c)),
                             qPrintable(rowTexts(grid, r)[c + 1]));
        }
        // Narrowed by the user, a cut cell shows its whole value in a tooltip.
        const QModelIndex cell = grid->model()->index(t, 0);
        grid->scrollTo(cell);
        const auto tip = [&] {
            const QPoint at = grid->visualRect(cell).center();
            QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(grid->viewport(), &help);
            return QToolTip::text();
        };
        QTRY_COMPARE(tip(), QString());
        QHeaderView *header = grid->horizontalHeader();
        const QPoint edge(header->sectionSize(0) - 1, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, edge);
        QTest::mouseMove(header->viewport(), QPoint(1, edge.y()));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(1, edge.y()));
        QVERIFY(header->sectionSize(0) < edge.x());
        if (cut(cell)) QCOMPARE(tip(), expected[1]);
        if (!copied.isEmpty()) {
            // Ctrl+C copies the whole table, "Copy" the selection; HTML too, for any locale.
            const QString whole = QString::fromUtf8(testData(copied));
            QVERIFY(activate(grid->window()));
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), whole);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(cell).center());
            QCOMPARE(grid->actions().value(0)->text(), "Copy");
            grid->actions().value(0)->trigger();
            QCOMPARE(QGuiApplication::clipboard()->text(),
                     "Time\tN(t)=N(0)*exp(rt)\n" + expected[0] + '\t' + expected[1] + '\n');
            QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), whole);
            const QString fixed = QString(expected[1]).replace(',', '.');
            QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(
                "<td sdval=\"" + fixed + "\" sdnum=\"1033;\" x:num=\"" + fixed + "\">" +
                expected[1]));
        }
        // A screen reader hears the time column's corner, and row t's cells with their headers.
        QCOMPARE(name(QAccessible::queryAccessibleInterface(grid->findChild<QAbstractButton *>())),
                 "Time");
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(grid);
        QVERIFY(view && view->tableInterface());
        QStringList heard, told;
        for (int c = 0; c < 6; ++c) {
            QAccessibleInterface *cell = view->tableInterface()->cellAt(t, c);
            QAccessibleTableCellInterface *inCell = cell ? cell->tableCellInterface() : nullptr;
            QVERIFY(inCell);
            const auto headers = inCell->columnHeaderCells() + inCell->rowHeaderCells();
            heard << name(headers.value(0)) + " at " + name(headers.value(1)) + ": " + name(cell);
            // A row read as a whole tells its time with its first value.
            told << Columns[c] + " at " + expected[0] + ": " +
                        (c == 0 ? "Time " + expected[0] + ", " : QString()) + expected[c + 1];
            for (QAccessibleInterface *header : headers) // new, ours to delete
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
        }
        QCOMPARE(heard, told);
    }

    void workbook_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addRow("data table: a run, four kept runs, observations") << "table";
        QTest::addRow("--output NAME.xlsx: one run of 3000 steps") << "--output";
    }

    // The workbook read back by a reader that is not ours, every cell against the model.
    void workbook()
    {
        QFETCH(QString, writer);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::vector<RunSeries> runs;
        const QString book = path("book.xlsx");
        if (writer == "table") {
            for (const QString rate : {"0.1", "0.2", "-0.3", "0"}) {
                ChartControl *chart = runWith(rate, rate == "0" ? "0" : "10", "30").MSChart1;
                chart->menu().keepAction->trigger();
            }
            runWith("0,25", "7", "40");
            MALVORA1::Observed.set("counts.csv", {{1, 3}, {2, 0}, {3, 6}, {5, 11}});
            DataTabl &table = detail();
            runWith("0.9", "1", "5"); // the table goes on showing its run
            table.show();
            // A missing folder is told, the next good save clears it; .xlsx is added.
            QSignalSpy written(&table, &DataTabl::workbookWritten);
            const auto saveAs = [&](const QString &typed, bool succeeds) {
                table.WorkbookDialog = [typed](QWidget *) { return typed; };
                QVERIFY(activate(&table));
                QTest::keyClick(&table, Qt::Key_S, Qt::ControlModifier);
                QVERIFY(written.wait(60000));
                QCOMPARE(written.takeFirst().first().toBool(), succeeds);
            };
            saveAs(path("missing/book"), false);
            QVERIFY2(notice(&table).startsWith("Cannot write " +
                                               path("missing/book.xlsx:\nNo such file")),
                     qPrintable(notice(&table)));
            saveAs(path("book"), true);
            QCOMPARE(notice(&table), QString());
            runs.push_back(table.model()->run());
            for (const KeptRun &kept : MALVORA1::Kept.runs())
                runs.push_back(kept.series());
        } else {
            QProcess program;
            program.start(MALVORA_PROGRAM, {"--rate", "0.2", "--end", "2999", "--output", book});
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitCode(), 0);
            runWith("0.2", "10", "2999");
            runs.push_back(currentRun());
        }
        const QJsonArray sheets = workbookSeen(book);
        QCOMPARE(sheets.size(), qsizetype(runs.size()) + (writer == "table"));
        for (size_t k = 0; k < runs.size(); ++k) {
            const QJsonObject sheet = sheets[qsizetype(k)].toObject();
            const QJsonArray rows = sheet["rows"].toArray();
            const RunSeries &run = runs[k];
            QCOMPARE(sheet["name"].toString(), k == 0 ? "Run" : "Kept run " + QString::number(k));
            QCOMPARE(rows[0].toArray()[1].toDouble(), run.rate);
            QCOMPARE(rows[1].toArray()[1].toDouble(), run.initialSize());
            QCOMPARE(rows[2].toArray()[1].toInt(), int(run.endTime));
            QCOMPARE(firstSeven(rows[4].toArray()), QStringList{"Time"} + Columns);
            QCOMPARE(rows.size(), run.endTime + 6);
            for (int t = 0; t <= run.endTime; ++t)
                QCOMPARE(firstSeven(rows[t + 5].toArray()), stepCells(run, t));
            QCOMPARE(sheet["freeze"].toString(), "A6");
            QCOMPARE(firstSeven(sheet["formats"].toArray()),
                     QStringList({"0", "0.00", "0.00", "0.0000", "0.00", "0.0000", "0.00"}));
            QCOMPARE(sheet["charts"].toArray(), QJsonArray({2}));
        }
        if (writer != "table") return;
        const QJsonArray counts = sheets.last()["rows"].toArray();
        QCOMPARE(sheets.last()["name"].toString(), "Observed");
        QCOMPARE(counts.size(), 7); // the header and the fit's six figures beside the counts
        for (int k = 0; k < 4; ++k) {
            const Observation &o = MALVORA1::Observed.observations()[size_t(k)];
            const QJsonArray cells = counts[k + 1].toArray();
            QCOMPARE(cells[0].toDouble(), o.time);
            QCOMPARE(cells[1].toDouble(), o.count);
            QCOMPARE(cells[2].toDouble(), MALVORA1::Observed.fitted(o.time));
        }
        QCOMPARE(counts[5].toArray()[4].toString(), "counts fitted = 3");
    }

    // What a name may stand for, through every writer: the run's bytes, whole or not at all, mode
    // and owner kept; a failure names the file and why and keeps the old one.
    void writeTargets_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("target");
        for (const QString writer : {"Save", "--output", "chart PNG", "chart SVG"})
            for (const QString &target :
                 QString("regular file;read-only file;directory;FIFO with a reader;"
                         "link to /dev/null;link to /dev/full;symlink to a file;symlink loop;"
                         "room for no byte;room for all but one byte;room for every byte;"
                         "missing folder;file as folder;name read with U+FFFD;Cancel;no extension;"
                         "other extension;FIFO without a reader;FIFO, a reader after the notice;"
                         "student: own 0600 file;student: link planted in a sticky folder;"
                         "student: FIFO planted in a sticky folder;"
                         "student: own file in a read-only folder;student: SIGTERM mid-write;"
                         "student: SIGINT mid-write;student: SIGHUP mid-write")
                     .split(';'))
                // Dialogs, filters and notices where the writer has them; students use --output.
                if (!(writer == "--output" && (target == "Cancel" || target.contains("FFFD") ||
                                               target.contains("notice"))) &&
                    !(target.endsWith("extension") && !writer.startsWith("chart")) &&
                    !(target.startsWith("student") && writer != "--output"))
                    QTest::addRow("%s, %s", qPrintable(writer), qPrintable(target))
                        << writer << target;
    }

    void writeTargets()
    {
        QFETCH(QString, writer);
        QFETCH(QString, target);
        const bool root = geteuid() == 0, others = mayActAsOtherUsers();
        const bool student = target.startsWith("student");
        QVERIFY2(!student || others, "make test runs as root, where the users 12345 and 23456 are "
                                     "the test's own");
        for (const char *tool : {"setpriv", "strace"}) // make deps installs them
            QVERIFY2(!student || !QStandardPaths::findExecutable(tool).isEmpty(), tool);
        int ending = 0; // the signal that ends the program mid-write; strace holds it at `hold`
        for (const int s : {SIGTERM, SIGINT, SIGHUP})
            if (target.contains(QString("SIG%1").arg(sigabbrev_np(s)))) ending = s;
        const QString hold = ending ? "fsync" : target.contains("0600") ? "fchown" : "";

        Form1 &form1 = runWith("0.2", "10", "2999");
        form1.n0->setText("99"); // a box changed since the run: what is written is still the run's
        ChartControl *chart = form1.MSChart1;
        const QString suffix = writer.startsWith("chart") ? writer.right(3).toLower() : "csv";
        // The file written, the name the user gives, what holds the bytes afterwards.
        QString name = path("target." + suffix), typed = name, holder = name;
        const QByteArray bytes =
            suffix == "csv" ? dataFileText()
                            : chartFile(chart->drawn(), 2,
                                        suffix == "svg" ? ChartFormat::Svg : ChartFormat::Png);
        const QByteArray old(3000, 'x');
        const auto oldFile = [&](const QString &file, mode_t mode) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
            QVERIFY(f.setPermissions(QFile::ReadOwner)); // then the mode asked for
            QCOMPARE(chmod(QFile::encodeName(file), mode), 0);
            if (others) QCOMPARE(chown(QFile::encodeName(file), 65534, 65534), 0); // nobody
        };
        std::future<QByteArray> reader; // what a FIFO's reader receives
        QString reason, told;           // why the write fails, and what the user is told
        mode_t mode = 0640;
        uid_t owner = others ? 65534 : geteuid();
        const QByteArray n = QFile::encodeName(name);
        // A disk with room for so many bytes: the write takes what fits, the next one fails.
        const bool room = target.startsWith("room");
        qint64 limit = !room                        ? -1
                       : target.contains("no byte") ? 0
                                                    : bytes.size() - target.contains("but one");
        if (target == "regular file" || target == "Cancel" || room) {
            oldFile(name, mode);
            if (target == "Cancel") typed.clear();
            if (room && limit < bytes.size()) reason = "File too large";
        } else if (target.endsWith("extension")) {
            typed = path(target.startsWith("no") ? "target" : "target.v2");
            oldFile(holder = name = typed + "." + suffix, mode);
        } else if (target == "missing folder" || target.endsWith("U+FFFD")) {
            const bool missing = target == "missing folder";
            typed = name = path((missing ? "missing/target." : "target\uFFFD.") + suffix);
            holder.clear();
            reason = missing ? "No such file" : "Choose another name";
        } else if (target == "file as folder") {
            oldFile(holder = path("target"), mode);
            typed = name = holder + "/target." + suffix;
            reason = "Not a directory";
        } else if (target == "read-only file") {
            oldFile(name, mode = 0444);
            if (!root) reason = "Permission denied";
        } else if (target == "directory") {
            QVERIFY(QDir().mkdir(name));
            reason = "Is a directory";
        } else if (target.contains("/dev/")) { // written into, never replaced
            holder = target.section(' ', 2);
            QCOMPARE(symlink(QFile::encodeName(holder), n), 0);
            if (holder == "/dev/full") reason = "No space left on device";
        } else if (target == "symlink to a file") {
            oldFile(holder = path("file." + suffix), mode);
            QCOMPARE(symlink(QFile::encodeName("file." + suffix), n), 0);
        } else if (target == "symlink loop") {
            QCOMPARE(symlink("other", n), 0);
            QCOMPARE(symlink(n, QFile::encodeName(path("other"))), 0);
            reason = "Too many levels of symbolic links";
        } else if (target.startsWith("FIFO")) {
            QCOMPARE(mkfifo(n, 0644), 0);
            if (target.contains("with a reader")) reader = readFifo(n);
            if (target.contains("without") && writer != "--output") reason = "Operation canceled";
        } else if (student) {
            // A folder everyone may write, sticky as /tmp, or one the student may not write.
            const mode_t folder = target.contains("read-only") ? 0755 : 01777;
            QCOMPARE(chmod(QFile::encodeName(m_dir->path()), folder), 0);
            owner = Student;
            if (target.contains("planted")) {
                // The student's notes, and what another user put where the student saves.
                const QByteArray notes = QFile::encodeName(holder = path("notes.csv"));
                oldFile(holder, mode);
                QCOMPARE(chown(notes, Student, Student), 0);
                QCOMPARE(target.contains("link") ? symlink("notes.csv", n) : mkfifo(n, 0666), 0);
                QCOMPARE(lchown(n, Planter, Planter), 0);
                if (target.contains("FIFO")) QCOMPARE(chmod(n, 0666), 0); // open to anyone
                if (target.contains("FIFO")) holder = name;
                reason = "Permission denied";
            } else {
                oldFile(name, mode = target.contains("0600") ? 0600 : 0640);
                QCOMPARE(chown(n, Student, Student), 0);
            }
        }
        // The kind of file that holds the bytes or the old file afterwards.
        const mode_t kind = target.contains("FIFO") && holder == name ? S_IFIFO
                            : target.contains("/dev/")                ? S_IFCHR
                            : target == "directory"                   ? S_IFDIR
                            : target == "symlink loop"                ? S_IFLNK
                                                                      : S_IFREG;
        const auto listing = [this] {
            return QDir(m_dir->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        };
        const QStringList before = listing();

        // The dialog picks the other type than the name's, so that the name decides.
        const auto write = [&] {
            std::optional<FileSizeLimit> disk;
            if (limit >= 0) disk.emplace(limit);
            if (writer == "--output") {
                QStringList command{MALVORA_PROGRAM, "--end", "2999", "--output", typed};
                if (student) command = asStudent(command.mid(1), hold);
                QProcess program;
                if (!hold.isEmpty()) { // the leak checker of a sanitized build cannot run traced
                    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
                    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
                    program.setProcessEnvironment(environment);
                }
                program.start(command.takeFirst(), command);
                disk.reset(); // the program's own
                // The command line waits for its reader, as a shell does.
                if (target.contains("without")) reader = readFifo(n);
                if (!hold.isEmpty()) {
                    // The file beside the target is the student's alone from its first byte.
                    QString part;
                    QTRY_VERIFY_WITH_TIMEOUT(!(part = companionIn(m_dir->path())).isEmpty(), 20000);
                    struct stat made;
                    QCOMPARE(stat(QFile::encodeName(part), &made), 0);
                    if (!ending) QCOMPARE(made.st_mode & 07777, mode_t(0600));
                    if (ending) QCOMPARE(kill(tracedChild(program.processId()), ending), 0);
                }
                QVERIFY(program.waitForFinished(60000));
                told = QString::fromLocal8Bit(program.readAllStandardError());
                QCOMPARE(program.exitStatus(), ending ? QProcess::CrashExit : QProcess::NormalExit);
                if (!ending) QCOMPARE(program.exitCode(), reason.isEmpty() ? 0 : 1);
                return;
            }
            form1.CommonDialog1 = [&](QWidget *) { return typed; };
            chart->menu().saveDialog = [&](QWidget *, const QString &filters, QString *filter) {
                *filter = filters.split(";;").value((suffix == "svg") != typed.endsWith(suffix));
                return filters == "PNG image (*.png);;SVG image (*.svg)" ? typed : QString();
            };
            if (writer == "Save")
                QTest::mouseClick(form1.Command10, Qt::LeftButton);
            else
                chart->menu().saveAction->trigger();
            told = notice(&form1);
        };
        // Waiting for a FIFO's reader the window paints and ticks; after a second a notice.
        PaintCount paints;
        QStringList clock;
        QString waiting;
        QTimer watch;
        QElapsedTimer waited;
        qint64 noticed = -1, ticks = 0; // when the notice came
        Clock::set([&ticks] { return QDateTime(QDate(2026, 3, 2), QTime(8, 0)).addSecs(ticks++); });
        const auto systemClock = qScopeGuard([] { Clock::set({}); });
        if (target.startsWith("FIFO") && !reader.valid() && writer != "--output") {
            form1.installEventFilter(&paints);
            connect(&watch, &QTimer::timeout, [&] {
                form1.update();
                if (!form1.Label6->text().isEmpty()) clock << form1.Label6->text();
                clock.removeDuplicates();
                auto *box = form1.findChild<QMessageBox *>("readerWait");
                if (box && box->isVisible() && noticed < 0) noticed = waited.elapsed();
                if (!box || !box->isVisible() || clock.size() < 3) return;
                waiting = box->text();
                watch.stop();
                if (reason.isEmpty())
                    reader = readFifo(n);
                else
                    box->button(QMessageBox::Cancel)->click();
            });
            watch.start(50);
            waited.start();
        }
        write();
        if (waited.isValid()) {
            QVERIFY2(waiting.startsWith("No program is reading " + QDir::toNativeSeparators(name)),
                     qPrintable(waiting));
            QVERIFY2(noticed >= 1000 && noticed < 3000, qPrintable(QString::number(noticed)));
            QVERIFY2(clock.size() >= 3 && paints.count >= 10,
                     qPrintable(clock.join(", ") + QString::number(paints.count)));
            QVERIFY(!form1.findChild<QMessageBox *>("readerWait"));
        }

        // What the user is told: nothing, or the name and the reason.
        QVERIFY2(reason.isEmpty() == told.isEmpty(), qPrintable(told));
        QVERIFY2(told.isEmpty() ||
                     (told.contains("Cannot write " + QDir::toNativeSeparators(name) + ":") &&
                      told.contains(reason) && !told.contains("Unknown")),
                 qPrintable(told));
        // The bytes, or the old file as it was, in a file of the same kind.
        if (reader.valid()) QVERIFY(reader.get() == bytes);
        struct stat status;
        if (!holder.isEmpty()) {
            QCOMPARE(lstat(QFile::encodeName(holder), &status), 0);
            QCOMPARE(status.st_mode & S_IFMT, kind);
        }
        if (kind == S_IFREG && !holder.isEmpty()) {
            const bool written = reason.isEmpty() && !typed.isEmpty() && !ending;
            QVERIFY(contents(QFileInfo(holder).fileName()) == (written ? bytes : old));
            // A PNG shows the chart as drawn, pixel for pixel.
            if (suffix == "png" && written)
                QCOMPARE(QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32),
                         chartImage(chart->drawn(), 2));
            QCOMPARE(status.st_mode & 07777, mode);
            QCOMPARE(status.st_uid, owner);
            QCOMPARE(status.st_gid, others ? owner : getegid());
        }
        if (target.contains("link to")) QVERIFY(lstat(n, &status) == 0 && S_ISLNK(status.st_mode));
        // Nothing left beside it.
        QCOMPARE(listing(), before);
        // The next good save, elsewhere, takes the notice away.
        if (told.isEmpty() || writer == "--output") return;
        const QTemporaryDir elsewhere;
        typed = elsewhere.filePath("again." + suffix);
        limit = -1;
        write();
        QVERIFY2(told.isEmpty() && QFileInfo(typed).size() == bytes.size(), qPrintable(told));
    }

    // The folder remembered for save dialogs, and whether they open there; the toolkit's is /proc.
    void saveDialogsNeverHoldTheWindow_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("used");
        QTest::addColumn<bool>("changes"); // its permissions, while the dialog is open
        const bool root = geteuid() == 0;  // root may read any folder
        QTest::newRow("the toolkit's only") << "" << false << false;
        // Folders that are not there, or that are no place for a user's files.
        for (const char *unusable : {"/proc", "/proc/self", "/sys", "/dev", "removed", "hung"})
            QTest::newRow(unusable) << QString(unusable) << false << false;
        QTest::newRow("FIFOs, a socket, links to /proc/kmsg") << "fifos" << true << false;
        QTest::newRow("unreadable") << "unreadable" << root << false;
        QTest::newRow("permissions change while open") << "changing" << true << true;
    }

    void saveDialogsNeverHoldTheWindow()
    {
        auto [remembered, used, changes] =
            fetch<QString, bool, bool>({"remembered", "used", "changes"});
        QSettings().clear();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        const QString kept = remembered.startsWith('/') ? remembered : path(remembered);
        const QByteArray folder = QFile::encodeName(kept);
        if (remembered == "fifos") {
            QVERIFY(mkdir(folder, 0755) == 0 && mkfifo(folder + "/pipe", 0644) == 0 &&
                    mkfifo(folder + "/notes.txt", 0644) == 0 &&
                    symlink("/proc/kmsg", folder + "/kmsg") == 0 &&
                    symlink("/proc/kmsg", folder + "/log.csv") == 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, folder + "/socket", sizeof address.sun_path);
            const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
            close(sock);
        } else if (remembered == "removed") {
            QVERIFY(mkdir(folder, 0755) == 0 && rmdir(folder) == 0);
        } else if (remembered == "unreadable" || remembered == "changing") {
            QVERIFY(mkdir(folder, remembered == "changing" ? 0755 : 0) == 0);
        }
        HungMount hung;
        if (remembered == "hung") { // a mount that no longer answers
            QVERIFY2(ownMounts, "make test runs as root, whose mounts the test's own may be");
            QVERIFY(mkdir(folder, 0755) == 0 && hung.mount(kept));
        }
        if (!remembered.isEmpty()) QSettings().setValue("saveFolder", kept);
        // The toolkit's file as a save into /proc left it, byte for byte.
        {
            QSettings shared(QSettings::UserScope, "QtProject");
            shared.clear();
            shared.beginGroup("FileDialog");
            shared.setValue("lastVisited", "file:///proc");
            shared.setValue("history", QStringList{"file:///proc", "file:///proc/self"});
            shared.setValue("shortcuts", QStringList{"file:", "file:///proc"});
            shared.setValue("viewMode", "Detail");
        }
        QFile sharedFile(qEnvironmentVariable("XDG_CONFIG_HOME") + "/QtProject.conf");
        QVERIFY(sharedFile.open(QIODevice::ReadOnly));
        const QByteArray found = sharedFile.readAll();
        sharedFile.close();

        const auto whileOpen = [&](QFileDialog *) {
            if (changes) chmod(folder, 0);
        };
        // A folder made unusable under the first dialog is not used by the next (but by root).
        const QString first = used ? kept : documents;
        const QString later = used && (!changes || geteuid() == 0) ? kept : documents;
        Form1 &form1 = runWith();
        const auto save = [&] { QTest::mouseClick(form1.Command10, Qt::LeftButton); };
        QCOMPARE(folderOfDialog(&form1, save, whileOpen, "Save"), first);
        const auto saveChart = [](ChartControl *chart) {
            return [chart] { chart->menu().saveAction->trigger(); };
        };
        QCOMPARE(folderOfDialog(&form1, saveChart(form1.MSChart1), whileOpen, "chart"), later);
        clickChart(form1.MSChart1);
        larggraf &large = Forms::form<larggraf>();
        QCOMPARE(folderOfDialog(&large, saveChart(large.MSChart1), whileOpen, "large chart"),
                 later);
        if (changes || remembered == "unreadable") chmod(folder, 0755); // for its removal
        // The dialogs' state is the program's own; the toolkit's file is as it was.
        QVERIFY(QSettings().contains("saveDialog"));
        QVERIFY(sharedFile.open(QIODevice::ReadOnly));
        QCOMPARE(sharedFile.readAll(), found);
    }

    // Save dialogs open in the documents folder, then where the user saved last, after a restart
    // too.
    void saveDialogsStartWhereTheLastSaveWent()
    {
        QSettings().clear();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(documents.startsWith(QDir::homePath()) && QDir().mkpath(documents));
        // The folder the dialog opens in; the name is typed, the list view kept from then on.
        QList<QFileDialog::ViewMode> views;
        const auto saveIn = [&views](QWidget *window, const std::function<void()> &save,
                                     const QString &name) {
            const auto typeName = [&](QFileDialog *dialog) {
                views << dialog->viewMode();
                dialog->setViewMode(QFileDialog::List);
                dialog->selectFile(name);
                static_cast<QDialog *>(dialog)->accept(); // as Save in the dialog does
            };
            return folderOfDialog(window, save, typeName, name);
        };
        const auto pressSave = [] {
            QTest::mouseClick(Forms::form<Form1>().Command10, Qt::LeftButton);
        };
        QCOMPARE(saveIn(&runWith(), pressSave, path("growth.txt")), documents);
        QVERIFY(QFile::exists(path("growth.txt")));
        Forms::unloadAll(); // the next start
        QCOMPARE(saveIn(&runWith(), pressSave, QDir::home().filePath("again.csv")), m_dir->path());
        clickChart(Forms::form<Form1>().MSChart1);
        larggraf &large = Forms::form<larggraf>();
        const auto saveChart = [&large] { large.MSChart1->menu().saveAction->trigger(); };
        QCOMPARE(saveIn(&large, saveChart, path("chart.png")), QDir::homePath());
        QVERIFY(QFile::exists(path("chart.png")) && notice(&large).isEmpty());
        QCOMPARE(views, QList({QFileDialog::Detail, QFileDialog::List, QFileDialog::List}));
    }
};

QTEST_MAIN(tst_Output)
#include "tst_output.moc"
