#pragma once

#include "shell/form.h"

class backform : public Form
{
    Q_OBJECT
public:
    explicit backform(QWidget *parent = nullptr);
};
