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
const auto rowTexts = [](const DataTabl &table, int t) {
    const QAbstractItemModel *grid = table.MSFlexGrid1->model();
    QStringList texts{grid->headerData(t, Qt::Vertical).toString()};
    for (int c = 0; c < grid->columnCount(); ++c)
        texts.append(grid->index(t, c).data().toString());
    return texts;
};

const auto row = [](const char *texts) { return QString::fromLatin1(texts).split(", "); };
const auto name = [](QAccessibleInterface *a) { return a ? a->text(QAccessible::Name) : ""; };

const auto run = [](const QString &r = "0.2", const QString &n = "10", const QString &t = "20") {
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(r);
    form1.n0->setText(n);
    form1.txtSimut->setText(t);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
};

// "Detail" in the large graph window, opened from the main window's chart if need be.
const auto detail = []() -> DataTabl & {
    larggraf &graph = Forms::form<larggraf>();
    if (!graph.isVisible()) {
        QWidget *chart = Forms::form<Form1>().MSChart1->viewport();
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
    }
    QTest::mouseClick(graph.Command10, Qt::LeftButton);
    return Forms::form<DataTabl>();
};

} // namespace

class tst_DataTable : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        MALVORA1::clear();
        Program::setEndHandler([] { QFAIL("The program ended."); });
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { Forms::unloadAll(); }

    // The boxes are the rate, N(0) and the end time.
    void rows_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("t");
        QTest::addColumn<QStringList>("expected");
        // clang-format off
        QTest::addRow("t = 1") << "C" << row("0.2, 10, 20") << 1 << row("1, 12.21, 2.7, 0.2214, 2.44, 0.2, 12");
        QTest::addRow("t = 20") << "C" << row("0.2, 10, 20") << 20 << row("20, 545.98, 120.88, 0.2214, 109.2, 0.2, 383.38");
        QTest::addRow("t = 73, beyond 32 bits") << "C" << row("0.2, 10, 73") << 73 << row("73, 21912878.76, 4851571.8, 0.2214, 4382575.75, 0.2, 6028801.18");
        QTest::addRow("end time 0") << "C" << row("0.2, 10, 0") << 0 << row("0, 10, 2.21, 0.2214, 2, 0.2, 10");
        QTest::addRow("N(0) = 0: empty quotients") << "C" << row("0.2, 0, 20") << 20 << row("20, 0, 0, , 0, , 0");
        QTest::addRow("comma locale") << "de_DE" << row("0.2, 10, 20") << 20 << row("20, 545,98, 120,88, 0,2214, 109,2, 0,2, 383,38");
        QTest::addRow("0.125 tie goes to even") << "C" << row("0, 0.125, 1") << 1 << row("1, 0.12, 0, 0, 0, 0, 0.12");
        // clang-format on
    }
    void rows()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, boxes);
        QFETCH(int, t);
        QLocale::setDefault(QLocale(locale));
        run(boxes[0], boxes[1], boxes[2]);
        const DataTabl &table = detail();
        QCOMPARE(table.MSFlexGrid1->model()->rowCount(), boxes[2].toInt() + 1);
        QTEST(rowTexts(table, t), "expected");
    }

    // Each way out keeps the graph window; the table keeps its figures until the next "Detail".
    void waysBack_data()
    {
        QTest::addColumn<int>("way");
        QTest::addRow("Back to the main form") << 1;
        QTest::addRow("Back to the graph form") << 2;
        QTest::addRow("close box") << 0;
    }
    void waysBack()
    {
        QFETCH(int, way);
        run();
        DataTabl &table = detail();
        const QStringList before = rowTexts(table, 20);
        if (way == 0)
            QVERIFY(table.close());
        else
            QTest::mouseClick(way == 1 ? table.Command1 : table.Command2, Qt::LeftButton);
        QCOMPARE(Forms::form<Form1>().isVisible(), way == 1);
        QVERIFY(Forms::form<larggraf>().isVisible());
        QCOMPARE(Forms::isLoaded<DataTabl>(), way != 0); // the close box unloads the table
        QVERIFY(way == 0 || !table.isVisible());
        run("0.3", "5", "10");
        if (way != 0) QCOMPARE(rowTexts(table, 20), before);
        DataTabl &again = detail();
        QVERIFY(again.isVisible() && !Forms::form<Form1>().isVisible());
        QCOMPARE(again.MSFlexGrid1->model()->rowCount(), 11);
        QCOMPARE(rowTexts(again, 0), row("0, 5, 1.75, 0.3499, 1.5, 0.3, 5"));
    }

    // The time column's corner, and the cells of row 20 with their headers, to a screen reader.
    void accessibility()
    {
        run();
        QTableView *grid = detail().MSFlexGrid1;
        QCOMPARE(name(QAccessible::queryAccessibleInterface(grid->findChild<QAbstractButton *>())),
                 "Time");
        QAccessibleInterface *view = QAccessible::queryAccessibleInterface(grid);
        QVERIFY(view && view->tableInterface());
        QStringList columnHeaders;
        for (int c = 0; c < 6; ++c) {
            QAccessibleInterface *cell = view->tableInterface()->cellAt(20, c);
            QVERIFY(cell && cell->tableCellInterface());
            // The toolkit hands out new header cells that the caller deletes.
            const QList<QAccessibleInterface *> rowHeader =
                cell->tableCellInterface()->rowHeaderCells();
            const QList<QAccessibleInterface *> columnHeader =
                cell->tableCellInterface()->columnHeaderCells();
            QCOMPARE(name(rowHeader.value(0)), "20");
            QCOMPARE(name(cell), grid->model()->index(20, c).data().toString());
            columnHeaders << name(columnHeader.value(0));
            for (QAccessibleInterface *header : rowHeader + columnHeader)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
        }
        QCOMPARE(columnHeaders, row("N(t)=N(0)*exp(rt), N(t+1)-N(t), [N(t+1)-N(t)]/N(t), "
                                    "dN(t)=r*N(t), dN(t)/N(t), N(t)=N(t-1)+dN(t)"));
    }
};

QTEST_MAIN(tst_DataTable)
#include "tst_datatable.moc"
