#include "shell/referenc.h"

Referenc::Referenc(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("References"));
}
