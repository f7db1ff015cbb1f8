#pragma once

#include "shell/form.h"

class copyrigh : public Form
{
    Q_OBJECT
public:
    explicit copyrigh(QWidget *parent = nullptr);
};
