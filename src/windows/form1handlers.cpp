// The main window's load, clock, navigation, printing and saving.
#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "forms/firstframe.h"
#include "forms/forms.h"
#include "model/clock.h"
#include "model/filewrite.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "output/datafile.h"
#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "widgets/notice.h"
#include "widgets/printing.h"
#include "widgets/readerwait.h"
#include "widgets/savefolder.h"
#include "windows/backform.h"
#include "windows/titlform.h"
#include "windows/windowflow.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace
{

const QString Email = QStringLiteral("arlo.vesk@example.org");

QString authorBlock()
{
    const QString lines[] = {
        QStringLiteral("Prof. Dr. Arlo Vesk"),
        QString(),
        Email,
        Form1::tr("Laboratory of Population Ecology"),
        Form1::tr("Department of Biology"),
        QStringLiteral("National Tolvern University"),
        QStringLiteral("P.O. Box 1208"),
        QStringLiteral("Calverly, Norland"),
    };
    QString block;
    for (const QString &line : lines)
        block += line + u'\n';
    return block;
}

QString introduction()
{
    return Form1::tr("The exponential growth is the simplest form of the density-independent "
                     "models. The differential form is\n%1\nThe integral form is\n%2")
        .arg(QStringLiteral("dN/dt = rN."), QStringLiteral("N(t) = N(0) exp(rt)."));
}

QString instructions()
{
    return Form1::tr("Press Enter or click RUN to run this program using default values.  If you "
                     "change the default values, press Enter to confirm the change.  To see "
                     "larger graphs, click on the graph.  \nComments are welcome (please e-maile "
                     "to %1).")
        .arg(Email);
}

QString rightsNotice(int year)
{
    return Form1::tr("Copyright \u00A9 1997-%1 Arlo Vesk").arg(integerText(year));
}

} // namespace

/*
 * The title screen is what the user sees first, and nothing it does not need
 * is built before it is on the screen: the main window, with its controls,
 * fonts, pictures and chart, is built behind it once its first frame is
 * shown. A title dismissed sooner than that builds it before it goes.
 */
void Form1::start()
{
    showTitleScreen();
    afterFirstFrame(Forms::form<titlform>(), [] { Forms::form<Form1>(); });
}

// The backdrop and the title screen, once: by the program's start, or else by
// the main window's load.
void Form1::showTitleScreen()
{
    if (Forms::isLoaded<titlform>()) return;
    backform &backdrop = Forms::form<backform>();
    backdrop.setVisible(true);
    backdrop.setWindowState(Qt::WindowMaximized);
    titlform &title = Forms::form<titlform>();
    title.setVisible(true);
    title.setWindowState(Qt::WindowNoState);
}

void Form1::Form_Load()
{
    const QDateTime now = Clock::now();
    Label8->setText(rightsNotice(now.date().year()));
    showTitleScreen();
    setVisible(false);
    MSChart1->hide();
    // The greeting follows the hour on the 24-hour clock, once, at load.
    const bool afternoon =
        Val(now.time().toString(QStringLiteral("HH:mm:ss")).left(2)).value_or(0) > 12;
    Label11->setVisible(!afternoon);
    Label12->setVisible(afternoon);
    Label13->show();
    Command3->setEnabled(false);
    command4->setEnabled(false);
    Command5->setEnabled(false);
    Command2->setEnabled(true);
    Label10->setText(authorBlock());
    Label7->setText(introduction());
    MALVORA1::Simut = 0;
    Label13->setText(instructions());
    const double frameWidth = 5535, frameHeight = 3015, imageWidth = 1632, imageHeight = 2160;
    place(Image1, twips(frameWidth - imageWidth - 100, (frameHeight - imageHeight) / 2, imageWidth,
                        imageHeight));
    Timer1->start();
}

// Closing the main window ends the program, whatever else is open.
void Form1::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_close);
}

void Form1::Timer1_Timer()
{
    Label6->setText(generalDateTime(Clock::now(), locale()));
}

void Form1::Command7_Click()
{
    printWindow(this);
}

void Form1::Command10_Click()
{
    const QString fileName = CommonDialog1(this);
    if (fileName.isEmpty()) return;
    rememberSaveFolder(fileName);
    const std::optional<QByteArray> file = fileNameBytes(fileName);
    QString problem = file ? QString() : unusableNameProblem(QDir::toNativeSeparators(fileName));
    ReaderWait wait(this, fileName);
    if (file && writeDataFile(*file, &problem, wait.waiting()))
        hideNotice(this, "save");
    else
        showNotice(this, "save", problem);
}

void Form1::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_Command1);
}

void Form1::Command6_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_Command6);
}

void Form1::Label9_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_Label9);
}

void Form1::Label10_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_Label10);
}

void Form1::Image1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_Image1);
}

void Form1::Command11_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_Command11);
}
