#include "windows/introfrm.h"

#include "widgets/formlayout.h"
#include "windows/windowflow.h"

#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>

Introfrm::Introfrm(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Introduction"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(7650, 6075, Border::FixedSingle);
    paint(this, bgr(0xC0C0C0), bgr(0x000000));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, twips(240, 120, 7215, 5295));
    Command2 = addButton(this, "Command2", twips(2160, 5520, 1695, 495), tr("References"));
    Command1 = addButton(this, "Command1", twips(4320, 5520, 1215, 495), tr("OK"));

    // The paragraph can be read, selected and scrolled, never edited.
    Text1->setFont(tnr(12, Bold));
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WordWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setAccessibleName(tr("Introduction"));
    paint(Text1, bgr(0xFFFFFF), bgr(0x000000));
    for (QPushButton *button : {Command2, Command1}) {
        button->setFont(tnr(12, Bold));
        button->setCursor(handCursor());
    }

    // "OK" comes first in the tab order and has the focus when the window comes up.
    chainTabOrder({Command1, Text1, Command2});
    Command1->setFocus();
    connectHandlers();
}

void Introfrm::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Introfrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Introfrm::Command2_Click);
}

void Introfrm::Form_Load()
{
    // One paragraph, ended by a space.
    Text1->setPlainText(
        tr("The exponential growth is the simplest model of population growth. The differential "
           "form is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the "
           "number of individuals at time t and time zero, respectively. The parameter r is the "
           "grwoth rate. The exponential growth is also called as geometric growth. The growth "
           "rate r is sometimes called as the instantaneous rate, the intrinsic rate, the per "
           "capita rate, the geometric rate, etc. It is density-independent. This model should "
           "not be used for age-structured population, stage-structured population, or bisexual "
           "populaton. It assumes that all individuals are identical, the resources are "
           "unlimited, the space is unlimited, the environmental conditions are stable.  "
           "Therefore, only microorganisms follow the exponential growth for a short period.  "
           "Insects, birds, frogs, fishes, mammals, snakes and snails do not follow the "
           "exponential growth.  Some insect populations may grow fast and the plot of population "
           "size against time may similar to the exponential one, e.g., aphids and mites. But, "
           "you should keep in mind that it is theoretically incorrect to use this simple model "
           "for population with age structure or population with sexual bimorphism. The programs "
           "ORBEL and STAVEN are age-structured model, you are welcome to try them.  The program "
           "DUOLIN is an age-stage, two-sex model. It can be used for study and raw data analysis "
           "of the life history of a two-sex population. "));
}

void Introfrm::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Introfrm_Command1);
}

void Introfrm::Command2_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Introfrm_Command2);
}

void Introfrm::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Introfrm_close);
}
