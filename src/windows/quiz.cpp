#include "windows/quiz.h"

#include "widgets/formlayout.h"
#include "widgets/linelabel.h"
#include "windows/windowflow.h"

#include <QIcon>
#include <QPushButton>

namespace
{
const QColor LightGreen = bgr(0x80FF80);
}

Quiz::Quiz(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Quiz"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(9855, 7545, Border::FixedSingle);
    paint(this, LightGreen, bgr(0x000000));

    // The questions are read one by one: Tab to them, then Up and Down.
    Label1 = new LineLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    place(Label1, twips(960, 480, 8055, 6255));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Command1 =
        addButton(this, "Command1", twips(3600, 6960, 3015, 495), tr("Back to the mainform"));

    Label1->setFont(tnr(15.6));
    Label1->setTextFormat(Qt::PlainText);
    paint(Label1, LightGreen, bgr(0x000000));
    Command1->setFont(tnr(12, Bold));
    chainTabOrder({Command1, Label1});
    Command1->setFocus(); // first in the tab order, so the window opens on it

    connectHandlers();
}

void Quiz::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Quiz::Command1_Click);
}

void Quiz::Form_Load()
{
    // One question a line: a line feed before each question but the first.
    const QString questions[] = {
        tr("1. Can you name three organisms which can grow exponentially within a day?"),
        tr("2. Can you name any organism which can grow exponentially forever?"),
        tr("3. Do you believe that an age-structured population can grow exponentially?"),
        tr("4. Do you agree that the truth exists no matter you \"believe\" it or not?"),
        tr("5. Do you \"believe\" that the changes of environmental factors limit organisms to "
           "grow exponentially?"),
        tr("6. Both the change of environmental conditions with time and the limit of "
           "environmental resources are important factors which prevent an exponential growth.  "
           "But, which one is more important?"),
    };
    QStringList lines;
    for (const QString &question : questions)
        lines << question;
    Label1->setText(lines.join(QLatin1Char('\n')));
}

void Quiz::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Quiz_Command1);
}

void Quiz::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Quiz_close);
}
