#pragma once

#include "forms/form.h"

// The backdrop: a dark-blue window over the whole screen, behind every other
// window of the program from start to end. It takes no input, so a click on it
// does nothing, and the user cannot close it.
class backform : public Form
{
    Q_OBJECT
  public:
    explicit backform(QWidget *parent = nullptr);

    QPaintEngine *paintEngine() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void coverScreen();
    bool paintedByDisplay() const { return testAttribute(Qt::WA_PaintOnScreen); }
};
