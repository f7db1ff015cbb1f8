#include "windows/vater.h"

#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "windows/windowflow.h"

#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>

namespace
{
// The frame and the portrait as drawn, in twips: 504 x 559 pixels at 12 twips a pixel.
constexpr float FrameWidth = 6492, FrameHeight = 6972;
constexpr float PictureWidth = 6048, PictureHeight = 6708;
} // namespace

Vater::Vater(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("Dedication"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(6960, 7956, Border::FixedDialog);
    setWindowFlag(Qt::Tool, true);
    hideTaskbarButton();
    paint(this, bgr(0xFFFFFF), bgr(0x000000));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    place(Frame1, twips(360, 240, FrameWidth, FrameHeight));
    Picture2 = addLabel(Frame1, "Picture2", twips(120, 120, PictureWidth, PictureHeight));
    Command1 = addButton(this, "Command1", twips(1320, 7320, 4575, 495), tr("God rest his soul"));

    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    paint(Frame1, bgr(0xFFFFFF), bgr(0x000000));
    Picture2->setPixmap(QPixmap(QStringLiteral(":/dedication.png")));
    Picture2->setScaledContents(true);
    Picture2->setAccessibleName(tr("Dedication portrait"));
    Command1->setFont(tnr(14.4, Bold));

    connectHandlers();
}

void Vater::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Vater::Command1_Click);
}

void Vater::Form_Load()
{
    // Centred in single precision, as the figures were drawn: with the design
    // sizes the portrait stands at Left 222, Top 132 within the frame. A
    // portrait larger than the frame gets negative offsets and is cut off by it.
    const float top = (FrameHeight - PictureHeight) / 2.0f;
    const float left = (FrameWidth - PictureWidth) / 2.0f;
    place(Picture2, twips(left, top, PictureWidth, PictureHeight));
}

void Vater::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Vater_Command1);
}

// Closing the window ends the program too: nothing but the backdrop would be left.
void Vater::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Vater_close);
}
