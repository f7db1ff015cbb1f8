#include "charts/chartcontrol.h"
#include "charts/larggraf.h"
#include "model/malvora1.h"
#include "output/datatabl.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "windows/main/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace MALVORA1;

namespace
{

// What the user reads in the row of time step t: the time, then the six values.
QStringList rowTexts(const DataTabl &table, int t)
{
    const QAbstractItemModel *grid = table.MSFlexGrid1->model();
    QStringList texts{grid->headerData(t, Qt::Vertical).toString()};
    for (int c = 0; c < grid->columnCount(); ++c)
        texts.append(grid->index(t, c).data().toString());
    return texts;
}

int dataRows(const DataTabl &table)
{
    return table.MSFlexGrid1->model()->rowCount();
}

QStringList row(const char *commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(QStringLiteral(", "));
}

// The main window with the given parameters typed in and Run clicked.
void run(const QString &rate = "0.2", const QString &initialSize = "10",
         const QString &endTime = "20")
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(rate);
    form1.n0->setText(initialSize);
    form1.txtSimut->setText(endTime);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
}

// "Detail" in the large graph window, opened from the main window's chart if need be.
DataTabl &detail()
{
    larggraf &graph = Forms::form<larggraf>();
    if (!graph.isVisible()) {
        QWidget *chart = Forms::form<Form1>().MSChart1->viewport();
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
    }
    QTest::mouseClick(graph.Command10, Qt::LeftButton);
    return Forms::form<DataTabl>();
}

} // namespace

class tst_DataTable : public QObject
{
    Q_OBJECT
    int m_ended = 0;

  private slots:
    void init()
    {
        MALVORA1::clear();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { Forms::unloadAll(); }

    void rows_data()
    {
        QTest::addColumn<int>("initialSize");
        QTest::addColumn<int>("endTime");
        QTest::addColumn<int>("t");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("t = 1") << 10 << 20 << 1 << row("1, 12.21, 2.7, 0.2214, 2.44, 0.2, 12");
        QTest::addRow("t = 20") << 10 << 20 << 20
                                << row("20, 545.98, 120.88, 0.2214, 109.2, 0.2, 383.38");
        QTest::addRow("t = 73, beyond 32 bits")
            << 10 << 73 << 73
            << row("73, 21912878.76, 4851571.8, 0.2214, 4382575.75, 0.2, 6028801.18");
        QTest::addRow("end time 0") << 10 << 0 << 0 << row("0, 10, 2.21, 0.2214, 2, 0.2, 10");
        QTest::addRow("N(0) = 0: empty quotients") << 0 << 20 << 20 << row("20, 0, 0, , 0, , 0");
    }
    void rows()
    {
        QFETCH(int, initialSize);
        QFETCH(int, endTime);
        QFETCH(int, t);
        run("0.2", QString::number(initialSize), QString::number(endTime));
        const DataTabl &table = detail();
        QCOMPARE(dataRows(table), endTime + 1);
        QTEST(rowTexts(table, t), "expected");
    }

    void commaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        run();
        QCOMPARE(rowTexts(detail(), 20), row("20, 545,98, 120,88, 0,2214, 109,2, 0,2, 383,38"));
    }

    // A tie goes to the even neighbour; the quotients of the row are then exactly 1.
    void tieGoesToEven()
    {
        run("0.2", "10", "1");
        Nt[1] = DeltaN[1] = dNdt[1] = NtDifference[1] = 0.125;
        QCOMPARE(rowTexts(detail(), 1), row("1, 0.12, 0.12, 1, 0.12, 1, 0.12"));
    }

    void tableKeepsLastFillUntilNextDetail()
    {
        run();
        DataTabl &table = detail();
        const QStringList before = rowTexts(table, 20);
        QTest::mouseClick(table.Command1, Qt::LeftButton);
        run("0.3", "5", "10");
        QCOMPARE(dataRows(table), 21);
        QCOMPARE(rowTexts(table, 20), before);
        detail();
        QCOMPARE(dataRows(table), 11);
        QCOMPARE(rowTexts(table, 0), row("0, 5, 1.75, 0.3499, 1.5, 0.3, 5"));
    }

    // Each way out leaves the graph window in view; "Detail" shows the table over it again.
    void waysBack_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("mainShown");
        QTest::addRow("Back to the main form") << 1 << true;
        QTest::addRow("Back to the graph form") << 2 << false;
        QTest::addRow("close box") << 0 << false;
    }
    void waysBack()
    {
        QFETCH(int, way);
        run();
        DataTabl &table = detail();
        if (way == 0)
            QVERIFY(table.close());
        else
            QTest::mouseClick(way == 1 ? table.Command1 : table.Command2, Qt::LeftButton);
        QTEST(Forms::form<Form1>().isVisible(), "mainShown");
        QVERIFY(Forms::form<larggraf>().isVisible());
        QCOMPARE(Forms::isLoaded<DataTabl>(), way != 0); // the close box unloads the table
        QVERIFY(way == 0 || !table.isVisible());
        QCOMPARE(m_ended, 0);

        DataTabl &again = detail();
        QVERIFY(again.isVisible() && Forms::form<larggraf>().isVisible());
        QVERIFY(!Forms::form<Form1>().isVisible()); // "Detail" again hides the main window
        QCOMPARE(dataRows(again), 21);
    }

    // The headers as seen, and as a screen reader finds them around a cell.
    void headersAndAccessibility()
    {
        run();
        DataTabl &table = detail();
        QStringList texts;
        for (int c = 0; c < 6; ++c)
            texts.append(table.MSFlexGrid1->model()->headerData(c, Qt::Horizontal).toString());
        QCOMPARE(texts, row("N(t)=N(0)*exp(rt), N(t+1)-N(t), [N(t+1)-N(t)]/N(t), dN(t)=r*N(t), "
                            "dN(t)/N(t), N(t)=N(t-1)+dN(t)"));
        auto *corner = table.MSFlexGrid1->findChild<QAbstractButton *>(); // the time column's
        QVERIFY(corner);
        QCOMPARE(QAccessible::queryAccessibleInterface(corner)->text(QAccessible::Name), "Time");

        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table.MSFlexGrid1);
        QVERIFY(view && view->tableInterface());
        QAccessibleInterface *cell = view->tableInterface()->cellAt(20, 0);
        QVERIFY(cell && cell->tableCellInterface());
        QCOMPARE(cell->text(QAccessible::Name), "545.98");
        const auto columnHeaders = cell->tableCellInterface()->columnHeaderCells();
        QCOMPARE(columnHeaders.size(), 1);
        QCOMPARE(columnHeaders.first()->text(QAccessible::Name), "N(t)=N(0)*exp(rt)");
        const auto rowHeaders = cell->tableCellInterface()->rowHeaderCells();
        QCOMPARE(rowHeaders.size(), 1);
        QCOMPARE(rowHeaders.first()->text(QAccessible::Name), "20");
    }
};

QTEST_MAIN(tst_DataTable)
#include "tst_datatable.moc"
