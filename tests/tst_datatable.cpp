#include "charts/chartcontrol.h"
#include "charts/larggraf.h"
#include "model/malvora1.h"
#include "output/datatabl.h"
#include "output/datatablemodel.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "windows/formlayout.h"
#include "windows/main/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QAccessibleTableInterface>
#include <QElapsedTimer>
#include <QHeaderView>
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

QStringList headerTexts(const DataTabl &table)
{
    const QAbstractItemModel *grid = table.MSFlexGrid1->model();
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts.append(grid->headerData(c, Qt::Horizontal).toString());
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

} // namespace

class tst_DataTable : public QObject
{
    Q_OBJECT

    int m_ended = 0;

    // The main window with the given parameters typed in and Run clicked.
    Form1 &run(const QString &rate, const QString &initialSize, const QString &endTime);
    // Run with the defaults, open the large graph window and click "Detail".
    DataTabl &defaultsInTable();
    // The large graph window's "Detail", as the user clicks it.
    DataTabl &detail();

  private slots:
    void init();
    void cleanup();

    void rows_data();
    void rows();
    void headers();
    void endTimeZeroGivesOneRow();
    void zeroPopulationLeavesQuotientsEmpty();
    void commaLocale();
    void tiesGoToEven_data();
    void tiesGoToEven();
    void tableKeepsLastFillUntilNextDetail();
    void windowLayout();
    void tabOrder();
    void gridOnlyDisplays();
    void backToTheMainForm();
    void backToTheGraphForm();
    void closeBoxReturnsToGraph();
    void detailAgainAfterReturn();
    void accessibility();
    void fillOfTheLargestRunIsFast();
};

Form1 &tst_DataTable::run(const QString &rate, const QString &initialSize, const QString &endTime)
{
    Form1 &form1 = Forms::form<Form1>();
    form1.show();
    form1.txtRrate->setText(rate);
    form1.n0->setText(initialSize);
    form1.txtSimut->setText(endTime);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    return form1;
}

// "Detail" in the large graph window brings up the table over that window and
// fills it; the fill is made here as well (a second fill shows the same).
DataTabl &tst_DataTable::detail()
{
    larggraf &graph = Forms::form<larggraf>();
    if (!graph.isVisible()) {
        QWidget *chart = Forms::form<Form1>().MSChart1->viewport();
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
    }
    QTest::mouseClick(graph.Command10, Qt::LeftButton);
    DataTabl &table = Forms::form<DataTabl>();
    table.fill();
    return table;
}

DataTabl &tst_DataTable::defaultsInTable()
{
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("20"));
    return detail();
}

void tst_DataTable::init()
{
    MALVORA1::clear();
    m_ended = 0;
    Program::setEndHandler([&] { ++m_ended; });
    QLocale::setDefault(QLocale::c());
}

void tst_DataTable::cleanup()
{
    Forms::unloadAll();
    QLocale::setDefault(QLocale::c());
}

void tst_DataTable::rows_data()
{
    QTest::addColumn<QString>("endTime");
    QTest::addColumn<int>("t");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("t = 0") << "20" << 0 << row("0, 10, 2.21, 0.2214, 2, 0.2, 10");
    QTest::addRow("t = 1") << "20" << 1 << row("1, 12.21, 2.7, 0.2214, 2.44, 0.2, 12");
    QTest::addRow("t = 20, the end time")
        << "20" << 20 << row("20, 545.98, 120.88, 0.2214, 109.2, 0.2, 383.38");
    QTest::addRow("t = 72, last within 32-bit rounding")
        << "72" << 72 << row("72, 17940747.73, 3972131.03, 0.2214, 3588149.55, 0.2, 5024000.98");
    QTest::addRow("t = 73, N(t) beyond 32-bit rounding")
        << "73" << 73 << row("73, 21912878.76, 4851571.8, 0.2214, 4382575.75, 0.2, 6028801.18");
}

// N(0) = 10 and r = 0.2; the quotients are e^r - 1 and r in every row.
void tst_DataTable::rows()
{
    QFETCH(QString, endTime);
    QFETCH(int, t);
    QFETCH(QStringList, expected);

    run(QStringLiteral("0.2"), QStringLiteral("10"), endTime);
    const DataTabl &table = detail();

    QCOMPARE(dataRows(table), endTime.toInt() + 1);
    QCOMPARE(rowTexts(table, t), expected);
}

void tst_DataTable::headers()
{
    const DataTabl &table = defaultsInTable();

    QCOMPARE(headerTexts(table), row("N(t)=N(0)*exp(rt), N(t+1)-N(t), [N(t+1)-N(t)]/N(t), "
                                     "dN(t)=r*N(t), dN(t)/N(t), N(t)=N(t-1)+dN(t)"));
    QCOMPARE(DataTableModel::timeHeader(), QStringLiteral("Time"));
    // The time column's header stands in the grid's top-left corner.
    auto *corner = table.MSFlexGrid1->findChild<QAbstractButton *>();
    QVERIFY(corner);
    QAccessibleInterface *cornerText = QAccessible::queryAccessibleInterface(corner);
    QVERIFY(cornerText);
    QCOMPARE(cornerText->text(QAccessible::Name), QStringLiteral("Time"));
    QCOMPARE(corner->geometry().width(), table.MSFlexGrid1->verticalHeader()->width());
}

void tst_DataTable::endTimeZeroGivesOneRow()
{
    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("0"));
    const DataTabl &table = detail();

    QCOMPARE(dataRows(table), 1);
    QCOMPARE(rowTexts(table, 0), row("0, 10, 2.21, 0.2214, 2, 0.2, 10"));
}

// With N(0) = 0 nothing grows: the quotients have no value and stay empty.
void tst_DataTable::zeroPopulationLeavesQuotientsEmpty()
{
    run(QStringLiteral("0.2"), QStringLiteral("0"), QStringLiteral("20"));
    const DataTabl &table = detail();

    QCOMPARE(dataRows(table), 21);
    QCOMPARE(rowTexts(table, 0), QStringList({"0", "0", "0", "", "0", "", "0"}));
    QCOMPARE(rowTexts(table, 20), QStringList({"20", "0", "0", "", "0", "", "0"}));
}

void tst_DataTable::commaLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const DataTabl &table = defaultsInTable();

    QCOMPARE(rowTexts(table, 1), row("1, 12,21, 2,7, 0,2214, 2,44, 0,2, 12"));
    QCOMPARE(rowTexts(table, 20), row("20, 545,98, 120,88, 0,2214, 109,2, 0,2, 383,38"));
}

void tst_DataTable::tiesGoToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::addRow("0.125 goes down") << 0.125 << "0.12";
    QTest::addRow("0.375 goes up") << 0.375 << "0.38";
    QTest::addRow("-0.125 goes up") << -0.125 << "-0.12";
    QTest::addRow("0.625 goes down") << 0.625 << "0.62";
}

// A tie on the scaled value goes to the even neighbour in every column rounded
// to 0.01 (the quotients of the row are then exactly 1).
void tst_DataTable::tiesGoToEven()
{
    QFETCH(double, value);
    QFETCH(QString, shown);

    run(QStringLiteral("0.2"), QStringLiteral("10"), QStringLiteral("1"));
    Nt[1] = value;
    DeltaN[1] = value;
    dNdt[1] = value;
    NtDifference[1] = value;
    const DataTabl &table = detail();

    QCOMPARE(rowTexts(table, 1), QStringList({"1", shown, shown, "1", shown, "1", shown}));
}

// The table shows the run of the last "Detail"; a new run changes it only when
// "Detail" is clicked again.
void tst_DataTable::tableKeepsLastFillUntilNextDetail()
{
    DataTabl &table = defaultsInTable();
    const QStringList before = rowTexts(table, 20);

    QTest::mouseClick(table.Command1, Qt::LeftButton);
    run(QStringLiteral("0.3"), QStringLiteral("5"), QStringLiteral("10"));
    QCOMPARE(Simut, 10);
    QCOMPARE(dataRows(table), 21);
    QCOMPARE(rowTexts(table, 20), before);
    QCOMPARE(rowTexts(table, 1), row("1, 12.21, 2.7, 0.2214, 2.44, 0.2, 12"));

    detail();
    QCOMPARE(dataRows(table), 11);
    QCOMPARE(rowTexts(table, 0), row("0, 5, 1.75, 0.3499, 1.5, 0.3, 5"));
}

void tst_DataTable::windowLayout()
{
    DataTabl &table = defaultsInTable();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QCOMPARE(table.windowTitle(), QStringLiteral("Data detail"));
    QCOMPARE(table.size(), QSize(twipsToPixels(13236), twipsToPixels(7992)));
    QVERIFY(!table.windowIcon().isNull());
    QVERIFY(table.minimumSize() != table.maximumSize()); // a sizable border

    QCOMPARE(table.MSFlexGrid1->objectName(), QStringLiteral("MSFlexGrid1"));
    QCOMPARE(table.MSFlexGrid1->geometry(), twips(120, 120, 12975, 7335));
    QCOMPARE(table.Command1->geometry(), twips(3000, 7560, 3135, 375));
    QCOMPARE(table.Command2->geometry(), twips(6840, 7560, 3255, 375));
    QCOMPARE(table.Command1->text(), QStringLiteral("Back to the main form"));
    QCOMPARE(table.Command2->text(), QStringLiteral("Back to the graph form"));
    for (QWidget *control :
         {static_cast<QWidget *>(table.MSFlexGrid1), static_cast<QWidget *>(table.Command1),
          static_cast<QWidget *>(table.Command2)}) {
        QCOMPARE(control->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(control->font().pointSizeF(), 12.0);
        QVERIFY(!control->font().bold());
    }

    // The time column is 800 twips wide, the others as designed.
    QCOMPARE(table.MSFlexGrid1->verticalHeader()->width(), twipsToPixels(800));
    const double widths[] = {2000, 1600, 2000, 1600, 1400, 3000};
    for (int c = 0; c < 6; ++c)
        QCOMPARE(table.MSFlexGrid1->columnWidth(c), twipsToPixels(widths[c]));

    // Every cell and header centred.
    const QAbstractItemModel *grid = table.MSFlexGrid1->model();
    QCOMPARE(grid->index(5, 3).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(grid->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));
    QCOMPARE(grid->headerData(7, Qt::Vertical, Qt::TextAlignmentRole).toInt(),
             int(Qt::AlignCenter));

    // The controls keep their places when the window is resized.
    table.resize(table.width() / 2, table.height() / 2);
    QCOMPARE(table.MSFlexGrid1->geometry(), twips(120, 120, 12975, 7335));
    QCOMPARE(table.Command1->geometry(), twips(3000, 7560, 3135, 375));
}

// Tab leaves the grid for "Back to the main form", then "Back to the graph form".
void tst_DataTable::tabOrder()
{
    DataTabl &table = defaultsInTable();
    table.activateWindow();
    if (!QTest::qWaitForWindowActive(&table))
        QSKIP("The window cannot be made active on this platform.");
    table.MSFlexGrid1->setFocus();
    QVERIFY(table.MSFlexGrid1->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), table.Command1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), table.Command2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), table.MSFlexGrid1);
}

void tst_DataTable::gridOnlyDisplays()
{
    DataTabl &table = defaultsInTable();
    QTableView *grid = table.MSFlexGrid1;
    const QModelIndex cell = grid->model()->index(3, 0);

    QVERIFY(!(grid->model()->flags(cell) & Qt::ItemIsEditable));
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    grid->setCurrentIndex(cell);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClicks(grid, QStringLiteral("99"));
    QCOMPARE(grid->model()->index(3, 0).data().toString(), QStringLiteral("18.22"));
}

void tst_DataTable::backToTheMainForm()
{
    DataTabl &table = defaultsInTable();
    larggraf &graph = Forms::form<larggraf>();
    Form1 &form1 = Forms::form<Form1>();
    QVERIFY(table.isVisible());
    QVERIFY(graph.isVisible());
    QVERIFY(!form1.isVisible());

    QTest::mouseClick(table.Command1, Qt::LeftButton);
    QVERIFY(form1.isVisible());
    QVERIFY(graph.isVisible());
    QVERIFY(!table.isVisible());
    QVERIFY(Forms::isLoaded<DataTabl>()); // hidden with its contents
    QCOMPARE(dataRows(table), 21);
}

void tst_DataTable::backToTheGraphForm()
{
    DataTabl &table = defaultsInTable();
    QTest::mouseClick(table.Command2, Qt::LeftButton);

    QVERIFY(Forms::form<larggraf>().isVisible());
    QVERIFY(!Forms::form<Form1>().isVisible());
    QVERIFY(!table.isVisible());
    QVERIFY(Forms::isLoaded<DataTabl>());
}

void tst_DataTable::closeBoxReturnsToGraph()
{
    QPointer<DataTabl> table = &defaultsInTable();
    QVERIFY(table->close());

    QVERIFY(Forms::form<larggraf>().isVisible());
    QVERIFY(!Forms::form<Form1>().isVisible());
    QVERIFY(!Forms::isLoaded<DataTabl>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(table.isNull());
    QCOMPARE(m_ended, 0);

    // The next "Detail" makes the table afresh and fills it.
    DataTabl &again = detail();
    QVERIFY(again.isVisible());
    QCOMPARE(dataRows(again), 21);
}

void tst_DataTable::detailAgainAfterReturn()
{
    DataTabl &table = defaultsInTable();
    QTest::mouseClick(table.Command1, Qt::LeftButton);
    QVERIFY(Forms::form<Form1>().isVisible());

    QCOMPARE(&detail(), &table);
    QVERIFY(table.isVisible());
    QVERIFY(Forms::form<larggraf>().isVisible());
    QVERIFY(!Forms::form<Form1>().isVisible());
}

// A screen reader finds the column headers above each cell, the time as each
// row's header and the cell's own text.
void tst_DataTable::accessibility()
{
    DataTabl &table = defaultsInTable();
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table.MSFlexGrid1);
    QVERIFY(view);
    QCOMPARE(view->role(), QAccessible::Table);
    QAccessibleTableInterface *grid = view->tableInterface();
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), 21);
    QCOMPARE(grid->columnCount(), 6);

    QAccessibleInterface *cell = grid->cellAt(20, 0);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("545.98"));
    QAccessibleTableCellInterface *place = cell->tableCellInterface();
    QVERIFY(place);
    const auto columnHeaders = place->columnHeaderCells();
    QCOMPARE(columnHeaders.size(), 1);
    QCOMPARE(columnHeaders.first()->role(), QAccessible::ColumnHeader);
    QCOMPARE(columnHeaders.first()->text(QAccessible::Name), QStringLiteral("N(t)=N(0)*exp(rt)"));
    const auto rowHeaders = place->rowHeaderCells();
    QCOMPARE(rowHeaders.size(), 1);
    QCOMPARE(rowHeaders.first()->role(), QAccessible::RowHeader);
    QCOMPARE(rowHeaders.first()->text(QAccessible::Name), QStringLiteral("20"));

    QCOMPARE(grid->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("0.2214"));
    QCOMPARE(grid->columnDescription(5), QStringLiteral("N(t)=N(t-1)+dN(t)"));
    QCOMPARE(grid->rowDescription(7), QStringLiteral("7"));
}

// Filling never writes the cells one by one: even the largest run is ready at
// once, and only the cells in view are ever turned into text.
void tst_DataTable::fillOfTheLargestRunIsFast()
{
    run(QStringLiteral("0.001"), QStringLiteral("10"), QStringLiteral("2999"));
    DataTabl &table = detail();
    QCOMPARE(dataRows(table), 3000);

    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < 10; ++k)
        table.fill();
    const qint64 tenFills = clock.nsecsElapsed();
    QVERIFY2(tenFills < 10 * 1000 * 1000,
             qPrintable(QString::number(tenFills / 10) + " ns per fill"));
    QCOMPARE(rowTexts(table, 2999).first(), QStringLiteral("2999"));
}

QTEST_MAIN(tst_DataTable)
#include "tst_datatable.moc"
