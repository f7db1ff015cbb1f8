#include "model/malvora1.h"
#include "output/datafile.h"
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

using namespace MALVORA1;

namespace
{

const QByteArray Header = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n";

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

void put(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class tst_DataFile : public QObject
{
    Q_OBJECT

    int m_ended = 0;
    int m_dialogs = 0;
    QTemporaryDir *m_dir = nullptr;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The main window with the given parameters typed in and Run clicked.
    Form1 &run(const QString &rate, const QString &initialSize, const QString &endTime);
    // "Save", with the file name that the user picks in the dialog (empty: Cancel).
    void save(const QString &chosenName);

  private slots:
    void init();
    void cleanup();

    void saveWaitsForTheFirstRun();
    void defaults();
    void endTimeZero();
    void numberForms_data();
    void numberForms();
    void commaLocaleWritesTheSameBytes();
    void valuesBeyondThe32BitRange_data();
    void valuesBeyondThe32BitRange();
    void largestValues();
    void savesTheLastRunNotTheBoxes();
    void existingFileIsReplacedWhole();
    void unwritableNameLeavesFilesAlone_data();
    void unwritableNameLeavesFilesAlone();
    void cancelledDialogWritesNothing();
};

Form1 &tst_DataFile::run(const QString &rate, const QString &initialSize, const QString &endTime)
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(rate);
    form1.n0->setText(initialSize);
    form1.txtSimut->setText(endTime);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    return form1;
}

void tst_DataFile::save(const QString &chosenName)
{
    Form1 &form1 = Forms::form<Form1>();
    form1.CommonDialog1 = [this, chosenName, &form1](QWidget *parent) {
        ++m_dialogs;
        return parent == &form1 ? chosenName : QStringLiteral("(dialog without its window)");
    };
    QVERIFY(form1.Command10->isEnabled());
    QTest::mouseClick(form1.Command10, Qt::LeftButton);
}

void tst_DataFile::init()
{
    MALVORA1::clear();
    m_ended = 0;
    m_dialogs = 0;
    Program::setEndHandler([&] { ++m_ended; });
    QLocale::setDefault(QLocale::c());
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
}

void tst_DataFile::cleanup()
{
    Forms::unloadAll();
    QLocale::setDefault(QLocale::c());
    delete m_dir;
    m_dir = nullptr;
}

void tst_DataFile::saveWaitsForTheFirstRun()
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    QVERIFY(!form1.Command10->isEnabled());
    QCOMPARE(form1.Command10->toolTip(), QStringLiteral("Save graphic data"));

    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("20"));
    QVERIFY(form1.Command10->isEnabled());
}

// N(0) = 10, r = 0.2, end time 20: the header and 21 lines, each ended by CR LF.
void tst_DataFile::defaults()
{
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("20"));
    save(path(QStringLiteral("growth.csv")));
    QCOMPARE(m_dialogs, 1);

    const QByteArray bytes = contents(path(QStringLiteral("growth.csv")));
    QVERIFY(bytes.endsWith("20,545.9815,120.8818\r\n"));
    QCOMPARE(bytes.count("\r\n"), 22);
    QCOMPARE(bytes.count('\n'), 22);
    QCOMPARE(bytes.count('\r'), 22);
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    QCOMPARE(lines.size(), 22);
    QCOMPARE(lines[0], "\"T\",\"N(t)\",\"DeltaN(t)\"\r");
    QCOMPARE(lines[1], "0,10,2.214\r");
    QCOMPARE(lines[2], "1,12.214,2.7042\r");
    QCOMPARE(lines[3], "2,14.9182,3.3029\r");
    QCOMPARE(lines[4], "3,18.2212,4.0342\r");
    QCOMPARE(lines[21], "20,545.9815,120.8818");
    for (int t = 0; t <= 20; ++t)
        QVERIFY(lines[t + 1].startsWith(QByteArray::number(t) + ','));
    QCOMPARE(bytes, dataFileText());
}

void tst_DataFile::endTimeZero()
{
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("0"));
    save(path(QStringLiteral("one.csv")));

    QCOMPARE(contents(path(QStringLiteral("one.csv"))), Header + "0,10,2.214\r\n");
}

void tst_DataFile::numberForms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("written");

    QTest::addRow("whole, no point") << 10.0 << QByteArray("10");
    QTest::addRow("zero") << 0.0 << QByteArray("0");
    QTest::addRow("below 1, no leading zero") << 0.5 << QByteArray(".5");
    QTest::addRow("negative below 1") << -0.25 << QByteArray("-.25");
    QTest::addRow("negative whole") << -3.0 << QByteArray("-3");
    QTest::addRow("tie goes down") << 0.03125 << QByteArray(".0312");
    QTest::addRow("tie goes up") << 0.09375 << QByteArray(".0938");
    QTest::addRow("negative tie goes down") << -0.03125 << QByteArray("-.0312");
    QTest::addRow("smallest, plain decimal") << 0.0001 << QByteArray(".0001");
    QTest::addRow("smallest negative") << -0.0001 << QByteArray("-.0001");
    QTest::addRow("nine ten-thousandths") << 0.0009 << QByteArray(".0009");
    QTest::addRow("half the smallest, tie to zero") << 0.00005 << QByteArray("0");
    QTest::addRow("four places kept") << 1234.56789 << QByteArray("1234.5679");
}

// Each value is rounded to 0.0001 and written in the file's one number form,
// in both columns of the line.
void tst_DataFile::numberForms()
{
    QFETCH(double, value);
    QFETCH(QByteArray, written);

    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("0"));
    Nt[0] = value;
    DeltaN[0] = value;
    save(path(QStringLiteral("forms.csv")));

    QCOMPARE(contents(path(QStringLiteral("forms.csv"))),
             Header + "0," + written + ',' + written + "\r\n");
}

void tst_DataFile::commaLocaleWritesTheSameBytes()
{
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("20"));
    save(path(QStringLiteral("period.csv")));
    Forms::unloadAll();

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("20"));
    QCOMPARE(Forms::form<Form1>().locale().decimalPoint(), QStringLiteral(","));
    save(path(QStringLiteral("comma.csv")));

    const QByteArray period = contents(path(QStringLiteral("period.csv")));
    QCOMPARE(contents(path(QStringLiteral("comma.csv"))), period);
    QVERIFY(period.contains("1,12.214,2.7042\r\n"));
}

void tst_DataFile::valuesBeyondThe32BitRange_data()
{
    QTest::addColumn<QString>("endTime");
    QTest::addColumn<QByteArray>("lastLine");

    QTest::addRow("t = 49, last within") << "49" << QByteArray("49,180337.4493,39927.2087\r\n");
    QTest::addRow("t = 50, N(t) beyond") << "50" << QByteArray("50,220264.6579,48767.2028\r\n");
    QTest::addRow("t = 60") << "60" << QByteArray("60,1627547.9142,360343.5972\r\n");
    QTest::addRow("t = 73") << "73" << QByteArray("73,21912878.7561,4851571.7958\r\n");
}

// Values at the top of the double range are written as they are, never as inf.
void tst_DataFile::largestValues()
{
    run(QStringLiteral("0.2"), QStringLiteral("1e305"), QStringLiteral("0"));
    save(path(QStringLiteral("huge.csv")));
    QCOMPARE(contents(path(QStringLiteral("huge.csv"))),
             QByteArray("\"T\",\"N(t)\",\"DeltaN(t)\"\r\n0,1E+305,2.2140275816017E+304\r\n"));
}

// Values whose ten-thousandths no longer fit 32 bits keep their four places.
void tst_DataFile::valuesBeyondThe32BitRange()
{
    QFETCH(QString, endTime);
    QFETCH(QByteArray, lastLine);

    run(QStringLiteral("0.2"), QStringLiteral("10"), endTime);
    save(path(QStringLiteral("long.csv")));

    const QByteArray bytes = contents(path(QStringLiteral("long.csv")));
    QVERIFY2(bytes.endsWith(lastLine), bytes.right(80).constData());
    QCOMPARE(bytes.count("\r\n"), endTime.toInt() + 2);
}

// The file holds the last run, whatever the boxes show since.
void tst_DataFile::savesTheLastRunNotTheBoxes()
{
    Form1 &form1 = run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("2"));
    form1.n0->setText(QStringLiteral("99"));
    form1.txtSimut->setText(QStringLiteral("7"));
    save(path(QStringLiteral("last.csv")));

    QCOMPARE(contents(path(QStringLiteral("last.csv"))),
             Header + "0,10,2.214\r\n1,12.214,2.7042\r\n2,14.9182,3.3029\r\n");
}

void tst_DataFile::existingFileIsReplacedWhole()
{
    const QString name = path(QStringLiteral("old.csv"));
    put(name, QByteArray(5000, 'x'));

    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("1"));
    save(name);

    QCOMPARE(contents(name), Header + "0,10,2.214\r\n1,12.214,2.7042\r\n");
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.csv"});
    QVERIFY(!Forms::form<Form1>().findChild<QMessageBox *>(QStringLiteral("notice")));
}

void tst_DataFile::unwritableNameLeavesFilesAlone_data()
{
    QTest::addColumn<QString>("chosen"); // relative to the test directory

    QTest::addRow("missing directory") << "missing/data.csv";
    QTest::addRow("a file as directory") << "old.csv/data.csv";
    QTest::addRow("a directory as file") << "folder";
}

// A name that cannot be written changes no file, and the main window says so.
void tst_DataFile::unwritableNameLeavesFilesAlone()
{
    QFETCH(QString, chosen);
    const QByteArray old = "\"T\",\"N(t)\",\"DeltaN(t)\"\r\n0,1,2\r\n";
    put(path(QStringLiteral("old.csv")), old);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    put(path(QStringLiteral("folder/inside.csv")), old);

    Form1 &form1 = run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("20"));
    save(path(chosen));

    QCOMPARE(contents(path(QStringLiteral("old.csv"))), old);
    QCOMPARE(contents(path(QStringLiteral("folder/inside.csv"))), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"folder", "old.csv"}));
    auto *notice = form1.findChild<QMessageBox *>(QStringLiteral("notice"));
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY2(notice->text().contains(QDir::toNativeSeparators(path(chosen))),
             qPrintable(notice->text()));
    QCOMPARE(m_ended, 0);
    QVERIFY(form1.isVisible());
}

// Cancel writes nothing, also after an earlier save has chosen a name.
void tst_DataFile::cancelledDialogWritesNothing()
{
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("0"));
    save(QString());
    QCOMPARE(m_dialogs, 1);
    QVERIFY(QDir(m_dir->path()).isEmpty());

    save(path(QStringLiteral("kept.csv")));
    const QByteArray first = contents(path(QStringLiteral("kept.csv")));
    QCOMPARE(first, Header + "0,10,2.214\r\n");

    run(QStringLiteral("0.3"), QStringLiteral("5"), QStringLiteral("4"));
    save(QString());
    QCOMPARE(m_dialogs, 3);
    QCOMPARE(contents(path(QStringLiteral("kept.csv"))), first);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"kept.csv"});
    QVERIFY(!Forms::form<Form1>().findChild<QMessageBox *>(QStringLiteral("notice")));
}

QTEST_MAIN(tst_DataFile)
#include "tst_datafile.moc"
