#include "output/datatabl.h"

DataTabl::DataTabl(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Data detail"));
}
