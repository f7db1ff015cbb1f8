#pragma once

#include "widgets/clicklabel.h"

#include <QStringList>

/*
 * A label of several lines that a keyboard user reads one line at a time: it
 * takes the focus, Up and Down (Home and End) step from line to line, and a
 * screen reader hears the label as a list whose focused item is the current
 * line ("2. Can you name ... 2 of 6"), not as one long run of text.
 */
class LineLabel : public ClickLabel
{
    Q_OBJECT
  public:
    explicit LineLabel(QWidget *parent = nullptr);

    QStringList lines() const;
    int currentLine() const { return m_current; }

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void moveTo(int line);
    void tellScreenReader();

    int m_current = 0;
};
