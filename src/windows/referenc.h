#pragma once

#include "forms/form.h"

#include <array>

class ClickLabel;
class QPushButton;

// The references: a heading and six works, one label each. A click beside
// the labels, like "OK", goes back to the main window; the labels themselves
// do nothing when clicked.
class Referenc : public Form
{
    Q_OBJECT
  public:
    explicit Referenc(QWidget *parent = nullptr);

    std::array<ClickLabel *, 7> Label1{};
    QPushButton *Command1;

    void Command1_Click();
    void Form_Click();

  protected:
    void Form_Unload() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    void connectHandlers();
    bool onBackground(const QMouseEvent *event) const;

    bool m_pressedOnBackground = false;
};
