#pragma once

#include "forms/form.h"

class QPlainTextEdit;
class QPushButton;

// The introduction: one paragraph about the exponential model in a read-only
// box, with the way on to the references and back to the main window.
class Introfrm : public Form
{
    Q_OBJECT
  public:
    explicit Introfrm(QWidget *parent = nullptr);

    void Form_Load() override;

    QPlainTextEdit *Text1;
    QPushButton *Command2, *Command1;

    void Command1_Click();
    void Command2_Click();

  protected:
    void Form_Unload() override;

  private:
    void connectHandlers();
};
