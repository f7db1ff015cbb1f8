#pragma once

#include "forms/form.h"

#include <QtGlobal>

#include <array>
#include <optional>

class ClickLabel;
class QTimer;

// The title screen: a dark-blue window over the equally dark-blue backdrop.
// A red box asks for a key or a click, and once a second the program's title
// appears afresh at one of five places. The first key that yields a character,
// or the first click, hides the title screen for good and brings up the main
// window. The two indexes of the animation are the model state's CurLabel
// and PrevLabel.
class titlform : public Form
{
    Q_OBJECT
  public:
    explicit titlform(QWidget *parent = nullptr);

    void Form_Load() override;

    std::array<ClickLabel *, 5> Label1; // the title at its five places, one shown at a time
    ClickLabel *Label2;                 // "Press any key or click mouse to start."
    QTimer *Timer1;

    void Timer1_Timer();
    void Form_Click();
    void Form_DblClick();
    void Form_KeyPress(int KeyAscii);
    void Label1_Click(int Index);
    void Label1_DblClick(int Index);
    void Label2_Click();
    void Label2_DblClick();

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void layOut();
    void connectHandlers();
    void showMainWindow();

    std::optional<quint64> m_clickTime; // of the click being handled, if a click it is
};

/*
 * The program's pseudo-random numbers: uniform on [0, 1), from one generator
 * that the program never seeds, so the title walks through the same places on
 * every run. Each number is a 32-bit draw of the Mersenne Twister at its
 * standard start, divided by 2^32.
 */
double Rnd();
void restartRnd(); // back to the generator's start (tests only; the program never calls it)
