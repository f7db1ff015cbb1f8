#pragma once

#include "shell/form.h"

class titlform : public Form
{
    Q_OBJECT
public:
    explicit titlform(QWidget *parent = nullptr);
};
