#include "windows/windowflow.h"

#include "forms/forms.h"
#include "forms/program.h"
#include "windows/copyrigh.h"
#include "windows/datatabl.h"
#include "windows/form1.h"
#include "windows/form3.h"
#include "windows/introfrm.h"
#include "windows/larggraf.h"
#include "windows/quiz.h"
#include "windows/referenc.h"
#include "windows/vater.h"

#include <QtGlobal>

namespace
{

// What goes out of view: the window itself, nothing (its close box is taking
// it away), or the main window, which the data table covers while the large
// graph window stays visible beneath it.
enum class Hides { Itself, Nothing, MainWindow };

// Which comes first, hiding or showing. The order is the windows' own and
// decides which window the system activates in between; keep it as it stands.
// With nothing to hide it does not matter.
enum class Order { HideFirst, ShowFirst };

template <class F> void show()
{
    Forms::show<F>();
}

struct WindowChange {
    const char *window;
    const char *control;
    Hides hides;
    Order order;
    void (*next)(); // shows the next window, or ends the program
};

// clang-format off
constexpr WindowChange Flow[] = {
    // window    control or close  hides               order              next
    {"titlform", "key or click",   Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"Form1",    "Command1",       Hides::Itself,      Order::HideFirst,  show<copyrigh>}, // Quit
    {"Form1",    "Command6",       Hides::Itself,      Order::ShowFirst,  show<Introfrm>}, // More...
    {"Form1",    "Label9",         Hides::Itself,      Order::ShowFirst,  show<Introfrm>}, // the title
    {"Form1",    "Label10",        Hides::Itself,      Order::HideFirst,  show<Introfrm>}, // the author
    {"Form1",    "Image1",         Hides::Itself,      Order::HideFirst,  show<Form3>},    // the photograph
    {"Form1",    "Command11",      Hides::Itself,      Order::ShowFirst,  show<Quiz>},     // the quiz button
    {"Form1",    "MSChart1",       Hides::Itself,      Order::HideFirst,  show<larggraf>}, // the chart
    {"Form1",    "close",          Hides::Nothing,     Order::HideFirst,  Program::end},
    {"larggraf", "command4",       Hides::Itself,      Order::HideFirst,  show<Form1>},    // Main form
    {"larggraf", "Command5",       Hides::Itself,      Order::HideFirst,  show<copyrigh>}, // Quit
    {"larggraf", "Command10",      Hides::MainWindow,  Order::ShowFirst,  show<DataTabl>}, // Detail
    {"larggraf", "close",          Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"DataTabl", "Command1",       Hides::Itself,      Order::ShowFirst,  show<Form1>},    // Back to the main form
    {"DataTabl", "Command2",       Hides::Itself,      Order::ShowFirst,  show<larggraf>}, // Back to the graph form
    {"DataTabl", "close",          Hides::Nothing,     Order::ShowFirst,  show<larggraf>},
    {"Introfrm", "Command1",       Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"Introfrm", "Command2",       Hides::Itself,      Order::HideFirst,  show<Referenc>},
    {"Introfrm", "close",          Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {"Referenc", "Command1",       Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"Referenc", "background",     Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"Referenc", "close",          Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {"Form3",    "Command1",       Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"Form3",    "close",          Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {"Quiz",     "Command1",       Hides::Itself,      Order::HideFirst,  show<Form1>},
    {"Quiz",     "close",          Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {"copyrigh", "Command1",       Hides::Itself,      Order::HideFirst,  show<Vater>},
    {"copyrigh", "close",          Hides::Nothing,     Order::ShowFirst,  show<Form1>},    // abandons the quit
    {"Vater",    "Command1",       Hides::Nothing,     Order::HideFirst,  Program::end},
    {"Vater",    "close",          Hides::Nothing,     Order::HideFirst,  Program::end},   // nothing else would be left
};
// clang-format on

// The main window exists for as long as the program runs; it is hidden only
// when it is there to hide.
void hide(Form &window, Hides hides)
{
    if (hides == Hides::Itself) window.hide();
    if (hides == Hides::MainWindow && Forms::isLoaded<Form1>()) Forms::form<Form1>().hide();
}

void carryOut(Form &window, const WindowChange &change)
{
    if (change.order == Order::HideFirst) hide(window, change.hides);
    change.next();
    if (change.order == Order::ShowFirst) hide(window, change.hides);
}

} // namespace

void WindowFlow::moveOn(Form &window, const char *control)
{
    const char *name = window.metaObject()->className();
    for (const WindowChange &change : Flow)
        if (qstrcmp(change.window, name) == 0 && qstrcmp(change.control, control) == 0)
            return carryOut(window, change);
    Q_ASSERT_X(false, "WindowFlow::moveOn", "a window change that the table does not hold");
}
