#include "shell/vater.h"

Vater::Vater(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Dedication"));
}
