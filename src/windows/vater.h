#pragma once

#include "forms/form.h"

class ClickLabel;
class QFrame;
class QPushButton;

// The last window of the program: a portrait and the button that ends it.
class Vater : public Form
{
    Q_OBJECT
  public:
    explicit Vater(QWidget *parent = nullptr);

    void Form_Load() override;

    QFrame *Frame1;
    ClickLabel *Picture2;
    QPushButton *Command1;

    void Command1_Click();

  protected:
    void Form_Unload() override;

  private:
    void connectHandlers();
};
