#pragma once

#include "shell/form.h"

class ChartControl;

class larggraf : public Form
{
    Q_OBJECT
public:
    explicit larggraf(QWidget *parent = nullptr);

    ChartControl *MSChart1;
};
