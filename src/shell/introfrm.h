#pragma once

#include "shell/form.h"

class Introfrm : public Form
{
    Q_OBJECT
public:
    explicit Introfrm(QWidget *parent = nullptr);
};
