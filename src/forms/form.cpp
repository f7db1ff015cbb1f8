#include "forms/form.h"

#include "forms/forms.h"
#include "forms/taskbar.h"
#include "widgets/accessiblerole.h"
#include "widgets/formlayout.h"
#include "widgets/notice.h"
#include "widgets/wordbreaks.h"
#include "widgets/zoom.h"

#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace
{
// Room for a title bar and borders before the window manager has framed a
// window; a framed one tells its own.
const QMargins FrameAllowance(8, 40, 8, 8);
} // namespace

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window)
{
    // A dialog to a screen reader: named by its title (or its accessible name,
    // where the title is a bare form name), and read with its text when it opens.
    presentInRole(this, QAccessible::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    Zoom &zoom = Zoom::program();
    connect(&zoom, &Zoom::changed, this, &Form::followZoom);
    // The zoom keys, in every window.
    const struct {
        QKeySequence key;
        void (Zoom::*step)();
    } keys[] = {{QKeySequence::ZoomIn, &Zoom::zoomIn},
                {QKeySequence(Qt::CTRL | Qt::Key_Equal), &Zoom::zoomIn},
                {QKeySequence::ZoomOut, &Zoom::zoomOut},
                {QKeySequence(Qt::CTRL | Qt::Key_0), &Zoom::reset}};
    for (const auto &key : keys)
        connect(new QShortcut(key.key, this), &QShortcut::activated, &zoom, key.step);
}

void Form::setClientArea(double width, double height, Border border)
{
    m_clientArea = QSizeF(width, height);
    m_border = border;
    switch (border) {
    case Border::Sizable:
        break;
    case Border::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        break;
    case Border::FixedSingle:
    case Border::FixedDialog:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        break;
    }
    sizeToZoom();
}

void Form::sizeToZoom()
{
    const double zoom = zoomOf(this);
    const QSize size(twipsToPixels(m_clientArea.width(), zoom),
                     twipsToPixels(m_clientArea.height(), zoom));
    if (m_border == Border::Sizable)
        resize(size);
    else
        setFixedSize(size);
}

double Form::fittingZoom() const
{
    const double wanted = Zoom::program().factor();
    const QScreen *screen = this->screen();
    if (m_clientArea.isEmpty() || !screen) return wanted;
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins margins =
        windowFlags() & Qt::FramelessWindowHint ? QMargins()
        : frame != client
            ? QMargins(client.left() - frame.left(), client.top() - frame.top(),
                       frame.right() - client.right(), frame.bottom() - client.bottom())
            : FrameAllowance;
    const QSize room = screen->availableGeometry().marginsRemoved(margins).size();
    const double fits = std::min(room.width() / (twipsToPixels(m_clientArea.width()) + 1.0),
                                 room.height() / (twipsToPixels(m_clientArea.height()) + 1.0));
    return std::max(1.0, std::min(wanted, std::floor(fits * 100) / 100));
}

// A zoom the screen has no room for is said once, at the step that asked for it,
// by the window the user works in; the notice goes at a zoom that fits.
void Form::tellCappedZoom(double zoom)
{
    if (!isVisible()) return;
    const int wanted = Zoom::program().percent(), given = int(std::lround(zoom * 100));
    if (given < wanted && isActiveWindow())
        showNotice(this, "zoom",
                   //: %1 is a zoom in percent, less than the one the user asked for
                   tr("The screen has room for this window at %1 % at most.").arg(given));
    else if (given >= wanted)
        hideNotice(this, "zoom");
}

void Form::followZoom()
{
    const double zoom = fittingZoom();
    if (isActiveWindow()) zoomToolTips(zoom);
    // At 100 % from the start there is nothing to do: the layout is as built.
    if (zoom != zoomOf(this)) zoomTo(zoom);
    tellCappedZoom(zoom);
}

void Form::zoomTo(double zoom)
{
    const QRect before = frameGeometry();
    zoomWindow(this, zoom);
    if (m_clientArea.isEmpty()) return; // the backdrop: the whole screen at any zoom
    sizeToZoom();
    if (!isVisible() || !m_placed) return;
    // Where it stood, as far as the screen allows.
    QRect after = frameGeometry();
    after.moveCenter(before.center());
    if (const QScreen *screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        after.moveLeft(
            std::max(room.left(), std::min(after.left(), room.right() - after.width() + 1)));
        after.moveTop(
            std::max(room.top(), std::min(after.top(), room.bottom() - after.height() + 1)));
    }
    move(after.topLeft());
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) zoomToolTips(zoomOf(this));
    QWidget::changeEvent(event);
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
    joinWordsIn(this);
    QWidget::showEvent(event);
}
