// Run and the three parameter boxes of the main window.
#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "charts/chartroutines.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/simulation.h"
#include "output/runproblem.h"
#include "widgets/notice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

using namespace MALVORA1;

namespace
{

constexpr int Enter = 13;

const char *const RunCause = "run";

// Giving the focus fails for a control that is disabled or not on the screen.
bool canTakeFocus(const QWidget *widget)
{
    return widget->isEnabled() && widget->isVisible();
}

} // namespace

// Text after the number is easy to miss: "1,5" reads as 1, and a comma
// locale shows N(T) with a comma. Run and Enter go on with the value read,
// and say what they read. An empty box, or a value beyond the double range
// (which Run refuses anyway), says nothing here.
QString Form1::readingNote(const QLineEdit *box) const
{
    const QString text = box->text();
    const auto value = Val(text);
    if (valReadsWhole(text) || !value) return {};
    return tr("Read \"%1\" as %2: use a period as the decimal point.")
        .arg(text, generalNumber(*value, locale()));
}

void Form1::Command2_Click()
{
    QStringList notes;
    for (const QLineEdit *box : {txtRrate, n0, txtSimut})
        if (const QString note = readingNote(box); !note.isEmpty()) notes.append(note);
    const RunProblem problem = simulate(txtSimut->text(), n0->text(), txtRrate->text());
    if (problem != RunProblem::None) {
        notes.prepend(runProblemText(problem) + u' ' + Form1::tr("Nothing was run."));
        showNotice(this, RunCause, notes.join(u'\n'));
        return;
    }
    Label11->hide();
    Label12->hide();
    Label13->hide();
    MSChart1->show();
    Command2->setFocus();
    Text4->setText(generalNumber(Nt[size_t(Simut)], locale()));
    ShowNtvsT(*MSChart1);
    Command3->setEnabled(true);
    Command5->setEnabled(true);
    Command8->setEnabled(true);
    Command9->setEnabled(true);
    command4->setEnabled(false);
    Command3->setFocus();
    Command2->setEnabled(false);
    Command10->setEnabled(true);
    //: %1 is the end time T of the run; the population size N(T) stands in the box below
    Label4->setText(tr("Population size at t =%1").arg(integerText(Simut)));
    if (notes.isEmpty())
        hideNotice(this, RunCause);
    else
        showNotice(this, RunCause, notes.join(u'\n'));
}

// Editing a parameter takes the last results out of view and brings Run back.
void Form1::parameterChanged(QLineEdit *box)
{
    MSChart1->hide();
    Text4->setText(QString());
    Command2->setEnabled(true);
    box->setFocus();
    Command3->setEnabled(false);
    command4->setEnabled(false);
    Command5->setEnabled(false);
}

void Form1::n0_Change()
{
    parameterChanged(n0);
}
void Form1::txtRrate_Change()
{
    parameterChanged(txtRrate);
}
void Form1::txtSimut_Change()
{
    parameterChanged(txtSimut);
}

// Enter accepts a positive value by handing the focus to Run, so that a second
// Enter runs; anything else, or a Run that cannot take the focus, resets the box.
void Form1::checkPositive(QLineEdit *box, const QString &fallback)
{
    const QString note = readingNote(box);
    const auto value = Val(box->text());
    if (value && *value > 0 && canTakeFocus(Command2))
        Command2->setFocus();
    else
        box->setText(fallback);
    if (!note.isEmpty()) showNotice(this, RunCause, note);
}

void Form1::n0_KeyPress(int KeyAscii)
{
    if (KeyAscii == Enter) checkPositive(n0, QStringLiteral("10"));
}

void Form1::txtRrate_KeyPress(int KeyAscii)
{
    if (KeyAscii == Enter) checkPositive(txtRrate, QStringLiteral("0.2"));
}

// The end time must also be whole and within what a run can hold.
void Form1::txtSimut_KeyPress(int KeyAscii)
{
    if (KeyAscii != Enter) return;
    const QString note = readingNote(txtSimut);
    const auto value = Val(txtSimut->text());
    const bool acceptable =
        value && *value > 0 && *value == std::floor(*value) && *value <= MaxEndTime;
    if (acceptable && canTakeFocus(Command2))
        Command2->setFocus();
    else
        txtSimut->setText(QStringLiteral("20"));
    if (!note.isEmpty()) showNotice(this, RunCause, note);
}
