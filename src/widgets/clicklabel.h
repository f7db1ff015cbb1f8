#pragma once

#include <QLabel>

/*
 * A label that tells of clicks and double-clicks on it. A screen reader reads
 * it as the text of its window and frame, which it speaks when they open:
 * unlike a plain label, it is not taken for the caption of the frame that
 * holds it.
 */
class ClickLabel : public QLabel
{
    Q_OBJECT
  public:
    explicit ClickLabel(const QString &text = {}, QWidget *parent = nullptr);
    explicit ClickLabel(QWidget *parent) : ClickLabel(QString(), parent) {}

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
