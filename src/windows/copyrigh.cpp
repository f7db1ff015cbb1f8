#include "windows/copyrigh.h"

#include "model/clock.h"
#include "model/numbertext.h"
#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "windows/windowflow.h"

#include <QIcon>
#include <QPushButton>

namespace
{
const QColor Grey = bgr(0xC0C0C0), Blue = bgr(0xFF0000), Yellow = bgr(0x00FFFF);
const QColor Red = bgr(0x0000FF), Cyan = bgr(0xFFFF00), Black = bgr(0x000000);
} // namespace

copyrigh::copyrigh(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Copyright"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(8544, 6840, Border::FixedSingle);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 7.8));
    paint(this, Grey, Black);

    Label1 = addLabel(this, "Label1", twips(600, 120, 6615, 375), QString());
    Label2 = addLabel(this, "Label2", twips(480, 480, 7695, 1575),
                      tr("This program is the work of its author. You are welcome to use it for "
                         "teaching and study, but you may not modify it, reverse-engineer it or "
                         "pass it on to others without the author's written permission."));
    Label3 = addLabel(this, "Label3", twips(360, 2160, 4935, 975),
                      tr("Warning: this program is protected by copyright law and international "
                         "treaties."));
    Label4 = addLabel(this, "Label4", twips(5400, 2160, 3015, 375), tr("All rights reserved."));
    Label5 = addLabel(this, "Label5", twips(5400, 2640, 3015, 375));
    Label7 = addLabel(this, "Label7", twips(360, 3240, 4935, 1935));
    Label6 = addLabel(this, "Label6", twips(360, 5280, 4935, 1335));
    Picture1 = addLabel(this, "Picture1", twips(6120, 3600, 1776, 2292));
    Command1 = addButton(this, "Command1", twips(6360, 6120, 1215, 495), tr("OK"));

    for (ClickLabel *label : {Label1, Label2, Label4, Label5}) {
        paint(label, Grey, Blue);
        label->setFont(tnr(12));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    paint(Label3, Red, Yellow);
    setBordered(Label3);
    Label3->setFont(tnr(12, Bold));
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    paint(Label7, Blue, Yellow);
    setBordered(Label7);
    Label7->setFont(tnr(12));
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paint(Label6, Cyan, Black);
    setBordered(Label6);
    Label6->setFont(tnr(9.6));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (ClickLabel *label : {Label5, Label7, Label6})
        label->setTextFormat(Qt::PlainText);
    // The portrait stands at the top left of its sunken box at 12 twips a
    // pixel, as drawn, whatever the screen's resolution.
    paint(Picture1, Grey, Black);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    setPicture(Picture1, QStringLiteral(":/author.png"), 136 * 12, 180 * 12);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAccessibleName(tr("Photograph of the author"));
    Command1->setCursor(handCursor());

    connectHandlers();
}

void copyrigh::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &copyrigh::Command1_Click);
}

void copyrigh::Form_Load()
{
    // Two spaces between "following" and "reference", then an empty line
    // before the citation itself.
    Label7->setText(tr("If you use this program in your research, please cite the following  "
                       "reference in your paper:\n\nVesk, A. 1997. Computer program for the "
                       "exponential growth. National Tolvern University, Calverly, Norland."));
    // The addresses go without a scheme: a label may break a line after "//",
    // never inside a host name, so each address stays whole on its line.
    Label6->setText(tr("You can get new version of this program at %1\n(Norland Society for "
                       "Population Ecology, Norland) or\n%2\n(National Tolvern University).")
                        .arg(QStringLiteral("www.malvora.example.org"),
                             QStringLiteral("www.tolvern.example.org/~vesk/")));
    // The year of this load: a window that stays loaded keeps the year it was built with.
    Label5->setText(tr("\u00a9 1997-%1 Arlo Vesk").arg(integerText(Clock::now().date().year())));
}

void copyrigh::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::copyrigh_Command1);
}

// Closing the window abandons the quit.
void copyrigh::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::copyrigh_close);
}
