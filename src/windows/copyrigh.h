#pragma once

#include "forms/form.h"

class ClickLabel;
class QPushButton;

// The first step of the way out: the author's rights, how to cite the program
// and where to find new versions. "OK" goes on to the dedication; closing
// the window abandons the quit.
class copyrigh : public Form
{
    Q_OBJECT
  public:
    explicit copyrigh(QWidget *parent = nullptr);

    void Form_Load() override;

    ClickLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label7, *Label6, *Picture1;
    QPushButton *Command1;

    void Command1_Click();

  protected:
    void Form_Unload() override;

  private:
    void connectHandlers();
};
