#pragma once

#include "shell/form.h"

class Vater : public Form
{
    Q_OBJECT
public:
    explicit Vater(QWidget *parent = nullptr);
};
