#include "windows/larggraf.h"

#include "charts/chartcontrol.h"
#include "charts/chartmenu.h"
#include "charts/chartroutines.h"
#include "forms/forms.h"
#include "model/malvora1.h"
#include "widgets/formlayout.h"
#include "widgets/printing.h"
#include "widgets/notice.h"
#include "widgets/savedialog.h"
#include "windows/datatabl.h"
#include "windows/windowflow.h"

#include <QIcon>
#include <QPushButton>

#include <cstdint>

using namespace MALVORA1;

namespace
{

const QColor White = bgr(0xFFFFFF), Black = bgr(0x000000);

// The chart cycle, entry GraphNo - 1 for GraphNo = 1 ... 8. The window opens
// on N(t) against time with GraphNo 1, so the first click on the chart lands
// on dN/N against N(t), and N(t+1) against N(t) comes only with the eighth.
using ChartRoutine = void (*)(ChartControl &);
constexpr ChartRoutine ChartCycle[] = {
    ShowNnextvsN,       ShowdNNvsN,  ShowdNvsT,
    ShowlnNtvsT,        ShowNtvsT,   CompareDifferentialAndDifference,
    CompareDeltaNanddN, ShowlndNvsT,
};
constexpr int CycleLength = int(std::size(ChartCycle));

} // namespace

larggraf::larggraf(QWidget *parent) : Form(parent)
{
    //: Title of the large graph window: its form name, kept as a name; leave as it is or give the
    //: window's name in your language ("Graph")
    setWindowTitle(tr("Form2"));
    //: What a screen reader calls the large graph window, whose caption is a bare form name
    setAccessibleName(tr("Large graphs"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(10764, 7740, Border::FixedSingle);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8));
    paint(this, White, Black);
    layOut();
    chainTabOrder({Command1, Command2, Command3, command4, Command5, Command6, Command7, Command8,
                   Command9, Command10, MSChart1});
    connectHandlers();
}

void larggraf::layOut()
{
    MSChart1 = new ChartControl(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    place(MSChart1, twips(96, 96, 10572, 7116));
    MSChart1->menu().saveDialog = askChartFileName;
    //: Chart button: population size N against time t; keep the symbols, translate "vs." only
    Command1 = withHand(addButton(this, "Command1", twips(120, 7320, 975, 375), tr("N(t) vs. t")));
    Command2 = withHand(addButton(this, "Command2", twips(1200, 7320, 975, 375), tr("lnN vs. t")));
    Command3 = withHand(addButton(this, "Command3", twips(2280, 7320, 975, 375), tr("dN vs. t")));
    Command7 =
        withHand(addButton(this, "Command7", twips(3360, 7320, 1095, 375), tr("dN/N vs. N")));
    Command8 = withHand(addButton(this, "Command8", twips(4560, 7320, 975, 375), tr("lndN vs. t")));
    Command9 = addButton(this, "Command9", twips(5640, 7320, 1575, 375), tr("N(t+1) vs. N(t)"));
    Command10 = addButton(this, "Command10", twips(7320, 7320, 855, 375), tr("Detail"));
    //: Print button of the large graph window, one letter wide: the first letter of "print"
    Command6 = withHand(addButton(this, "Command6", twips(8280, 7320, 375, 375), tr("P")));
    //: Button back to the main window
    command4 = withHand(addButton(this, "command4", twips(8760, 7320, 1095, 375), tr("Main form")));
    Command5 = withHand(addButton(this, "Command5", twips(9960, 7320, 735, 375), tr("Quit")));

    MSChart1->setUsageDescription(
        tr("Click the chart, or press Enter on it, to show the next chart of the cycle"));
    Command6->setToolTip(tr("Print this page"));
    Command6->setAccessibleDescription(tr("Print this page"));
}

void larggraf::connectHandlers()
{
    connect(MSChart1, &ChartControl::clicked, this, &larggraf::MSChart1_Click);
    connect(Command1, &QPushButton::clicked, this, &larggraf::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &larggraf::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &larggraf::Command3_Click);
    connect(Command7, &QPushButton::clicked, this, &larggraf::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &larggraf::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &larggraf::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &larggraf::Command10_Click);
    connect(Command6, &QPushButton::clicked, this, &larggraf::Command6_Click);
    connect(command4, &QPushButton::clicked, this, &larggraf::command4_Click);
    connect(Command5, &QPushButton::clicked, this, &larggraf::Command5_Click);
}

// Only a click on the chart moves the cycle; the buttons draw without moving
// it, so the next click continues from wherever the cycle stood. A position
// outside the cycle (the 16-bit counter can hold one only if something else
// wrote it) starts the cycle again rather than reach past its end.
void larggraf::MSChart1_Click()
{
    GraphNo = std::int16_t(GraphNo + 1);
    if (GraphNo > CycleLength || GraphNo < 1) GraphNo = 1;
    ChartCycle[GraphNo - 1](*MSChart1);
}

void larggraf::Command1_Click()
{
    ShowNtvsT(*MSChart1);
}
void larggraf::Command2_Click()
{
    ShowlnNtvsT(*MSChart1);
}
void larggraf::Command3_Click()
{
    ShowdNvsT(*MSChart1);
}
void larggraf::Command7_Click()
{
    ShowdNNvsN(*MSChart1);
}
void larggraf::Command8_Click()
{
    ShowlndNvsT(*MSChart1);
}
void larggraf::Command9_Click()
{
    ShowNnextvsN(*MSChart1);
}

// The table opens over this window, which stays visible beneath it; the main
// window goes out of view. Every click fills the table anew from the model
// state.
void larggraf::Command10_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::larggraf_Command10);
    Forms::form<DataTabl>().fill();
}

void larggraf::Command6_Click()
{
    printWindow(this);
}

void larggraf::command4_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::larggraf_command4);
}

// "Quit" leads to the citation window, which leads on to the end.
void larggraf::Command5_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::larggraf_Command5);
}

void larggraf::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::larggraf_close);
}
