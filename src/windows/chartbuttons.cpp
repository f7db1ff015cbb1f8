// The main window's five chart buttons and the click on its chart.
#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "charts/chartroutines.h"
#include "forms/forms.h"
#include "model/malvora1.h"
#include "windows/larggraf.h"
#include "windows/windowflow.h"

#include <QPushButton>

#include <array>

namespace
{

using Button = QPushButton *Form1::*;

struct ChartButton {
    Button button;
    void (*routine)(ChartControl &);
    Button focus;
    std::array<Button, 4> enables; // the rest stay as they are
};

/*
 * Each button draws its chart, enables the buttons of its own row, hands the
 * focus on in the cycle N -> lnN -> DN -> DN/N -> lndN -> N, and disables
 * itself and Run. A button disabled earlier and missing from the row stays
 * disabled: after lndN then lnN, "DN/N vs. N" cannot be pressed.
 */
// clang-format off
constexpr ChartButton ChartButtons[] = {
    // button          routine      focus             enables
    {&Form1::command4, ShowNtvsT,   &Form1::Command3, {&Form1::Command5, &Form1::Command3, &Form1::Command9}},
    {&Form1::Command3, ShowlnNtvsT, &Form1::Command5, {&Form1::command4, &Form1::Command5}},
    {&Form1::Command5, ShowdNvsT,   &Form1::Command8, {&Form1::command4, &Form1::Command8, &Form1::Command3}},
    {&Form1::Command8, ShowdNNvsN,  &Form1::Command9, {&Form1::command4, &Form1::Command9, &Form1::Command3, &Form1::Command5}},
    {&Form1::Command9, ShowlndNvsT, &Form1::command4, {&Form1::command4, &Form1::Command8, &Form1::Command3}},
};
// clang-format on

void press(Form1 &form, Button pressed)
{
    for (const ChartButton &row : ChartButtons) {
        if (row.button != pressed) continue;
        row.routine(*form.MSChart1);
        for (Button button : row.enables)
            if (button) (form.*button)->setEnabled(true);
        (form.*row.focus)->setFocus();
        (form.*row.button)->setEnabled(false);
        form.Command2->setEnabled(false);
    }
}

} // namespace

void Form1::command4_Click()
{
    press(*this, &Form1::command4);
}

void Form1::Command3_Click()
{
    press(*this, &Form1::Command3);
}

void Form1::Command5_Click()
{
    press(*this, &Form1::Command5);
}

void Form1::Command8_Click()
{
    press(*this, &Form1::Command8);
}

void Form1::Command9_Click()
{
    press(*this, &Form1::Command9);
}

// The way into the large graph window, which opens on N(t) against time.
void Form1::MSChart1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form1_MSChart1);
    ShowNtvsT(*Forms::form<larggraf>().MSChart1);
    MALVORA1::GraphNo = 1;
}
