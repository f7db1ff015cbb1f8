#pragma once

#include "shell/form.h"

class Form3 : public Form
{
    Q_OBJECT
public:
    explicit Form3(QWidget *parent = nullptr);
};
