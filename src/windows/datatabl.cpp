#include "windows/datatabl.h"

#include "model/filewrite.h"
#include "model/keptruns.h"
#include "model/observations.h"
#include "output/datatablemodel.h"
#include "output/workbook.h"
#include "widgets/formlayout.h"
#include "widgets/notice.h"
#include "widgets/savedialog.h"
#include "widgets/savefolder.h"
#include "widgets/zoom.h"
#include "windows/windowflow.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QIcon>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QThread>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace
{

// Widths of the time column and of the six value columns, in twips.
constexpr double TimeWidth = 800;
constexpr double ValueWidths[DataTableModel::ValueColumns] = {2000, 1600, 2000, 1600, 1400, 3000};

/*
 * The width a cell needs for a text in the view's font: the text, the style's
 * margins on both sides and the grid line. For a column of many texts,
 * enoughFor() adds up the characters' advances, each looked up once, rather
 * than lay out every text: that sum is never less than the text's width,
 * which kerning ("11") only makes smaller.
 */
class CellWidth
{
  public:
    explicit CellWidth(const QTableView *view)
        : m_metrics(view->font()),
          m_around(
              2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) +
              (view->showGrid() ? 1 : 0))
    {
        m_advances.fill(-1);
    }
    int needed(const QString &text) const
    {
        return int(std::ceil(m_metrics.horizontalAdvance(text))) + m_around;
    }
    int enoughFor(const QString &text)
    {
        qreal width = 0;
        for (const QChar c : text) {
            if (c.unicode() >= m_advances.size()) {
                width += m_metrics.horizontalAdvance(c);
                continue;
            }
            qreal &advance = m_advances[c.unicode()];
            if (advance < 0) advance = m_metrics.horizontalAdvance(c);
            width += advance;
        }
        return int(std::ceil(width)) + m_around;
    }

  private:
    QFontMetricsF m_metrics;
    int m_around;
    std::array<qreal, 128> m_advances;
};

// The width a header section needs for the text.
int headerWidth(const QHeaderView *header, const QString &text)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.text = text;
    const QSize textSize(header->fontMetrics().horizontalAdvance(text),
                         header->fontMetrics().height());
    return header->style()
        ->sizeFromContents(QStyle::CT_HeaderSection, &option, textSize, header)
        .width();
}

// A cell too narrow for its text shows the whole text as its tooltip.
class CutCellTips : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip) return false;
        const QString text = index.data().toString();
        const auto *table = static_cast<const QTableView *>(view);
        if (CellWidth(table).needed(text) > table->columnWidth(index.column()))
            QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }
};

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
    place(MSFlexGrid1, twips(120, 120, 12975, 7335));
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
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MSFlexGrid1->setWordWrap(false);
    MSFlexGrid1->setItemDelegate(new CutCellTips(MSFlexGrid1));
    //: In the data table's context menu: puts the selected cells, or all, on the clipboard
    copyAction = new QAction(tr("Copy"), MSFlexGrid1);
    copyAction->setObjectName(QStringLiteral("copyAction"));
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    MSFlexGrid1->addAction(copyAction);
    //: In the data table's context menu: writes the table and the kept runs as a workbook
    saveWorkbookAction = new QAction(tr("Save as spreadsheet…"), MSFlexGrid1);
    saveWorkbookAction->setObjectName(QStringLiteral("saveWorkbookAction"));
    saveWorkbookAction->setShortcut(QKeySequence::Save);
    saveWorkbookAction->setShortcutContext(Qt::WindowShortcut);
    MSFlexGrid1->addAction(saveWorkbookAction);
    WorkbookDialog = [](QWidget *parent) {
        return askSaveFileName(parent, tr("Save as spreadsheet"),
                               //: The file type of the workbook dialog
                               tr("Workbooks (*.xlsx)"), nullptr, QStringLiteral("malvora.xlsx"));
    };
    MSFlexGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    // Tab moves on to the buttons, as everywhere else in the program; the
    // arrow keys move between the cells.
    MSFlexGrid1->setTabKeyNavigation(false);

    QHeaderView *columns = MSFlexGrid1->horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignCenter);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setHighlightSections(false);

    QHeaderView *rows = MSFlexGrid1->verticalHeader();
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setHighlightSections(false);
    MSFlexGrid1->installEventFilter(this);
    fitToFont();

    // The corner button would select the whole grid; here it carries the time
    // column's header instead.
    MSFlexGrid1->setCornerButtonEnabled(false);
    m_corner = MSFlexGrid1->findChild<QAbstractButton *>();
    if (m_corner) {
        m_corner->installEventFilter(this);
        m_corner->setAccessibleName(DataTableModel::timeHeader());
    }
}

/*
 * Each column is as wide as its layout says, or wider where its widest text
 * needs it: a long run's large values, or a larger font. The row heights are
 * fixed, so that the view never measures 3000 rows of text; they follow the
 * font too.
 */
void DataTabl::fitToFont()
{
    QHeaderView *columns = MSFlexGrid1->horizontalHeader();
    QHeaderView *rows = MSFlexGrid1->verticalHeader();
    // The headers take the grid's font by name: the desktop's font for headers
    // would otherwise hold them at a size the grid has left.
    columns->setFont(MSFlexGrid1->font());
    rows->setFont(MSFlexGrid1->font());
    CellWidth cellWidth(MSFlexGrid1);
    for (int c = 0; c < DataTableModel::ValueColumns; ++c) {
        int width =
            std::max(twipsToPixels(ValueWidths[c], zoomOf(this)), columns->sectionSizeHint(c));
        for (int t = 0; t < m_model->rowCount(); ++t)
            width = std::max(width, cellWidth.enoughFor(m_model->text(t, c)));
        columns->resizeSection(c, width);
    }
    rows->setDefaultSectionSize(MSFlexGrid1->fontMetrics().height() + 6);
    const QString lastTime =
        rows->model()->headerData(m_model->rowCount() - 1, Qt::Vertical).toString();
    rows->setFixedWidth(
        std::max({twipsToPixels(TimeWidth, zoomOf(this)), headerWidth(rows, lastTime),
                  headerWidth(columns, DataTableModel::timeHeader())}));
}

/*
 * The window takes the width its columns need, as far as the screen has room,
 * so that no column is cut at the right: at a larger zoom, or with a long
 * run's wide figures. The grid grows by as much; the buttons stay where the
 * layout puts them.
 */
void DataTabl::takeColumnsWidth()
{
    const int needed = MSFlexGrid1->horizontalHeader()->length() +
                       MSFlexGrid1->verticalHeader()->width() + 2 * MSFlexGrid1->frameWidth() +
                       MSFlexGrid1->verticalScrollBar()->sizeHint().width();
    const QScreen *screen = this->screen();
    if (!screen || needed <= MSFlexGrid1->width()) return;
    const QRect room = screen->availableGeometry();
    const int grow =
        std::min(needed - MSFlexGrid1->width(), room.width() - frameGeometry().width());
    if (grow <= 0) return;
    resize(width() + grow, height());
    MSFlexGrid1->resize(MSFlexGrid1->width() + grow, MSFlexGrid1->height());
    if (frameGeometry().right() > room.right())
        move(std::max(room.left(), x() - (frameGeometry().right() - room.right())), y());
}

void DataTabl::copy_Triggered()
{
    const QModelIndexList cells = MSFlexGrid1->selectionModel()->selectedIndexes();
    QGuiApplication::clipboard()->setMimeData(m_model->copy(cells).release());
}

bool DataTabl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MSFlexGrid1 && event->type() == QEvent::FontChange) fitToFont();
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
    fitToFont();
    takeColumnsWidth();
    MSFlexGrid1->scrollToTop();
}

/*
 * The workbook is made and written on a thread of its own, from copies of the
 * table's run, the kept runs and the observations as they are at the click:
 * five long runs take a few hundred milliseconds, and a FIFO may wait for its
 * reader. The window says how it went once the thread is done.
 */
void DataTabl::saveWorkbook_Triggered()
{
    QString fileName = WorkbookDialog(this);
    if (fileName.isEmpty()) return;
    if (!fileName.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        fileName += QStringLiteral(".xlsx");
    rememberSaveFolder(fileName);
    const std::optional<QByteArray> file = fileNameBytes(fileName);
    if (!file) {
        showNotice(this, "save", unusableNameProblem(QDir::toNativeSeparators(fileName)));
        return;
    }
    struct Job {
        std::vector<KeptRun> runs;
        ObservationSet observed;
        QString problem;
        bool written = false;
    };
    auto job = std::make_shared<Job>();
    job->runs.emplace_back(m_model->run());
    for (const KeptRun &kept : MALVORA1::Kept.runs())
        job->runs.push_back(kept);
    job->observed = MALVORA1::Observed.current();
    QThread *writer = QThread::create([job, name = *file] {
        std::vector<RunSeries> runs;
        for (const KeptRun &run : job->runs)
            runs.push_back(run.series());
        job->written = writeWorkbook(name, runs, &job->observed, &job->problem);
    });
    connect(writer, &QThread::finished, this, [this, job] {
        if (job->written)
            hideNotice(this, "save");
        else
            showNotice(this, "save", job->problem);
        emit workbookWritten(job->written);
    });
    connect(writer, &QThread::finished, writer, &QObject::deleteLater);
    writer->start();
}

void DataTabl::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::DataTabl_Command1);
}

void DataTabl::Command2_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::DataTabl_Command2);
}

// Closing the table returns to the large graph window.
void DataTabl::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::DataTabl_close);
}

void DataTabl::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &DataTabl::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DataTabl::Command2_Click);
    connect(copyAction, &QAction::triggered, this, &DataTabl::copy_Triggered);
    connect(saveWorkbookAction, &QAction::triggered, this, &DataTabl::saveWorkbook_Triggered);
    // After the window has followed the zoom (connected first, in Form).
    connect(&Zoom::program(), &Zoom::changed, this, &DataTabl::takeColumnsWidth);
}
