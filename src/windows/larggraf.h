#pragma once

#include "forms/form.h"

class ChartControl;
class QPushButton;

// The large graph window: one chart at a time on a chart area that fills
// almost the whole window, with a row of buttons beneath it. Six buttons draw
// a chart each; a click on the chart steps through the cycle of eight charts,
// the only way to the two comparisons of the differential and the difference
// form. The cycle position is GraphNo of the model state, so it outlives the
// window.
class larggraf : public Form
{
    Q_OBJECT
  public:
    explicit larggraf(QWidget *parent = nullptr);

    ChartControl *MSChart1;
    QPushButton *Command1, *Command2, *Command3, *Command7, *Command8, *Command9, *Command10;
    QPushButton *Command6, *command4, *Command5;

    void MSChart1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command6_Click();
    void command4_Click();
    void Command5_Click();

  protected:
    void Form_Unload() override;

  private:
    void layOut();
    void connectHandlers();
};
