#pragma once

#include <QLabel>

// A label that tells of clicks and double-clicks on it.
class ClickLabel : public QLabel
{
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
