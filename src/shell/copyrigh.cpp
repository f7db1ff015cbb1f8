#include "shell/copyrigh.h"

copyrigh::copyrigh(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Copyright"));
}
