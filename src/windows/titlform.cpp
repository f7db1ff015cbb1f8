#include "windows/titlform.h"

#include "forms/firstframe.h"
#include "forms/forms.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "windows/form1.h"
#include "windows/windowflow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleHints>
#include <QTimer>

#include <cmath>
#include <random>

namespace
{

std::mt19937 &generator()
{
    static std::mt19937 engine; // the standard start, never seeded
    return engine;
}

bool isMouseButtonEvent(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

// A click that dismisses the title brings up the main window where the title
// was; the rest of a double-click (second press, double-click, release) must
// not press a button there. Every mouse button event up to one double-click
// interval after the dismissing click is swallowed; the first later one ends
// the guard.
class SecondClickGuard : public QObject
{
  public:
    SecondClickGuard(quint64 clickTime, QObject *parent) : QObject(parent), m_clickTime(clickTime)
    {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (m_over || !isMouseButtonEvent(event)) return false;
        const quint64 time = static_cast<const QMouseEvent *>(event)->timestamp();
        const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        if (time >= m_clickTime && time - m_clickTime <= interval) return true;
        m_over = true;
        qApp->removeEventFilter(this);
        deleteLater();
        return false;
    }

  private:
    quint64 m_clickTime;
    bool m_over = false;
};

} // namespace

double Rnd()
{
    return std::ldexp(double(generator()()), -32);
}

void restartRnd()
{
    generator() = std::mt19937();
}

titlform::titlform(QWidget *parent) : Form(parent)
{
    setClientArea(10635, 7050, Border::None);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    hideTaskbarButton();
    setFocusPolicy(Qt::StrongFocus);
    // No caption shows; a screen reader names the window by the program.
    setAccessibleName(tr("Malvora"));
    paint(this, bgr(0x400000), bgr(0x00FFFF));
    layOut();
    connectHandlers();
}

void titlform::layOut()
{
    Label1[0] = addLabel(this, "Label1(0)", twips(4080, 1680, 6375, 1815), tr("Malvora"));
    Label1[1] = addLabel(this, "Label1(1)", twips(0, 120, 9372, 1332), tr("Malvora"));
    Label1[2] = addLabel(this, "Label1(2)", twips(1440, 3960, 8052, 1332), tr("Malvora"));
    Label1[3] = addLabel(this, "Label1(3)", twips(360, 5400, 9612, 1332), tr("Malvora"));
    Label1[4] = addLabel(this, "Label1(4)", twips(2400, 3120, 8055, 1335), tr("Malvora"));
    Label2 = addLabel(this, "Label2", twips(1080, 1320, 1935, 1215),
                      tr("Press any key or click mouse to start."));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);

    Label1[0]->setFont(tnr(36));
    Label1[1]->setFont(tnr(48, Bold));
    Label1[2]->setFont(tnr(48));
    Label1[3]->setFont(tnr(48));
    Label1[4]->setFont(tnr(36, Bold));
    Label1[0]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1[2]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Only the yellow letters are drawn (the window's text colour); the
    // labels paint no background of their own.
    for (ClickLabel *title : Label1) {
        title->setAttribute(Qt::WA_NoMousePropagation);
        title->hide();
    }

    paint(Label2, bgr(0x0000FF), bgr(0x00FFFF));
    setBordered(Label2);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setFont(tnr(15.6));
    // The pointing hand is a picture, which the first frame does without.
    afterFirstFrame(*this, [this] { Label2->setCursor(handCursor()); });
    Label2->setAttribute(Qt::WA_NoMousePropagation);
}

void titlform::connectHandlers()
{
    for (int index = 0; index < int(Label1.size()); ++index) {
        connect(Label1[index], &ClickLabel::clicked, this, [this, index] { Label1_Click(index); });
        connect(Label1[index], &ClickLabel::doubleClicked, this,
                [this, index] { Label1_DblClick(index); });
        Label1[index]->installEventFilter(this);
    }
    connect(Label2, &ClickLabel::clicked, this, &titlform::Label2_Click);
    connect(Label2, &ClickLabel::doubleClicked, this, &titlform::Label2_DblClick);
    Label2->installEventFilter(this);
    connect(Timer1, &QTimer::timeout, this, &titlform::Timer1_Timer);
    // Form_Click, Form_DblClick and Form_KeyPress come from the event handlers below.
}

void titlform::Form_Load()
{
    Timer1->setInterval(1000);
    Timer1->start();
}

/*
 * The next place of the title: u uniform on [0, 1), u * 4 rounded to the
 * nearest whole number with exact halves going to the even neighbour, so
 * places 1, 2 and 3 each come with probability 1/4 and places 0 and 4 (only
 * half an interval each) with 1/8. A draw equal to the place now shown is
 * drawn again, so the title moves on every tick.
 */
void titlform::Timer1_Timer()
{
    using MALVORA1::CurLabel, MALVORA1::PrevLabel;
    do {
        CurLabel = toInteger16(Rnd() * 4).value_or(0);
    } while (CurLabel == PrevLabel);
    if (PrevLabel >= 0 && PrevLabel < int(Label1.size())) Label1[PrevLabel]->setVisible(false);
    Label1[CurLabel]->setVisible(true);
    PrevLabel = CurLabel;
}

void titlform::Form_Click()
{
    showMainWindow();
}

void titlform::Form_DblClick()
{
    showMainWindow();
}

void titlform::Form_KeyPress(int KeyAscii)
{
    Q_UNUSED(KeyAscii); // any character will do
    showMainWindow();
}

void titlform::Label1_Click(int Index)
{
    Q_UNUSED(Index);
    showMainWindow();
}

void titlform::Label1_DblClick(int Index)
{
    Q_UNUSED(Index);
    showMainWindow();
}

void titlform::Label2_Click()
{
    showMainWindow();
}

void titlform::Label2_DblClick()
{
    showMainWindow();
}

// The title screen only hides: it is never shown again. The main window
// comes up ready for Run.
void titlform::showMainWindow()
{
    // A double-click tells of its first click too; the main window comes up once.
    if (!isVisible()) return;
    // The main window is built behind the title screen; a title dismissed
    // before that builds it now, while the title is still up.
    Form1 &main = Forms::form<Form1>();
    WindowFlow::moveOn(*this, WindowFlow::Way::titlform_KeyOrClick);
    main.Command2->setFocus();
    if (m_clickTime) new SecondClickGuard(*m_clickTime, this);
}

// The title screen takes the keyboard at once, so that the first key reaches it.
void titlform::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    activateWindow();
    setFocus();
}

// Should the user close the title screen all the same (it has no close box,
// but the window manager may offer one), the program goes on to the main
// window instead of leaving nothing but the backdrop.
void titlform::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_clickTime.reset();
    showMainWindow();
}

void titlform::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    m_clickTime = event->timestamp();
    Form_Click();
}

void titlform::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    m_clickTime = event->timestamp();
    Form_DblClick();
}

// Keys that yield a character dismiss the title (Enter, Esc, Backspace and
// Ctrl combinations among them); arrows, function keys and Shift alone do not.
void titlform::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        Form::keyPressEvent(event);
        return;
    }
    m_clickTime.reset();
    Form_KeyPress(event->text().at(0).unicode());
}

// Notes the time of a click on a label, for the guard against the rest of a
// double-click.
bool titlform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick)
        m_clickTime = static_cast<const QMouseEvent *>(event)->timestamp();
    return Form::eventFilter(watched, event);
}
