// The main window's five chart buttons and the click on its chart. Each
// button redraws the chart, disables itself and Run, and hands the focus on
// in the cycle N -> lnN -> DN -> DN/N -> lndN -> N. Each enables only the
// buttons of its own list, so a button disabled earlier may stay disabled.
#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "charts/chartroutines.h"
#include "forms/forms.h"
#include "model/malvora1.h"
#include "windows/larggraf.h"
#include "windows/windowflow.h"

#include <QPushButton>

void Form1::command4_Click()
{
    ShowNtvsT(*MSChart1);
    Command5->setEnabled(true);
    command4->setEnabled(false);
    Command3->setEnabled(true);
    Command3->setFocus();
    Command2->setEnabled(false);
    Command9->setEnabled(true);
}

void Form1::Command3_Click()
{
    ShowlnNtvsT(*MSChart1);
    command4->setEnabled(true);
    Command5->setEnabled(true);
    Command5->setFocus();
    Command3->setEnabled(false);
    Command2->setEnabled(false);
}

void Form1::Command5_Click()
{
    ShowdNvsT(*MSChart1);
    command4->setEnabled(true);
    Command8->setEnabled(true);
    Command8->setFocus();
    Command3->setEnabled(true);
    Command2->setEnabled(false);
    Command5->setEnabled(false);
}

void Form1::Command8_Click()
{
    ShowdNNvsN(*MSChart1);
    command4->setEnabled(true);
    Command9->setEnabled(true);
    Command9->setFocus();
    Command3->setEnabled(true);
    Command2->setEnabled(false);
    Command5->setEnabled(true);
    Command8->setEnabled(false);
}

void Form1::Command9_Click()
{
    ShowlndNvsT(*MSChart1);
    command4->setEnabled(true);
    command4->setFocus();
    Command8->setEnabled(true);
    Command3->setEnabled(true);
    Command2->setEnabled(false);
    Command9->setEnabled(false);
}

// The way into the large graph window, which opens on N(t) against time.
void Form1::MSChart1_Click()
{
    WindowFlow::moveOn(*this, "MSChart1");
    ShowNtvsT(*Forms::form<larggraf>().MSChart1);
    MALVORA1::GraphNo = 1;
}
