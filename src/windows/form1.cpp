#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "charts/chartmenu.h"
#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "widgets/savedialog.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace
{
const QColor White = bgr(0xFFFFFF), Black = bgr(0x000000), Red = bgr(0x0000FF);
const QColor Yellow = bgr(0x00FFFF), Blue = bgr(0xFF0000);
const QColor Green = QColor(0, 128, 0), Silver = QColor(192, 192, 192);

} // namespace

Form1::Form1(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Malvora"));
    // The program's icon, for this window and the toolkit's dialogs; the
    // backdrop and the title screen before it have no taskbar button.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(9972, 7788, Border::FixedSingle);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 7.8, Bold));
    paint(this, White, Black);
    CommonDialog1 = [](QWidget *parent) { return askSaveFileName(parent, QString()); };
    ObservationsDialog = [](QWidget *parent) {
        return askOpenFileName(
            parent, tr("Open observations"),
            //: The file types of the observations dialog; keep the patterns in brackets
            tr("Counts (*.csv *.tsv *.txt);;All files (*)"));
    };
    layOut();
    chainTabOrder({Command2, n0, txtRrate, Text4, txtSimut, Command6, Command9, Command8, Command5,
                   command4, Command3, Command7, Command10, Command1, Command11, MSChart1});
    connectHandlers();
    setUpObservations();
}

void Form1::layOut()
{
    Label9 = addLabel(this, "Label9", twips(120, 120, 4095, 495), tr("Malvora"));
    Label8 = addLabel(this, "Label8", twips(120, 720, 4095, 255));
    Frame4 = addFrame(this, "Frame4", twips(120, 960, 4095, 2655), tr("Introduction"));
    Frame3 = addFrame(this, "Frame3", twips(120, 3720, 4095, 3975), tr("Data and run"));
    Frame2 = addFrame(this, "Frame2", twips(4320, 120, 5535, 4455), tr("Graph"));
    Frame1 = addFrame(this, "Frame1", twips(4320, 4680, 5535, 3015), tr("Author"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    paint(Label9, Red, Yellow);
    setBordered(Label9);
    Label9->setAlignment(Qt::AlignCenter);
    Label9->setFont(tnr(18, Bold));
    Label9->setToolTip(tr("Introduction"));
    Label9->setCursor(handCursor());
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (QGroupBox *frame : {Frame4, Frame3, Frame2, Frame1})
        paint(frame, White, Black);
    Frame3->setFont(tnr(9.6, Bold));

    layOutIntroduction();
    layOutDataAndRun();
    layOutGraph();
    layOutAuthor();
}

void Form1::layOutIntroduction()
{
    Label7 = addLabel(Frame4, "Label7", twips(120, 240, 3855, 1815));
    Command6 = withHand(addButton(Frame4, "Command6", twips(240, 2160, 1215, 375), tr("More...")));
    Command7 =
        withHand(addButton(Frame4, "Command7", twips(2304, 2160, 1455, 375), tr("Print form")));

    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label7->setFont(tnr(12));
    Command6->setFont(tnr(12, Bold));
    Command6->setToolTip(tr("Introduction"));
    Command7->setFont(tnr(12, Bold));
    Command7->setToolTip(tr("Print this form"));
}

void Form1::layOutDataAndRun()
{
    Label5 = addLabel(Frame3, "Label5", twips(120, 360, 1575, 255), tr("Present time"));
    Label6 = addLabel(Frame3, "Label6", twips(2160, 240, 1815, 495));
    Label1 = addLabel(Frame3, "Label1", twips(120, 960, 1935, 375), tr("Growth rate (r):"));
    txtRrate = addTextBox(Frame3, "txtRrate", twips(2160, 840, 1815, 465), QStringLiteral("0.2"));
    Label2 = addLabel(Frame3, "Label2", twips(120, 1560, 1935, 375), tr("Initial size N(0):"));
    n0 = addTextBox(Frame3, "n0", twips(2160, 1440, 1815, 465), QStringLiteral("10"));
    //: Before the end-time box: the run goes from time t = 0 to the end time typed in the box
    Label3 = addLabel(Frame3, "Label3", twips(120, 2160, 1815, 375), tr("For t = 0 to "));
    txtSimut = addTextBox(Frame3, "txtSimut", twips(2160, 2040, 1815, 465), QStringLiteral("20"));
    //: Above the result box; the end time follows it after a run ("Population size at t =20")
    Label4 = addLabel(Frame3, "Label4", twips(120, 2640, 3852, 372), tr("Population size at t ="));
    Text4 = addTextBox(Frame3, "Text4", twips(120, 3000, 3855, 420), QString());
    Command2 = withHand(addButton(Frame3, "Command2", twips(120, 3480, 1215, 375), tr("Run")));
    Command10 = addButton(Frame3, "Command10", twips(1440, 3480, 1335, 375), tr("Save"));
    Command1 = withHand(addButton(Frame3, "Command1", twips(2880, 3480, 1095, 405), tr("Quit")));

    for (QLabel *label : {Label5, Label1, Label2, Label3, Label4}) {
        label->setFont(tnr(12, Bold));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    paint(Label6, Yellow, Black);
    setBordered(Label6);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setFont(tnr(9.6, Bold));
    Label1->setBuddy(txtRrate);
    Label2->setBuddy(n0);
    Label3->setBuddy(txtSimut);
    // The result box is named by the label above it, end time and all.
    Label4->setBuddy(Text4);
    for (QLineEdit *box : {txtRrate, n0, txtSimut, Text4}) {
        box->setFont(tnr(14.4, Bold));
        paint(box, White, Blue);
    }
    Text4->setReadOnly(true);
    for (QPushButton *button : {Command2, Command10, Command1})
        button->setFont(tnr(12, Bold));
    Command2->setToolTip(tr("Run simulation"));
    Command10->setToolTip(tr("Save graphic data"));
    Command10->setEnabled(false);
    Command1->setToolTip(tr("Quit this program"));
}

void Form1::layOutGraph()
{
    MSChart1 = new ChartControl(Frame2);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    place(MSChart1, twips(120, 240, 5292, 3660));
    MSChart1->menu().saveDialog = askChartFileName;
    MSChart1->setUsageDescription(
        tr("Click the chart, or press Enter on it, to see it in the large window"));
    //: Greeting shown in the morning (a Spanish "Good morning!" in the English program); give your
    //: language's "Good morning!"
    Label11 = addLabel(Frame2, "Label11", twips(120, 240, 5295, 735), tr("Buenos dias!"));
    //: Greeting shown in the afternoon (a Spanish "Good afternoon!" in the English program)
    Label12 = addLabel(Frame2, "Label12", twips(120, 240, 5295, 735), tr("Buenas tardes!"));
    Label13 = addLabel(Frame2, "Label13", twips(120, 1080, 5295, 2775));
    //: Chart buttons: population size N, its change dN (written DN here) and their logarithms ln
    //: against time t; keep the symbols, translate "vs." only
    command4 = addButton(Frame2, "command4", twips(120, 3960, 735, 375), tr("N vs. t"));
    Command3 = addButton(Frame2, "Command3", twips(960, 3960, 975, 375), tr("lnN vs. t"));
    Command5 = addButton(Frame2, "Command5", twips(2040, 3960, 855, 375), tr("DN vs. t"));
    Command8 = addButton(Frame2, "Command8", twips(3000, 3960, 1215, 375), tr("DN/N vs. N"));
    Command9 = addButton(Frame2, "Command9", twips(4320, 3960, 1095, 375), tr("lndN vs. t"));

    MSChart1->hide();
    paint(Label11, Green, Yellow);
    paint(Label12, Silver, Red);
    paint(Label13, Blue, Yellow);
    for (QLabel *label : {Label11, Label12, Label13}) {
        setBordered(label);
        label->setAlignment(Qt::AlignCenter);
    }
    Label11->setFont(tnr(26.4, Bold | Italic));
    Label12->setFont(tnr(26.4, Bold | Italic));
    Label13->setFont(tnr(14.4, Bold));
    command4->setToolTip(tr("Show graph N(t) vs. t"));
    Command3->setToolTip(tr("Show graph lnN(t) vs. t"));
    Command5->setToolTip(tr("Show graph dN(t) vs. t"));
    Command8->setToolTip(tr("Show graph dN(t)/N(t) vs. N(t)"));
    Command9->setToolTip(tr("Show graph lndN(t) vs. t"));
    for (QPushButton *button : {command4, Command3, Command5, Command8, Command9}) {
        withHand(button)->setFont(tnr(9, Bold));
        button->setEnabled(false);
    }
}

void Form1::layOutAuthor()
{
    Label10 = addLabel(Frame1, "Label10", twips(120, 240, 3132, 2652));
    Image1 = addLabel(Frame1, "Image1", twips(3600, 480, 1632, 2160));
    Command11 = addButton(Frame1, "Command11", twips(2760, 2280, 615, 615), QString());

    Label10->setFont(tnr(11.4, Bold));
    Label10->setToolTip(tr("Introduction"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/author.png")));
    Image1->setScaledContents(true);
    Image1->setToolTip(tr("Help"));
    Image1->setAccessibleName(tr("Photograph of the author"));
    Image1->setCursor(handCursor());
    Command11->setIcon(QIcon(QStringLiteral(":/quiz.png")));
    Command11->setIconSize(QSize(32, 32));
    Command11->setAccessibleName(tr("Quiz"));
}

void Form1::connectHandlers()
{
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(n0, &QLineEdit::textChanged, this, &Form1::n0_Change);
    connect(txtRrate, &QLineEdit::textChanged, this, &Form1::txtRrate_Change);
    connect(txtSimut, &QLineEdit::textChanged, this, &Form1::txtSimut_Change);
    connect(n0, &QLineEdit::returnPressed, this, [this] { n0_KeyPress('\r'); });
    connect(txtRrate, &QLineEdit::returnPressed, this, [this] { txtRrate_KeyPress('\r'); });
    connect(txtSimut, &QLineEdit::returnPressed, this, [this] { txtSimut_KeyPress('\r'); });
    connect(command4, &QPushButton::clicked, this, &Form1::command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
    connect(MSChart1, &ChartControl::clicked, this, &Form1::MSChart1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Label9, &ClickLabel::clicked, this, &Form1::Label9_Click);
    connect(Label10, &ClickLabel::clicked, this, &Form1::Label10_Click);
    connect(Image1, &ClickLabel::clicked, this, &Form1::Image1_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
}
