#include "shell/backform.h"

backform::backform(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Malvora4"));
}
