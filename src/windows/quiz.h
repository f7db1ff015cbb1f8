#pragma once

#include "forms/form.h"

class LineLabel;
class QPushButton;

// Six study questions, one a line, and the way back to the main window.
class Quiz : public Form
{
    Q_OBJECT
  public:
    explicit Quiz(QWidget *parent = nullptr);

    void Form_Load() override;

    LineLabel *Label1;
    QPushButton *Command1;

    void Command1_Click();

  protected:
    void Form_Unload() override;

  private:
    void connectHandlers();
};
