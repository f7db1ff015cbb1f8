#pragma once

#include "shell/form.h"

class Quiz : public Form
{
    Q_OBJECT
public:
    explicit Quiz(QWidget *parent = nullptr);
};
