// Run and the three parameter boxes of the main window.
#include "windows/form1.h"

#include "charts/chartcontrol.h"
#include "charts/chartroutines.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/simulation.h"
#include "output/runproblem.h"
#include "widgets/announce.h"
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

const char *const ResetCause = "reset";

// Giving the focus fails for a control that is disabled or not on the screen.
bool canTakeFocus(const QWidget *widget)
{
    return widget->isEnabled() && widget->isVisible();
}

// Why Enter put a box back to its default.
enum Refusal : unsigned {
    Accepted = 0,
    Negative = 1,
    Zero = 2, // also a text with no number, or none
    NotWhole = 4,
    PastLastTime = 8,
    BeyondDoubles = 16,
    RunUnavailable = 32, // the value was fine, but Run is disabled since the last run
};

Refusal refusalOf(std::optional<double> value)
{
    return !value ? BeyondDoubles : *value < 0 ? Negative : *value == 0 ? Zero : Accepted;
}

/*
 * What the user reads when Enter puts a box back: what happened and how to do
 * what was probably meant. %1 is the box's default; %2, where it stands, the
 * last end time a run can reach.
 */
struct ResetText {
    QLineEdit *Form1::*box;
    unsigned refusals;
    const char *text;
};

const ResetText ResetTexts[] = {
    //: %1 is the default initial size as the box shows it, "10"
    {&Form1::n0, Negative | Zero,
     QT_TRANSLATE_NOOP("Form1", "Enter takes only sizes above 0, so N(0) went back to %1. To start "
                                "from 0 or below, type the size and click Run.")},
    //: %1 is the default initial size as the box shows it, "10"
    {&Form1::n0, BeyondDoubles,
     QT_TRANSLATE_NOOP("Form1", "N(0) is too large in size to compute with, so it went back to "
                                "%1. Type a smaller size.")},
    //: %1 is the default initial size as the box shows it, "10"
    {&Form1::n0, RunUnavailable,
     QT_TRANSLATE_NOOP("Form1", "Enter in a box you have not changed since the run sets it back "
                                "to %1. Type a new size, or click Run.")},
    //: %1 is the default growth rate as the box shows it, "0.2"
    {&Form1::txtRrate, Negative,
     QT_TRANSLATE_NOOP("Form1", "Enter takes only rates above 0, so the rate went back to %1. To "
                                "run a decay, type the negative rate and click Run.")},
    //: %1 is the default growth rate as the box shows it, "0.2"
    {&Form1::txtRrate, Zero,
     QT_TRANSLATE_NOOP("Form1", "Enter takes only rates above 0, so the rate went back to %1. To "
                                "run with r = 0, type 0 and click Run.")},
    //: %1 is the default growth rate as the box shows it, "0.2"
    {&Form1::txtRrate, BeyondDoubles,
     QT_TRANSLATE_NOOP("Form1", "The rate is too large in size to compute with, so it went back "
                                "to %1. Type a smaller rate.")},
    //: %1 is the default growth rate as the box shows it, "0.2"
    {&Form1::txtRrate, RunUnavailable,
     QT_TRANSLATE_NOOP("Form1", "Enter in a box you have not changed since the run sets it back "
                                "to %1. Type a new rate, or click Run.")},
    //: %1 is the default end time as the box shows it, "20"
    {&Form1::txtSimut, Zero,
     QT_TRANSLATE_NOOP("Form1", "Enter takes only end times above 0, so the end time went back "
                                "to %1. To run to t = 0, type 0 and click Run.")},
    //: %1 is the default end time as the box shows it, "20"; %2 the last end time, "2999"
    {&Form1::txtSimut, Negative | PastLastTime | BeyondDoubles,
     QT_TRANSLATE_NOOP("Form1", "Enter takes only end times from 1 to %2, so the end time went "
                                "back to %1.")},
    //: %1 is the default end time as the box shows it, "20"
    {&Form1::txtSimut, NotWhole,
     QT_TRANSLATE_NOOP("Form1", "Enter takes only whole end times, so the end time went back to "
                                "%1. Type a whole number and press Enter.")},
    //: %1 is the default end time as the box shows it, "20"
    {&Form1::txtSimut, RunUnavailable,
     QT_TRANSLATE_NOOP("Form1", "Enter in a box you have not changed since the run sets it back "
                                "to %1. Type a new end time, or click Run.")},
};

} // namespace

// A box's text as Run and Enter read it: as the window writes numbers, with a
// decimal comma where its language has one, and with full-width digits.
QString Form1::typedText(const QLineEdit *box) const
{
    return typedNumberText(box->text(), locale().decimalPoint());
}

// Text after the number is easy to miss: "1,5" reads as 1 where the window
// writes a decimal point. Run and Enter go on with the value read, and say
// what they read and why. An empty box, or a value beyond the double range
// (which Run refuses anyway), says nothing here.
QString Form1::readingNote(const QLineEdit *box) const
{
    const QString text = typedText(box);
    const auto value = Val(text);
    const QString rest = valRest(text);
    if (rest.isEmpty() || !value) return {};
    const QString typed = box->text(), read = generalNumber(*value, locale());
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; };
    if (rest.size() == QString(text).removeIf(blank).size())
        //: %1 is the text typed in a box, which holds no number at its start
        return tr("Read \"%1\" as 0: it does not begin with a number.").arg(typed);
    if (!rest.startsWith(u',') && !rest.startsWith(u'.'))
        //: %1 is the text typed in a box, %2 the number read from its start, %3 what follows it
        return tr("Read \"%1\" as %2: the number ends before \"%3\".").arg(typed, read, rest);
    if (locale().decimalPoint() == u",")
        //: %1 is the text typed in a box, %2 the number read from its start
        return tr("Read \"%1\" as %2: a number takes one decimal comma and no thousands "
                  "separators.")
            .arg(typed, read);
    //: %1 is the text typed in a box, %2 the number read from its start
    return tr("Read \"%1\" as %2: use a period as the decimal point.").arg(typed, read);
}

void Form1::Command2_Click()
{
    QStringList notes;
    for (const QLineEdit *box : {txtRrate, n0, txtSimut})
        if (const QString note = readingNote(box); !note.isEmpty()) notes.append(note);
    const RunProblem problem = simulate(typedText(txtSimut), typedText(n0), typedText(txtRrate));
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
    // The student goes on with the chart just drawn: its keys read it out.
    MSChart1->setFocus();
    Command2->setEnabled(false);
    Command10->setEnabled(true);
    //: %1 is the end time T of the run; the population size N(T) stands in the box below
    Label4->setText(tr("Population size at t =%1").arg(integerText(Simut)));
    //: Spoken after a run: %1 is the end time T, %2 the population size N(T) to 0.01
    const QString result = tr("Population size at t = %1: %2")
                               .arg(integerText(Simut),
                                    generalNumber(roundToPlaces(Nt[size_t(Simut)], 100), locale()));
    if (notes.isEmpty()) {
        hideNotice(this, RunCause);
        hideNotice(this, ResetCause);
        announce(this, result);
    } else {
        showNotice(this, RunCause, notes.join(u'\n'));
        // The result cuts the notice's own announcement short, so it says the notes again.
        announce(this, result + u'\n' + notes.join(u'\n'));
    }
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
    hideNotice(this, ResetCause);
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

/*
 * Enter accepts a value by handing the focus to Run, so that a second Enter
 * runs; a refused value, or a Run that cannot take the focus, puts the box's
 * default back. A reset that changes the box says why beside the window, after
 * what was read of the text, until the next edit or Run.
 */
void Form1::confirmOrReset(QLineEdit *box, const QString &fallback, unsigned refusal)
{
    const QString note = readingNote(box);
    if (refusal == Accepted && canTakeFocus(Command2)) {
        Command2->setFocus();
        if (!note.isEmpty()) showNotice(this, RunCause, note);
        return;
    }
    if (refusal == Accepted) refusal = RunUnavailable;
    const QString before = box->text();
    box->setText(fallback);
    if (box->text() == before) {
        if (!note.isEmpty()) showNotice(this, RunCause, note);
        return;
    }
    for (const ResetText &row : ResetTexts) {
        if (this->*row.box != box || !(row.refusals & refusal)) continue;
        QString text = tr(row.text);
        text = row.refusals & PastLastTime ? text.arg(fallback, integerText(MaxEndTime))
                                           : text.arg(fallback);
        showNotice(this, ResetCause, note.isEmpty() ? text : note + u'\n' + text);
        return;
    }
}

void Form1::n0_KeyPress(int KeyAscii)
{
    if (KeyAscii == Enter) confirmOrReset(n0, QStringLiteral("10"), refusalOf(Val(typedText(n0))));
}

void Form1::txtRrate_KeyPress(int KeyAscii)
{
    if (KeyAscii == Enter)
        confirmOrReset(txtRrate, QStringLiteral("0.2"), refusalOf(Val(typedText(txtRrate))));
}

// The end time must also be whole and within what a run can hold.
void Form1::txtSimut_KeyPress(int KeyAscii)
{
    if (KeyAscii != Enter) return;
    const auto value = Val(typedText(txtSimut));
    unsigned refusal = refusalOf(value);
    if (refusal == Accepted && *value != std::floor(*value))
        refusal = NotWhole;
    else if (refusal == Accepted && *value > MaxEndTime)
        refusal = PastLastTime;
    confirmOrReset(txtSimut, QStringLiteral("20"), refusal);
}
