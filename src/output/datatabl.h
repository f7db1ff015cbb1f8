#pragma once

#include "shell/form.h"

class DataTabl : public Form
{
    Q_OBJECT
public:
    explicit DataTabl(QWidget *parent = nullptr);
};
