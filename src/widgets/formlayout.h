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

int twipsToPixels(double twips);
QRect twips(double left, double top, double width, double height);
QColor bgr(unsigned int colour); // &H00BBGGRR&

enum FontStyle { Regular = 0, Bold = 1, Italic = 2 };
QFont designFont(const QString &family, double points, int style = Regular);
QFont tnr(double points, int style = Regular); // "Times New Roman"

// The pointing-hand cursor of the clickable controls (hot spot at the fingertip).
const QCursor &handCursor();
template <class W> W *withHand(W *control)
{
    control->setCursor(handCursor());
    return control;
}

// The tab order: each control after the one before it.
void chainTabOrder(std::initializer_list<QWidget *> order);

void paint(QWidget *widget, const QColor &background, const QColor &text);
void setBordered(QLabel *label);

// Controls, each with its designer name as objectName. Buttons and frames are
// named for assistive technology by their captions.
ClickLabel *addLabel(QWidget *parent, const char *name, const QRect &place,
                     const QString &caption = {});
QPushButton *addButton(QWidget *parent, const char *name, const QRect &place,
                       const QString &caption);
QLineEdit *addTextBox(QWidget *parent, const char *name, const QRect &place, const QString &text);
QGroupBox *addFrame(QWidget *parent, const char *name, const QRect &place, const QString &caption);
