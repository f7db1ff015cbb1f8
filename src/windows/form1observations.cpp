// A class's own counts in the main window: "Open observations…", the fit
// beside the window, and "Use the fitted values".
#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "charts/chartmenu.h"

#include "model/filewrite.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/observationfile.h"
#include "model/observations.h"
#include "output/observationinput.h"
#include "widgets/notice.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <memory>

using MALVORA1::Observed;

namespace
{

const char *const ObservationsCause = "observations";

// What the reader's thread hands back to the window.
struct Reading {
    ObservationFile file;
    QString problem;
};

} // namespace

void Form1::setUpObservations()
{
    //: In the main window's keys and the chart's context menu: reads a class's file of counts
    openObservationsAction = new QAction(tr("Open observations…"), this);
    openObservationsAction->setObjectName(QStringLiteral("openObservationsAction"));
    openObservationsAction->setShortcut(QKeySequence::Open);
    openObservationsAction->setShortcutContext(Qt::WindowShortcut);
    addAction(openObservationsAction);
    MSChart1->menu().addSeparator();
    MSChart1->menu().addAction(openObservationsAction);
    connect(openObservationsAction, &QAction::triggered, this, &Form1::openObservations_Triggered);
}

/*
 * The file is read on a thread of its own, so that a slow disk, a FIFO or a
 * large file leaves the window free; the window takes what was read once the
 * thread is done, and the observations' owner tells every chart.
 */
void Form1::openObservations_Triggered()
{
    const QString fileName = ObservationsDialog(this);
    if (fileName.isEmpty()) return;
    const std::optional<QByteArray> name = fileNameBytes(fileName);
    if (!name) {
        showNotice(this, ObservationsCause,
                   unusableNameProblem(QDir::toNativeSeparators(fileName)));
        return;
    }
    auto reading = std::make_shared<Reading>();
    const QString shown = displayName(*name);
    QThread *reader = QThread::create([reading, bytes = *name, shown] {
        if (const auto text = readInputFile(bytes, &reading->problem))
            reading->file = readObservations(*text, shown);
    });
    connect(reader, &QThread::finished, this, [this, reading, shown] {
        const QString problem =
            reading->problem.isEmpty() ? reading->file.problem : reading->problem;
        if (!problem.isEmpty()) {
            showNotice(this, ObservationsCause, problem);
            return;
        }
        hideNotice(this, ObservationsCause);
        Observed.set(shown, std::move(reading->file.observations));
        showFit();
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    reader->start();
}

// The fit beside the window, as a notice is: it blocks nothing.
void Form1::showFit()
{
    if (!fitPanel) {
        fitPanel = new QMessageBox(QMessageBox::Information, windowTitle(), QString(),
                                   QMessageBox::Close, this);
        fitPanel->setObjectName(QStringLiteral("fitPanel"));
        fitPanel->setWindowModality(Qt::NonModal);
        //: Puts the fitted r and N(0) into the boxes of the main window
        useFitButton = fitPanel->addButton(tr("Use the fitted values"), QMessageBox::ApplyRole);
        useFitButton->setObjectName(QStringLiteral("useFitButton"));
        connect(useFitButton, &QPushButton::clicked, this, &Form1::useFit_Click);
    }
    const auto &fit = Observed.fit();
    //: %1 is the observations file's name, %2 the number of counts in it
    QString text = tr("Observed: %1 (%2 counts)")
                       .arg(Observed.fileName(), integerText(int(Observed.observations().size())));
    text += u'\n' + (fit ? fitFigures(*fit, locale()).join(u'\n') : Observed.fitProblem());
    fitPanel->setText(text);
    useFitButton->setEnabled(fit.has_value());
    fitPanel->show();
    fitPanel->raise();
}

// The fitted r and N(0) go into their boxes, as if typed, and the end time
// becomes the span of the counts where a run can reach it: Run then draws the
// model through all of the class's points, from the first at t = 0.
void Form1::useFit_Click()
{
    const auto &fit = Observed.fit();
    if (!fit) return;
    txtRrate->setText(generalNumber(fit->rate, locale()));
    n0->setText(generalNumber(fit->initialSize, locale()));
    const auto &counts = Observed.observations();
    double last = counts.front().time;
    for (const Observation &o : counts)
        last = std::max(last, o.time);
    const double span = std::ceil(last - counts.front().time);
    if (span >= 1 && span <= MALVORA1::MaxEndTime) txtSimut->setText(integerText(int(span)));
}
