#include "widgets/formlayout.h"

#include "widgets/clicklabel.h"

#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <cmath>

int twipsToPixels(double twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return int(std::lround(twips * dpi / 1440.0));
}

QRect twips(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
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
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
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
template <class W> W *named(W *widget, const char *name, const QRect &place)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}
} // namespace

ClickLabel *addLabel(QWidget *parent, const char *name, const QRect &place, const QString &caption)
{
    auto *label = named(new ClickLabel(caption, parent), name, place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *addButton(QWidget *parent, const char *name, const QRect &place,
                       const QString &caption)
{
    auto *button = named(new QPushButton(caption, parent), name, place);
    button->setAccessibleName(caption);
    // Enter on a focused button presses it, in every window.
    button->setAutoDefault(true);
    return button;
}

QLineEdit *addTextBox(QWidget *parent, const char *name, const QRect &place, const QString &text)
{
    return named(new QLineEdit(text, parent), name, place);
}

QGroupBox *addFrame(QWidget *parent, const char *name, const QRect &place, const QString &caption)
{
    auto *frame = named(new QGroupBox(caption, parent), name, place);
    frame->setAccessibleName(caption);
    return frame;
}
