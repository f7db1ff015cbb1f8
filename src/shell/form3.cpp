#include "shell/form3.h"

Form3::Form3(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("More about exponential growth"));
}
