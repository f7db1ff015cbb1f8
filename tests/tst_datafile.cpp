#include "model/malvora1.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "windows/main/form1.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace
{

const QByteArray Header = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";

// clang-format off
const QByteArray Defaults = Header + QByteArrayList{
    "0,10,2.214", "1,12.214,2.7042", "2,14.9182,3.3029", "3,18.2212,4.0342", "4,22.2554,4.9274",
    "5,27.1828,6.0184", "6,33.2012,7.3508", "7,40.552,8.9783", "8,49.5303,10.9662", "9,60.4965,13.3941",
    "10,73.8906,16.3596", "11,90.2501,19.9816", "12,110.2318,24.4056", "13,134.6374,29.8091",
    "14,164.4465,36.4089", "15,200.8554,44.4699", "16,245.3253,54.3157", "17,299.641,66.3413",
    "18,365.9823,81.0295", "19,447.0118,98.9697", "20,545.9815,120.8818", ""}.join("\r\n");
// clang-format on

const auto run = [](const QString &r = "0.2", const QString &n = "10", const QString &t = "20") {
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(r);
    form1.n0->setText(n);
    form1.txtSimut->setText(t);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    return &form1;
};

} // namespace

class tst_DataFile : public QObject
{
    Q_OBJECT
    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QByteArray contents(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
    }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QStringList entries() const
    {
        return QDir(path(".")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // "Save", with the name picked in the dialog (empty: Cancel); then what that file holds.
    QByteArray save(const QString &name) const
    {
        Form1 &form1 = Forms::form<Form1>();
        form1.CommonDialog1 = [c = name.isEmpty() ? name : path(name)](QWidget *) { return c; };
        QTest::mouseClick(form1.Command10, Qt::LeftButton);
        return contents(name);
    }

  private slots:
    void init()
    {
        MALVORA1::clear();
        Program::setEndHandler([] { QFAIL("The program ended."); });
        QLocale::setDefault(QLocale::c());
        QVERIFY(m_dir.emplace().isValid());
    }
    void cleanup() { Forms::unloadAll(); }

    // Whole files, and the ends of files. A value, if not 0, is put in both columns of row 0 after
    // the run: rounded to 0.0001, ties to even, no leading zero, never inf.
    void files_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("endTime");
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("tail");
        // clang-format off
        QTest::addRow("defaults") << "C" << 20 << 0.0 << Defaults;
        QTest::addRow("comma locale, same bytes") << "de_DE" << 20 << 0.0 << Defaults;
        QTest::addRow("end time 0") << "C" << 0 << 0.0 << Header + "0,10,2.214\r\n";
        QTest::addRow("t = 50, beyond 32 bits") << "C" << 50 << 0.0 << QByteArray("\r\n50,220264.6579,48767.2028\r\n");
        QTest::addRow("t = 73, beyond 32 bits") << "C" << 73 << 0.0 << QByteArray("\r\n73,21912878.7561,4851571.7958\r\n");
        QTest::addRow("below 1") << "C" << 0 << 0.5 << QByteArray("\n0,.5,.5\r\n");
        QTest::addRow("negative below 1") << "C" << 0 << -0.25 << QByteArray("\n0,-.25,-.25\r\n");
        QTest::addRow("tie goes down") << "C" << 0 << 0.03125 << QByteArray("\n0,.0312,.0312\r\n");
        QTest::addRow("tie goes up") << "C" << 0 << 0.09375 << QByteArray("\n0,.0938,.0938\r\n");
        QTest::addRow("smallest") << "C" << 0 << 0.0001 << QByteArray("\n0,.0001,.0001\r\n");
        QTest::addRow("whole, no point") << "C" << 0 << -3.0 << QByteArray("\n0,-3,-3\r\n");
        QTest::addRow("largest values") << "C" << 0 << 1e305 << QByteArray("\n0,1E+305,1E+305\r\n");
        // clang-format on
    }
    void files()
    {
        QFETCH(QString, locale);
        QFETCH(int, endTime);
        QFETCH(double, value);
        QFETCH(QByteArray, tail);
        QLocale::setDefault(QLocale(locale));
        run("0.2", "10", QString::number(endTime));
        if (value != 0) MALVORA1::Nt[0] = MALVORA1::DeltaN[0] = value;
        const QByteArray bytes = save("growth.csv");
        QCOMPARE(bytes.right(tail.size()), tail);
        QCOMPARE(bytes.count("\r\n"), endTime + 2);
    }

    // Cancel writes nothing; saving then replaces the file whole with the last run, not the boxes.
    void cancelThenReplaceWithTheLastRun()
    {
        put("old.csv", QByteArray(5000, 'x'));
        Form1 *form1 = run("0.2", "10", "2");
        form1->n0->setText("99");
        form1->txtSimut->setText("7");
        save(QString());
        QCOMPARE(contents("old.csv"), QByteArray(5000, 'x'));
        QCOMPARE(save("old.csv"), Header + "0,10,2.214\r\n1,12.214,2.7042\r\n2,14.9182,3.3029\r\n");
        QCOMPARE(entries(), QStringList{"old.csv"});
        QVERIFY(!form1->findChild<QMessageBox *>("notice"));
    }

    // A name that cannot be written changes no file, and the main window says so, naming the file.
    void unwritableNameLeavesFilesAlone_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addRow("missing directory") << "missing/data.csv";
        QTest::addRow("a file as directory") << "old.csv/data.csv";
        QTest::addRow("a directory as file") << "folder";
    }
    void unwritableNameLeavesFilesAlone()
    {
        QFETCH(QString, chosen);
        QVERIFY(QDir(m_dir->path()).mkdir("folder"));
        for (const char *name : {"old.csv", "folder/inside.csv"})
            put(name, Header);
        Form1 *form1 = run();
        save(chosen);
        QCOMPARE(contents("old.csv") + contents("folder/inside.csv"), Header + Header);
        QCOMPARE(entries(), QStringList({"folder", "old.csv"}));
        auto *notice = form1->findChild<QMessageBox *>("notice");
        QVERIFY(notice && notice->isVisible() &&
                notice->text().contains(QDir::toNativeSeparators(path(chosen))));
    }
};

QTEST_MAIN(tst_DataFile)
#include "tst_datafile.moc"
