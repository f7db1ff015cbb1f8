#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

class QCursor;
class ClickLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Forms are laid out from their design figures: positions and sizes in twips
// (1/1440 inch), converted to pixels at the screen's logical DPI, colours as
// &H00BBGGRR& and the designer's font names, so each form's code reads like
// its layout table.

// Pixels at the screen's logical DPI, times the zoom (1: 100 %).
int twipsToPixels(double twips, double zoom = 1);

// A control's place as its layout table gives it.
struct Twips {
    double left, top, width, height;
    QRect pixels(double zoom = 1) const;
    operator QRect() const { return pixels(); } // at 100 %
};
constexpr Twips twips(double left, double top, double width, double height)
{
    return {left, top, width, height};
}

/*
 * The zoom of a window. Each control remembers its place in twips (place(),
 * and every control that add... makes) and the fonts, icon sizes and pictures
 * it had at 100 %; zoomWindow sets them all again at the window's zoom, and
 * hands the zoom to a control that draws its own texts through its property
 * "textZoom". A control placed by pixels is zoomed from where it stood at
 * 100 %.
 */
void place(QWidget *control, const Twips &at);
void zoomWindow(QWidget *window, double zoom);
double zoomOf(const QWidget *control); // of its window
// A window of the toolkit's that a window opens (a dialog, a notice) at that window's zoom.
void followZoomOf(QWidget *toolkitWindow, const QWidget *window);
// A picture shown at a size of its own in twips, whatever its pixels.
void setPicture(QLabel *label, const QString &resource, double width, double height);
QColor bgr(unsigned int colour); // &H00BBGGRR&

enum FontStyle { Regular = 0, Bold = 1, Italic = 2 };
QFont designFont(const QString &family, double points, int style = Regular);
QFont tnr(double points, int style = Regular); // "Times New Roman"

// The pointing-hand cursor of the clickable controls (hot spot at the fingertip),
// and the same at a zoom, its pixels enlarged as blocks; a control that shows
// it shows it at its window's zoom.
const QCursor &handCursor();
QCursor handCursor(double zoom);
// Tooltips at a window's zoom: the toolkit shows one tooltip at a time, in one font.
void zoomToolTips(double zoom);
template <class W> W *withHand(W *control)
{
    control->setCursor(handCursor());
    return control;
}

// The tab order: each control after the one before it.
void chainTabOrder(std::initializer_list<QWidget *> order);

// The layout's colours for the enabled control; a disabled one shows the
// platform's disabled text on the layout's background.
void paint(QWidget *widget, const QColor &background, const QColor &text);
void setBordered(QLabel *label);

// Controls, each with its designer name as objectName. Buttons and frames are
// named for assistive technology by their captions.
ClickLabel *addLabel(QWidget *parent, const char *name, const Twips &place,
                     const QString &caption = {});
QPushButton *addButton(QWidget *parent, const char *name, const Twips &place,
                       const QString &caption);
QLineEdit *addTextBox(QWidget *parent, const char *name, const Twips &place, const QString &text);
QGroupBox *addFrame(QWidget *parent, const char *name, const Twips &place, const QString &caption);
