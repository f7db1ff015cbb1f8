#include "charts/larggraf.h"

#include "charts/chartcontrol.h"

larggraf::larggraf(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Form2"));
    MSChart1 = new ChartControl(ChartControl::LargeWindow, this);
}
