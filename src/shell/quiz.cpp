#include "shell/quiz.h"

Quiz::Quiz(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Quiz"));
}
