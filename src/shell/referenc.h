#pragma once

#include "shell/form.h"

class Referenc : public Form
{
    Q_OBJECT
public:
    explicit Referenc(QWidget *parent = nullptr);
};
