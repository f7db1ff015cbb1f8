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

using namespace MALVORA1;

namespace
{

const QByteArray Header = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";

// N(0) = 10, r = 0.2, end time 20.
const QByteArray Defaults =
    Header + "0,10,2.214\r\n1,12.214,2.7042\r\n2,14.9182,3.3029\r\n3,18.2212,4.0342\r\n"
             "4,22.2554,4.9274\r\n5,27.1828,6.0184\r\n6,33.2012,7.3508\r\n7,40.552,8.9783\r\n"
             "8,49.5303,10.9662\r\n9,60.4965,13.3941\r\n10,73.8906,16.3596\r\n"
             "11,90.2501,19.9816\r\n12,110.2318,24.4056\r\n13,134.6374,29.8091\r\n"
             "14,164.4465,36.4089\r\n15,200.8554,44.4699\r\n16,245.3253,54.3157\r\n"
             "17,299.641,66.3413\r\n18,365.9823,81.0295\r\n19,447.0118,98.9697\r\n"
             "20,545.9815,120.8818\r\n";

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

void put(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The main window with the given parameters typed in and Run clicked.
Form1 &run(const QString &rate = "0.2", const QString &initialSize = "10",
           const QString &endTime = "20")
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(rate);
    form1.n0->setText(initialSize);
    form1.txtSimut->setText(endTime);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    return form1;
}

} // namespace

class tst_DataFile : public QObject
{
    Q_OBJECT

    int m_ended = 0;
    std::optional<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // "Save", with the file name that the user picks in the dialog (empty: Cancel).
    void save(const QString &chosenName)
    {
        Form1 &form1 = Forms::form<Form1>();
        form1.CommonDialog1 = [chosenName](QWidget *) { return chosenName; };
        QTest::mouseClick(form1.Command10, Qt::LeftButton);
    }

  private slots:
    void init()
    {
        MALVORA1::clear();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
        QLocale::setDefault(QLocale::c());
        QVERIFY(m_dir.emplace().isValid());
    }
    void cleanup()
    {
        Forms::unloadAll();
        m_dir.reset();
    }

    // Whole files, and the ends of files whose values pass the 32-bit range.
    void files_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("endTime");
        QTest::addColumn<QByteArray>("tail");
        const QLocale c = QLocale::c(), comma(QLocale::German, QLocale::Germany);
        QTest::addRow("defaults") << c << 20 << Defaults;
        QTest::addRow("comma locale, same bytes") << comma << 20 << Defaults;
        QTest::addRow("end time 0") << c << 0 << Header + "0,10,2.214\r\n";
        QTest::addRow("t = 50") << c << 50 << QByteArray("\r\n50,220264.6579,48767.2028\r\n");
        QTest::addRow("t = 73") << c << 73 << QByteArray("\r\n73,21912878.7561,4851571.7958\r\n");
    }
    void files()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, endTime);
        QFETCH(QByteArray, tail);
        QLocale::setDefault(locale);
        run("0.2", "10", QString::number(endTime));
        save(path("growth.csv"));
        const QByteArray bytes = contents(path("growth.csv"));
        QCOMPARE(bytes.right(tail.size()), tail);
        QCOMPARE(bytes.count("\r\n"), endTime + 2);
    }

    // Rounded to 0.0001, ties to even, no leading zero, written in both columns.
    void numberForms_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::addRow("below 1") << 0.5 << QByteArray(".5");
        QTest::addRow("negative below 1") << -0.25 << QByteArray("-.25");
        QTest::addRow("tie goes down") << 0.03125 << QByteArray(".0312");
        QTest::addRow("tie goes up") << 0.09375 << QByteArray(".0938");
        QTest::addRow("smallest") << 0.0001 << QByteArray(".0001");
        QTest::addRow("whole, no point") << -3.0 << QByteArray("-3");
    }
    void numberForms()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, written);
        run("0.2", "10", "0");
        Nt[0] = DeltaN[0] = value;
        save(path("forms.csv"));
        QCOMPARE(contents(path("forms.csv")), Header + "0," + written + ',' + written + "\r\n");
    }

    // Values at the top of the double range are written as they are, never as inf.
    void largestValues()
    {
        run("0.2", "1e305", "0");
        save(path("huge.csv"));
        QCOMPARE(contents(path("huge.csv")), Header + "0,1E+305,2.2140275816017E+304\r\n");
    }

    // The old file goes whole; the new one holds the last run, not what the boxes show since.
    void replacesWholeWithTheLastRun()
    {
        put(path("old.csv"), QByteArray(5000, 'x'));
        Form1 &form1 = run("0.2", "10", "2");
        form1.n0->setText("99");
        form1.txtSimut->setText("7");
        save(path("old.csv"));
        QCOMPARE(contents(path("old.csv")),
                 Header + "0,10,2.214\r\n1,12.214,2.7042\r\n2,14.9182,3.3029\r\n");
        QCOMPARE(entries(), QStringList{"old.csv"});
        QVERIFY(!form1.findChild<QMessageBox *>("notice"));
    }

    // A name that cannot be written changes no file, and the main window says so.
    void unwritableNameLeavesFilesAlone_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the test directory
        QTest::addRow("missing directory") << "missing/data.csv";
        QTest::addRow("a file as directory") << "old.csv/data.csv";
        QTest::addRow("a directory as file") << "folder";
    }
    void unwritableNameLeavesFilesAlone()
    {
        QFETCH(QString, chosen);
        const QByteArray old = Header + "0,1,2\r\n";
        put(path("old.csv"), old);
        QVERIFY(QDir(m_dir->path()).mkdir("folder"));
        put(path("folder/inside.csv"), old);

        Form1 &form1 = run();
        save(path(chosen));
        QCOMPARE(contents(path("old.csv")), old);
        QCOMPARE(contents(path("folder/inside.csv")), old);
        QCOMPARE(entries(), QStringList({"folder", "old.csv"}));
        auto *notice = form1.findChild<QMessageBox *>("notice");
        QVERIFY(notice && notice->isVisible());
        QVERIFY2(notice->text().contains(QDir::toNativeSeparators(path(chosen))),
                 qPrintable(notice->text()));
        QCOMPARE(m_ended, 0);
    }

    // Cancel writes nothing, also over a file saved before.
    void cancelledDialogWritesNothing()
    {
        run("0.2", "10", "0");
        save(QString());
        QVERIFY(entries().isEmpty());
        save(path("kept.csv"));
        run("0.3", "5", "4");
        save(QString());
        QCOMPARE(contents(path("kept.csv")), Header + "0,10,2.214\r\n");
        QCOMPARE(entries(), QStringList{"kept.csv"});
        QVERIFY(!Forms::form<Form1>().findChild<QMessageBox *>("notice"));
    }
};

QTEST_MAIN(tst_DataFile)
#include "tst_datafile.moc"
