#include "windows/referenc.h"

#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "windows/windowflow.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>

Referenc::Referenc(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("References"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(8685, 5730, Border::FixedSingle);
    paint(this, bgr(0xFFFFFF), bgr(0x000000));

    Label1[0] = addLabel(this, "Label1(0)", twips(240, 240, 6735, 255), tr("References"));
    Label1[4] = addLabel(this, "Label1(4)", twips(240, 720, 8415, 615),
                         tr("Vesk, A. and H. Marrow. 1985. Two new methods for the study of insect "
                            "population ecology. Norland J. Entomol. 12:141-156."));
    Label1[6] = addLabel(this, "Label1(6)", twips(240, 1440, 8415, 615),
                         tr("Vesk, A. 1988. Life-table analysis incorporating both sexes and "
                            "variable development rates among individuals. Ann. Calverly Zool. "
                            "Soc. 27:33-48."));
    Label1[2] = addLabel(this, "Label1(2)", twips(240, 2160, 8295, 615),
                         tr("Eason, G., C.W. Coles and G. Gettinby. 1980. Mathematics and "
                            "Statistics for the Bio-sciences. Ellis Horwood, Chichester."));
    Label1[1] = addLabel(this, "Label1(1)", twips(240, 2880, 8415, 615),
                         tr("Malthus, T.R. 1798. An Essay on the Principle of Population. "
                            "Reprinted 1970, Penguin Books, Harmondsworth."));
    Label1[5] = addLabel(this, "Label1(5)", twips(240, 3600, 8415, 615),
                         tr("Leslie, P.H. 1945. On the use of matrices in certain population "
                            "mathematics. Biometrika 33:183-212."));
    Label1[3] = addLabel(this, "Label1(3)", twips(240, 4320, 8415, 375),
                         tr("Lewis, E.G. 1942. On the generation and growth of a population. "
                            "Sankhya 6:93-96."));
    Command1 = addButton(this, "Command1", twips(3720, 5160, 1095, 495), tr("OK"));

    // Glyph widths hinted to whole pixels, as the lines were measured when the
    // window was drawn: the last reference just fills its one line.
    QFont font = tnr(12, Bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (ClickLabel *label : Label1) {
        label->setFont(font);
        paint(label, bgr(0xFFFFFF), bgr(0x000000));
    }
    Command1->setFont(tnr(12, Bold));
    Command1->setCursor(handCursor());

    connectHandlers();
}

void Referenc::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Referenc::Command1_Click);
    // Form_Click comes from the window's own mouse handlers: a click counts
    // only where no reference label lies (see onBackground).
}

void Referenc::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Referenc_Command1);
}

void Referenc::Form_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Referenc_background);
}

void Referenc::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Referenc_close);
}

// A label passes the clicks on it up to the window; they are not the window's own.
bool Referenc::onBackground(const QMouseEvent *event) const
{
    const QPoint at = event->position().toPoint();
    return event->button() == Qt::LeftButton && rect().contains(at) && childAt(at) == nullptr;
}

void Referenc::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnBackground = onBackground(event);
    Form::mousePressEvent(event);
}

void Referenc::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedOnBackground && onBackground(event);
    m_pressedOnBackground = false;
    Form::mouseReleaseEvent(event);
    if (click) Form_Click();
}
