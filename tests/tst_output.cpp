#include "charts/chartexport.h"
#include "charts/chartmenu.h"
#include "driving.h"
#include "output/datafile.h"
#include "windows/datatabl.h"

#include <future>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace
{

// As root the test makes small disks and device nodes of its own (driving.h).
const bool ownMounts = enterOwnMountNamespace();

// What a FIFO's reader receives while the program writes into it: there before the write starts,
// it reads until the writer closes the FIFO (or nothing comes for a minute).
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

const QByteArray Header = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";

// A file of tests/data: defaults.csv is the file that Save writes with the defaults, byte for
// byte, as the command line's and the end-to-end tests expect too.
QByteArray testData(const QString &name)
{
    QFile file(QFINDTESTDATA("data/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const auto row = [](const char *texts) { return QString::fromLatin1(texts).split(", "); };
const auto name = [](QAccessibleInterface *a) { return a ? a->text(QAccessible::Name) : ""; };

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

    // One run: the end of the saved file (a line per step, values to 0.0001 with ties to the even
    // neighbour, no leading zero), and row t of the table "Detail" shows (to 0.01).
    void runs_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("t");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("copied"); // the whole table's copy, in tests/data; empty: none
        // How the table of a run of T 20 before it was left: the close box, "Back to the main form"
        // or "Back to the graph form"; -1: no table before.
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
        QFETCH(QString, locale);
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, tail);
        QFETCH(int, t);
        QFETCH(QStringList, expected);
        QFETCH(QString, copied);
        QFETCH(int, wayBack);
        QLocale::setDefault(QLocale(locale));
        if (wayBack >= 0) { // each way keeps the graph window; the close box unloads the table
            runWith();
            DataTabl &table = detail();
            if (wayBack == 0)
                QVERIFY(table.close());
            else
                QTest::mouseClick(wayBack == 1 ? table.Command1 : table.Command2, Qt::LeftButton);
            QCOMPARE(Forms::form<Form1>().isVisible(), wayBack == 1);
            QVERIFY(Forms::form<larggraf>().isVisible());
            QCOMPARE(Forms::isLoaded<DataTabl>(), wayBack != 0);
            QVERIFY(wayBack == 0 || !table.isVisible());
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
        // Each column starts wide enough for every value, by the view's own measure of a cell,
        // and so again in a larger font.
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
            // Ctrl+C copies the whole table while nothing is selected, and so after Ctrl+A; "Copy"
            // in the context menu copies the selection. HTML too, with values that spreadsheets
            // of any locale read.
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
        const QStringList columns = row("N(t)=N(0)*exp(rt), N(t+1)-N(t), [N(t+1)-N(t)]/N(t), "
                                        "dN(t)=r*N(t), dN(t)/N(t), N(t)=N(t-1)+dN(t)");
        QStringList heard, told;
        for (int c = 0; c < 6; ++c) {
            QAccessibleInterface *cell = view->tableInterface()->cellAt(t, c);
            QAccessibleTableCellInterface *inCell = cell ? cell->tableCellInterface() : nullptr;
            QVERIFY(inCell);
            const auto headers = inCell->columnHeaderCells() + inCell->rowHeaderCells();
            heard << name(headers.value(0)) + " at " + name(headers.value(1)) + ": " + name(cell);
            // A row read as a whole tells its time with its first value.
            told << columns[c] + " at " + expected[0] + ": " +
                        (c == 0 ? "Time " + expected[0] + ", " : QString()) + expected[c + 1];
            for (QAccessibleInterface *header : headers) // new, ours to delete
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
        }
        QCOMPARE(heard, told);
    }

    // One table of what a name may stand for, through every writer of the program: the window's
    // Save, the command line's --output and the chart's "Save chart as..." in PNG and SVG. The
    // bytes are the run's (not what the boxes hold since), written whole or not at all; a regular
    // file is replaced keeping its mode and owner, a FIFO or a device is written into, a link
    // followed. A failure names the file and why, keeps the old file and goes with the next good
    // save. A name the dialog read with U+FFFD in place of bytes is refused: it would name another
    // file. The chart's file has the type its name ends in, else the chosen filter's.
    void writeTargets_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("target");
        for (const QString writer : {"Save", "--output", "chart PNG", "chart SVG"})
            for (const QString target :
                 {"regular file", "read-only file", "directory", "FIFO with a reader",
                  "device node", "/dev/full", "symlink to a file", "symlink loop",
                  "tmpfs 0 KB free", "tmpfs 4 KB free", "tmpfs 12 KB free", "tmpfs 40 KB free",
                  "missing folder", "file as folder", "name read with U+FFFD", "Cancel",
                  "no extension", "other extension"})
                // Cancel and a misread name are a dialog's, the filters the chart's.
                if (!(writer == "--output" && (target == "Cancel" || target.contains("FFFD"))) &&
                    !(target.endsWith("extension") && !writer.startsWith("chart")))
                    QTest::addRow("%s, %s", qPrintable(writer), qPrintable(target))
                        << writer << target;
    }

    void writeTargets()
    {
        QFETCH(QString, writer);
        QFETCH(QString, target);
        const bool root = geteuid() == 0;
        const bool full = target.startsWith("tmpfs");
        if ((full || target.contains("/dev/full") || target == "device node") && !ownMounts)
            QSKIP("Needs root: the disk and the device nodes are the test's own.");
        Disk disk; // the row's own disk, where root may make one
        if (ownMounts) QVERIFY(disk.mount(m_dir->path(), full ? 512 : 4096));

        Form1 &form1 = runWith("0.2", "10", "2999");
        form1.n0->setText("99"); // a box changed since the run: what is written is still the run's
        ChartControl *chart = form1.MSChart1;
        const QString suffix = writer.startsWith("chart") ? writer.right(3).toLower() : "csv";
        QString name = path("target." + suffix); // the file written
        QString typed = name;                    // the name the user gives
        QString holder = name;                   // what holds the bytes afterwards, if anything
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
            if (root) QCOMPARE(chown(QFile::encodeName(file), 65534, 65534), 0); // nobody:nogroup
        };
        std::future<QByteArray> reader; // what a FIFO's reader receives
        QString reason;                 // why the write fails; empty where it succeeds
        mode_t mode = 0640;
        const QByteArray n = QFile::encodeName(name);
        if (target == "regular file" || target == "Cancel" || full) {
            oldFile(name, mode);
            if (target == "Cancel") typed.clear();
        } else if (target.endsWith("extension")) {
            typed = path(target.startsWith("no") ? "target" : "target.v2");
            oldFile(holder = name = typed + "." + suffix, mode);
        } else if (target == "missing folder") {
            typed = name = path("missing/target." + suffix);
            holder.clear();
            reason = "No such file";
        } else if (target == "file as folder") {
            oldFile(holder = path("target"), mode);
            typed = name = holder + "/target." + suffix;
            reason = "Not a directory";
        } else if (target.endsWith("U+FFFD")) {
            typed = name = path("target\uFFFD." + suffix);
            holder.clear();
            reason = "Choose another name";
        } else if (target == "read-only file") {
            oldFile(name, mode = 0444);
            if (!root) reason = "Permission denied";
        } else if (target == "directory") {
            QVERIFY(QDir().mkdir(name));
            reason = "Is a directory";
        } else if (target == "FIFO with a reader") {
            QCOMPARE(mkfifo(n, 0644), 0);
            reader = readFifo(n);
        } else if (target == "device node") {
            QCOMPARE(mknod(n, S_IFCHR | 0666, makedev(1, 3)), 0); // as /dev/null
        } else if (target == "/dev/full") {
            QCOMPARE(mknod(n, S_IFCHR | 0666, makedev(1, 7)), 0); // as /dev/full
            reason = "No space left on device";
        } else if (target == "symlink to a file") {
            oldFile(holder = path("file." + suffix), mode);
            QCOMPARE(symlink(QFile::encodeName("file." + suffix), n), 0);
        } else if (target == "symlink loop") {
            QCOMPARE(symlink("other", n), 0);
            QCOMPARE(symlink(n, QFile::encodeName(path("other"))), 0);
            reason = "Too many levels of symbolic links";
        }
        if (full) {
            // Filled to the free space the row names; the file fits when its pages do.
            const qint64 left = target.section(' ', 1, 1).toLongLong() * 1024;
            QVERIFY(fillTo(m_dir->path(), left));
            if ((bytes.size() + 4095) / 4096 * 4096 > left) reason = "No space left on device";
        }
        // The kind of file that holds the bytes or the old file afterwards.
        const mode_t kind = reader.valid()             ? S_IFIFO
                            : target.contains("dev")   ? S_IFCHR
                            : target == "directory"    ? S_IFDIR
                            : target == "symlink loop" ? S_IFLNK
                                                       : S_IFREG;
        const auto listing = [this] {
            return QDir(m_dir->path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        };
        const QStringList before = listing();

        // The dialog offers the two types and picks one: the other type than the name's where
        // the name ends in .png or .svg, so that the name decides.
        QString told;
        const auto write = [&] {
            if (writer == "--output") {
                QProcess program;
                program.start(MALVORA_PROGRAM, {"--end", "2999", "--output", typed});
                QVERIFY(program.waitForFinished(60000));
                told = QString::fromLocal8Bit(program.readAllStandardError());
                QCOMPARE(program.exitCode(), reason.isEmpty() ? 0 : 1);
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
        write();

        // What the user is told: nothing, or the name and the reason.
        QVERIFY2(reason.isEmpty() == told.isEmpty(), qPrintable(told));
        QVERIFY2(told.isEmpty() ||
                     (told.contains("Cannot write " + QDir::toNativeSeparators(name) + ":") &&
                      told.contains(reason) && !told.contains("Unknown")),
                 qPrintable(told));
        // The bytes, or the old file as it was, in a file of the same kind.
        if (kind == S_IFIFO) QVERIFY(reader.get() == bytes);
        struct stat status;
        if (!holder.isEmpty()) {
            QCOMPARE(lstat(QFile::encodeName(holder), &status), 0);
            QCOMPARE(status.st_mode & S_IFMT, kind);
        }
        if (kind == S_IFREG && !holder.isEmpty()) {
            const bool written = reason.isEmpty() && !typed.isEmpty();
            QVERIFY(contents(QFileInfo(holder).fileName()) == (written ? bytes : old));
            // A PNG shows the chart as drawn, pixel for pixel.
            if (suffix == "png" && written)
                QCOMPARE(QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32),
                         chartImage(chart->drawn(), 2));
            QCOMPARE(status.st_mode & 07777, mode);
            QCOMPARE(status.st_uid, root ? 65534 : geteuid());
            QCOMPARE(status.st_gid, root ? 65534 : getegid());
        }
        if (target == "symlink to a file")
            QVERIFY(lstat(n, &status) == 0 && S_ISLNK(status.st_mode));
        // Nothing left beside it.
        QCOMPARE(listing(), before);
        // The next good save, elsewhere, takes the notice away.
        if (told.isEmpty() || writer == "--output") return;
        const QTemporaryDir elsewhere;
        typed = elsewhere.filePath("again." + suffix);
        write();
        QVERIFY2(told.isEmpty() && QFileInfo(typed).size() == bytes.size(), qPrintable(told));
    }

    // Both save dialogs open in the documents folder at first, then where the user saved last,
    // after a restart too; the file keeps the name as typed.
    void saveDialogsStartWhereTheLastSaveWent()
    {
        QSettings().clear();
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(documents.startsWith(QDir::homePath()) && QDir().mkpath(documents));
        // The folder the dialog opens in; then the name typed into it, and Save.
        const auto saveIn = [](const std::function<void()> &save, const QString &name) {
            QString folder;
            QTimer::singleShot(0, [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                folder = dialog->directory().absolutePath();
                dialog->selectFile(name);
                static_cast<QDialog *>(dialog)->accept(); // as Save in the dialog does
            });
            save();
            return folder;
        };
        runWith();
        const auto pressSave = [] {
            QTest::mouseClick(Forms::form<Form1>().Command10, Qt::LeftButton);
        };
        QCOMPARE(saveIn(pressSave, path("growth.txt")), documents);
        QVERIFY(QFile::exists(path("growth.txt")));
        Forms::unloadAll(); // the next start
        runWith();
        QCOMPARE(saveIn(pressSave, QDir::home().filePath("again.csv")), m_dir->path());
        clickChart(Forms::form<Form1>().MSChart1);
        const auto saveChart = [] {
            Forms::form<larggraf>().MSChart1->menu().saveAction->trigger();
        };
        QCOMPARE(saveIn(saveChart, path("chart.png")), QDir::homePath());
        QVERIFY(QFile::exists(path("chart.png")) && notice(&Forms::form<larggraf>()).isEmpty());
    }
};

QTEST_MAIN(tst_Output)
#include "tst_output.moc"
