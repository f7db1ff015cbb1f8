#include "shell/titlform.h"

titlform::titlform(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr(""));
}
