#include "widgets/formlayout.h"

#include "widgets/clicklabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

int twipsToPixels(double twips, double zoom)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return int(std::lround(twips * zoom * dpi / 1440.0));
}

QRect Twips::pixels(double zoom) const
{
    return {twipsToPixels(left, zoom), twipsToPixels(top, zoom), twipsToPixels(width, zoom),
            twipsToPixels(height, zoom)};
}

namespace
{

// What a control had at 100 %, kept on the control itself.
const char *const PlaceInTwips = "malvoraTwips";
const char *const PlaceInPixels = "malvoraPixels";
const char *const DesignFont = "malvoraFont";
const char *const DesignIconSize = "malvoraIconSize";
const char *const Picture = "malvoraPicture";
const char *const PictureSize = "malvoraPictureTwips";
const char *const WindowZoom = "malvoraZoom";
const char *const HandCursor = "malvoraHand";

QFont zoomed(QFont font, double zoom)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * zoom)));
    return font;
}

QRect zoomed(const QRect &rect, double zoom)
{
    const auto times = [zoom](int pixels) { return int(std::lround(pixels * zoom)); };
    return {times(rect.x()), times(rect.y()), times(rect.width()), times(rect.height())};
}

// A control of the form's own: a designer name, on the window or in a control
// that is placed itself (a frame). The toolkit's own parts of a control
// (scroll bars, viewports, headers) are laid out by the control.
bool placedByForm(const QWidget *widget, const QWidget *window)
{
    const QWidget *parent = widget->parentWidget();
    return !widget->isWindow() && !widget->objectName().isEmpty() &&
           !widget->objectName().startsWith(QLatin1String("qt_")) && parent &&
           (parent == window || parent->property(PlaceInTwips).isValid() ||
            parent->property(PlaceInPixels).isValid());
}

// Notes what the widget has at 100 %, unless noted already. The fonts that zoom
// are a window's, a control's own, and those in the toolkit's windows that a
// form holds (a notice, a menu), which may have fonts of their kind.
void noteDesign(QWidget *widget, const QWidget *window)
{
    if (!widget->property(PlaceInTwips).isValid() && !widget->property(PlaceInPixels).isValid() &&
        placedByForm(widget, window))
        widget->setProperty(PlaceInPixels, widget->geometry());
    if (!widget->property(DesignFont).isValid() &&
        (widget->isWindow() || widget->window() != window ||
         widget->testAttribute(Qt::WA_SetFont) ||
         qobject_cast<QGroupBox *>(widget))) // its title may need a font of its own
        widget->setProperty(DesignFont, widget->font());
    if (widget->testAttribute(Qt::WA_SetCursor) && !widget->property(HandCursor).isValid() &&
        widget->cursor().pixmap().cacheKey() == handCursor().pixmap().cacheKey())
        widget->setProperty(HandCursor, true);
    if (auto *button = qobject_cast<QAbstractButton *>(widget);
        button && !button->icon().isNull() && !button->property(DesignIconSize).isValid())
        button->setProperty(DesignIconSize, button->iconSize());
}

void showPicture(QLabel *label, double zoom)
{
    const QSizeF size = label->property(PictureSize).toSizeF();
    label->setPixmap(QPixmap(label->property(Picture).toString())
                         .scaled(twipsToPixels(size.width(), zoom),
                                 twipsToPixels(size.height(), zoom), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation));
}

// The room a control has for its text and the room the text needs in the
// control's font (wrapped where the label wraps); empty rooms for a control
// whose text the toolkit lays out in room it makes itself.
std::pair<QRect, QRect> textRooms(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room = label->contentsRect();
        return {room, label->fontMetrics().boundingRect(room, flags, label->text())};
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect room = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, frame) &
                           frame->rect();
        return {room, frame->fontMetrics().boundingRect(room, Qt::AlignLeft, frame->title())};
    }
    return {};
}

/*
 * A label or a frame's title keeps its whole text at every zoom: glyphs hinted
 * to whole pixels grow by a little more or less than the zoom, and a text that
 * just fits its control at 100 % (a line that fills the label's width, a font
 * whose lines are a little higher than the label) can run past its edge, or
 * wrap onto a line the label has no room for, at another size. Its font is made
 * as much smaller as it needs; a line a pixel or two less high than the font's
 * is whole, as the descenders do not reach it.
 */
void keepWhole(QWidget *widget)
{
    QFont font = widget->font();
    // Hinted widths do not shrink in proportion: a few small steps at most.
    for (int tries = 0; tries < 8; ++tries) {
        const auto [room, needs] = textRooms(widget);
        if (needs.isEmpty() ||
            (needs.width() <= room.width() && needs.height() <= room.height() + 2))
            return;
        const double across = double(room.width()) / needs.width();
        font.setPointSizeF(font.pointSizeF() * std::clamp(across, 0.97, 0.99));
        widget->setFont(font);
    }
}

// A control of the form's own keeps its text whole; the toolkit's windows that the
// form holds (a notice) lay their texts out for themselves.
void zoomControl(QWidget *widget, double zoom, bool formsOwn)
{
    if (const QVariant place = widget->property(PlaceInTwips); place.isValid()) {
        const QRectF t = place.toRectF();
        widget->setGeometry(twips(t.x(), t.y(), t.width(), t.height()).pixels(zoom));
    } else if (const QVariant pixels = widget->property(PlaceInPixels); pixels.isValid()) {
        widget->setGeometry(zoomed(pixels.toRect(), zoom));
    }
    if (const QVariant font = widget->property(DesignFont); font.isValid()) {
        widget->setFont(zoomed(font.value<QFont>(), zoom));
        if (formsOwn) keepWhole(widget);
    }
    if (const QVariant size = widget->property(DesignIconSize); size.isValid())
        static_cast<QAbstractButton *>(widget)->setIconSize(size.toSize() * zoom);
    if (widget->property(Picture).isValid()) showPicture(static_cast<QLabel *>(widget), zoom);
    if (widget->property(HandCursor).isValid()) widget->setCursor(handCursor(zoom));
    if (widget->metaObject()->indexOfProperty("textZoom") >= 0)
        widget->setProperty("textZoom", zoom);
}

} // namespace

double zoomOf(const QWidget *control)
{
    const QVariant zoom = control->window()->property(WindowZoom);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

void followZoomOf(QWidget *toolkitWindow, const QWidget *window)
{
    toolkitWindow->setFont(zoomed(QApplication::font(toolkitWindow), zoomOf(window)));
}

void place(QWidget *control, const Twips &at)
{
    control->setProperty(PlaceInTwips, QRectF(at.left, at.top, at.width, at.height));
    control->setGeometry(at.pixels(zoomOf(control)));
}

void zoomWindow(QWidget *window, double zoom)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    // All first, while every font is still its own: a control's can come from its parent.
    for (QWidget *widget : std::as_const(widgets))
        noteDesign(widget, window);
    window->setProperty(WindowZoom, zoom);
    for (QWidget *widget : std::as_const(widgets))
        zoomControl(widget, zoom, widget->window() == window);
}

void setPicture(QLabel *label, const QString &resource, double width, double height)
{
    label->setProperty(Picture, resource);
    label->setProperty(PictureSize, QSizeF(width, height));
    showPicture(label, zoomOf(label));
}

QColor bgr(unsigned int colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

QFont designFont(const QString &family, double points, int style)
{
    // The design fonts, as their metric twins on this system.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substituted;
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    return font;
}

QFont tnr(double points, int style)
{
    return designFont(QStringLiteral("Times New Roman"), points, style);
}

const QCursor &handCursor()
{
    static const QCursor cursor(QPixmap(QStringLiteral(":/hand.png")), 12, 1);
    return cursor;
}

QCursor handCursor(double zoom)
{
    if (zoom == 1) return handCursor();
    const int size = int(std::lround(32 * zoom));
    // The fingertip is the middle of pixel (12, 1), wherever its block falls.
    return QCursor(QPixmap(QStringLiteral(":/hand.png"))
                       .scaled(size, size, Qt::KeepAspectRatio, Qt::FastTransformation),
                   int(12.5 * zoom), int(1.5 * zoom));
}

void zoomToolTips(double zoom)
{
    QToolTip::setFont(zoomed(QApplication::font(), zoom));
}

void chainTabOrder(std::initializer_list<QWidget *> order)
{
    for (auto k = order.begin(); k + 1 != order.end(); ++k)
        QWidget::setTabOrder(k[0], k[1]);
}

void paint(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setBordered(QLabel *label)
{
    // The classic single border of a label: a thin sunken edge.
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
}

namespace
{
template <class W> W *named(W *widget, const char *name, const Twips &at)
{
    widget->setObjectName(QString::fromLatin1(name));
    place(widget, at);
    return widget;
}
} // namespace

ClickLabel *addLabel(QWidget *parent, const char *name, const Twips &place, const QString &caption)
{
    auto *label = named(new ClickLabel(caption, parent), name, place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *addButton(QWidget *parent, const char *name, const Twips &place,
                       const QString &caption)
{
    auto *button = named(new QPushButton(caption, parent), name, place);
    button->setAccessibleName(caption);
    // Enter on a focused button presses it, in every window.
    button->setAutoDefault(true);
    return button;
}

QLineEdit *addTextBox(QWidget *parent, const char *name, const Twips &place, const QString &text)
{
    return named(new QLineEdit(text, parent), name, place);
}

QGroupBox *addFrame(QWidget *parent, const char *name, const Twips &place, const QString &caption)
{
    auto *frame = named(new QGroupBox(caption, parent), name, place);
    frame->setAccessibleName(caption);
    return frame;
}
