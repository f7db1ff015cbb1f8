#include "shell/introfrm.h"

Introfrm::Introfrm(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Introduction"));
}
