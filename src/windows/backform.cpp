#include "windows/backform.h"

#include "forms/displaybackground.h"
#include "widgets/formlayout.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

backform::backform(QWidget *parent) : Form(parent)
{
    //: Title of the dark backdrop window behind all others: the program's name and major version;
    //: keep it
    setWindowTitle(tr("Malvora4"));
    // A desktop-type window lies below all others, is never raised, takes no
    // focus and has no taskbar button.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                   Qt::WindowStaysOnBottomHint);
    setAttribute(Qt::WA_X11NetWmWindowTypeDesktop);
    hideTaskbarButton();
    setFocusPolicy(Qt::NoFocus);
    const QColor darkBlue = bgr(0x400000);
    paint(this, darkBlue, darkBlue);
    // Where the display can, it fills the screen with the dark blue itself:
    // the program then keeps and sends no picture of the whole screen, which
    // would cost the title screen's first frame more than the title itself.
    if (displayPaintsBackground()) {
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setAutoFillBackground(false);
    }
    setEnabled(false);
    coverScreen();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::geometryChanged, this, &backform::coverScreen);
}

// The whole screen, panels included: a window manager that does not maximize
// a desktop window, or no window manager at all, must still leave no gap.
void backform::coverScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
}

QPaintEngine *backform::paintEngine() const
{
    return paintedByDisplay() ? nullptr : Form::paintEngine();
}

void backform::paintEvent(QPaintEvent *event)
{
    if (!paintedByDisplay()) Form::paintEvent(event);
}

void backform::showEvent(QShowEvent *event)
{
    if (paintedByDisplay()) setDisplayBackground(*this, palette().color(QPalette::Window));
    Form::showEvent(event);
    if (!isMaximized()) coverScreen();
}

// The backdrop goes only with the program.
void backform::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
