#include "charts/chartmenu.h"

#include "charts/chartcontrol.h"
#include "charts/chartexport.h"
#include "charts/chartreadout.h"
#include "model/filewrite.h"
#include "model/keptruns.h"
#include "widgets/announce.h"
#include "widgets/notice.h"
#include "widgets/readerwait.h"
#include "widgets/savedialog.h"
#include "widgets/savefolder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

using MALVORA1::Kept;

namespace
{

// A copy, on the clipboard or in a PNG file, has twice the chart's pixels on the screen.
double copyScale(const ChartControl &chart)
{
    return 2 * chart.devicePixelRatioF();
}

} // namespace

ChartMenu::ChartMenu(ChartControl *chart) : QMenu(chart), m_chart(chart)
{
    setObjectName(QStringLiteral("chartMenu"));
    copyAction = addAction(tr("Copy chart"), this, &ChartMenu::copyChart);
    saveAction = addAction(tr("Save chart as..."), this, &ChartMenu::saveChart);
    addSeparator();
    keepAction = addAction(tr("Keep this run"), this, &ChartMenu::keepRun);
    forgetAction = addAction(tr("Forget kept runs"), this, &ChartMenu::forgetRuns);

    // Ctrl+C copies while the chart has the focus; Shift+F10 and the Menu key
    // open the menu.
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    chart->addAction(copyAction);
    auto *openByKey = new QAction(this);
    openByKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    openByKey->setShortcutContext(Qt::WidgetShortcut);
    chart->addAction(openByKey);
    connect(openByKey, &QAction::triggered, this,
            [this] { open(m_chart->mapToGlobal(m_chart->rect().center())); });

    saveDialog = askChartFileName;
}

void ChartMenu::open(QPoint at)
{
    keepAction->setEnabled(!Kept.holds(currentRun()));
    forgetAction->setEnabled(!Kept.runs().empty());
    m_chart->readout().hide(); // its values would stand stale beside the menu and its dialogs
    popup(at);
}

void ChartMenu::copyChart()
{
    QApplication::clipboard()->setImage(chartImage(m_chart->drawn(), copyScale(*m_chart)));
}

// The type follows the name's extension; a name without one of the two
// (or without any) gets the chosen filter's.
void ChartMenu::saveChart()
{
    const QString png = tr("PNG image (*.png)"), svg = tr("SVG image (*.svg)");
    QString filter = png;
    QString name = saveDialog(m_chart, png + QStringLiteral(";;") + svg, &filter);
    if (name.isEmpty()) return;
    rememberSaveFolder(name);
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix != u"png" && suffix != u"svg")
        name += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    const std::optional<QByteArray> file = fileNameBytes(name);
    QString problem = file ? QString() : unusableNameProblem(QDir::toNativeSeparators(name));
    ReaderWait wait(m_chart->window(), name);
    if (file && writeChart(m_chart->drawn(), copyScale(*m_chart), *file, &problem, wait.waiting()))
        hideNotice(m_chart->window(), "chart");
    else
        showNotice(m_chart->window(), "chart", problem);
}

// Each confirmed aloud: "Run r = 0.3, N(0) = 10 kept; 2 runs kept".
void ChartMenu::keepRun()
{
    Kept.keep(currentRun());
    announceKept(m_chart, currentRun(), int(Kept.runs().size()));
}

void ChartMenu::forgetRuns()
{
    Kept.forget();
    announceForgotten(m_chart);
}
