#include "forms/form.h"

#include "forms/forms.h"
#include "forms/taskbar.h"
#include "widgets/formlayout.h"

#include <QCloseEvent>
#include <QScreen>

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form::setClientArea(double width, double height, Border border)
{
    const QSize size(twipsToPixels(width), twipsToPixels(height));
    switch (border) {
    case Border::Sizable:
        resize(size);
        return;
    case Border::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        break;
    case Border::FixedSingle:
    case Border::FixedDialog:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        break;
    }
    setFixedSize(size);
}

void Form::closeEvent(QCloseEvent *event)
{
    Forms::forget(this);
    Form_Unload();
    event->accept();
}

void Form::showEvent(QShowEvent *event)
{
    if (!m_placed && !isMaximized() && !isFullScreen()) {
        m_placed = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    if (!m_taskbarButton && !event->spontaneous()) skipTaskbar(*this);
    QWidget::showEvent(event);
}
