#pragma once

#include "forms/form.h"

#include <array>

class ClickLabel;
class QPushButton;

// "More about exponential growth": one paragraph set line by line in nine labels.
class Form3 : public Form
{
    Q_OBJECT
  public:
    explicit Form3(QWidget *parent = nullptr);

    std::array<ClickLabel *, 9> Label1{};
    QPushButton *Command1;

    void Command1_Click();

  protected:
    void Form_Unload() override;

  private:
    void connectHandlers();
};
