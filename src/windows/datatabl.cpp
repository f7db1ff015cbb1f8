#include "windows/datatabl.h"

#include "output/datatablemodel.h"
#include "widgets/formlayout.h"
#include "windows/windowflow.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionHeader>
#include <QTableView>

namespace
{

// Widths of the time column and of the six value columns, in twips.
constexpr double TimeWidth = 800;
constexpr double ValueWidths[DataTableModel::ValueColumns] = {2000, 1600, 2000, 1600, 1400, 3000};

} // namespace

DataTabl::DataTabl(QWidget *parent) : Form(parent), m_model(new DataTableModel(this))
{
    setWindowTitle(tr("Data detail"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(13236, 7992, Border::Sizable);
    layOut();
    setUpGrid();
    connectHandlers();
}

void DataTabl::layOut()
{
    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(twips(120, 120, 12975, 7335));
    Command1 =
        addButton(this, "Command1", twips(3000, 7560, 3135, 375), tr("Back to the main form"));
    Command2 =
        addButton(this, "Command2", twips(6840, 7560, 3255, 375), tr("Back to the graph form"));

    for (QWidget *control : {static_cast<QWidget *>(MSFlexGrid1), static_cast<QWidget *>(Command1),
                             static_cast<QWidget *>(Command2)})
        control->setFont(tnr(12));
    chainTabOrder({MSFlexGrid1, Command1, Command2});
}

// The time is the grid's fixed column: each row's header, so that the time is
// read out as the row's name; "Time" stands in the corner above it.
void DataTabl::setUpGrid()
{
    MSFlexGrid1->setModel(m_model);
    MSFlexGrid1->setAccessibleName(tr("Data detail"));
    MSFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSFlexGrid1->setWordWrap(false);
    // Tab moves on to the buttons, as everywhere else in the program; the
    // arrow keys move between the cells.
    MSFlexGrid1->setTabKeyNavigation(false);

    QHeaderView *columns = MSFlexGrid1->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setHighlightSections(false);
    for (int c = 0; c < DataTableModel::ValueColumns; ++c)
        columns->resizeSection(c, twipsToPixels(ValueWidths[c]));

    // Fixed row heights: the view never measures 3000 rows of text.
    QHeaderView *rows = MSFlexGrid1->verticalHeader();
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(MSFlexGrid1->fontMetrics().height() + 6);
    rows->setHighlightSections(false);
    rows->setFixedWidth(twipsToPixels(TimeWidth));

    // The corner button would select the whole grid; here it carries the time
    // column's header instead.
    MSFlexGrid1->setCornerButtonEnabled(false);
    m_corner = MSFlexGrid1->findChild<QAbstractButton *>();
    if (m_corner) {
        m_corner->installEventFilter(this);
        m_corner->setAccessibleName(DataTableModel::timeHeader());
    }
}

bool DataTabl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_corner && event->type() == QEvent::Paint) {
        // Drawn as the column headers are, though the corner takes no clicks.
        const QHeaderView *columns = MSFlexGrid1->horizontalHeader();
        QStyleOptionHeader option;
        option.initFrom(columns);
        option.state |= QStyle::State_Raised;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.orientation = Qt::Horizontal;
        option.text = DataTableModel::timeHeader();
        option.textAlignment = Qt::AlignCenter;
        option.rect = m_corner->rect();
        QPainter painter(m_corner);
        painter.setFont(columns->font());
        m_corner->style()->drawControl(QStyle::CE_Header, &option, &painter, m_corner);
        return true;
    }
    return Form::eventFilter(watched, event);
}

void DataTabl::fill()
{
    m_model->fill(locale());
    MSFlexGrid1->scrollToTop();
}

void DataTabl::Command1_Click()
{
    WindowFlow::moveOn(*this, "Command1");
}

void DataTabl::Command2_Click()
{
    WindowFlow::moveOn(*this, "Command2");
}

// Closing the table returns to the large graph window.
void DataTabl::Form_Unload()
{
    WindowFlow::moveOn(*this, "close");
}

void DataTabl::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &DataTabl::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DataTabl::Command2_Click);
}
