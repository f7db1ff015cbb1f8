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

#include <iterator>

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

using enum WindowFlow::Way;

struct WindowChange {
    WindowFlow::Way way;
    Hides hides;
    Order order;
    void (*next)(); // shows the next window, or ends the program
};

// clang-format off
constexpr WindowChange Flow[] = {
    // window and control or close  hides               order              next
    {titlform_KeyOrClick,           Hides::Itself,      Order::HideFirst,  show<Form1>},
    {Form1_Command1,                Hides::Itself,      Order::HideFirst,  show<copyrigh>}, // Quit
    {Form1_Command6,                Hides::Itself,      Order::ShowFirst,  show<Introfrm>}, // More...
    {Form1_Label9,                  Hides::Itself,      Order::ShowFirst,  show<Introfrm>}, // the title
    {Form1_Label10,                 Hides::Itself,      Order::HideFirst,  show<Introfrm>}, // the author
    {Form1_Image1,                  Hides::Itself,      Order::HideFirst,  show<Form3>},    // the photograph
    {Form1_Command11,               Hides::Itself,      Order::ShowFirst,  show<Quiz>},     // the quiz button
    {Form1_MSChart1,                Hides::Itself,      Order::HideFirst,  show<larggraf>}, // the chart
    {Form1_close,                   Hides::Nothing,     Order::HideFirst,  Program::end},
    {larggraf_command4,             Hides::Itself,      Order::HideFirst,  show<Form1>},    // Main form
    {larggraf_Command5,             Hides::Itself,      Order::HideFirst,  show<copyrigh>}, // Quit
    {larggraf_Command10,            Hides::MainWindow,  Order::ShowFirst,  show<DataTabl>}, // Detail
    {larggraf_close,                Hides::Itself,      Order::HideFirst,  show<Form1>},
    {DataTabl_Command1,             Hides::Itself,      Order::ShowFirst,  show<Form1>},    // Back to the main form
    {DataTabl_Command2,             Hides::Itself,      Order::ShowFirst,  show<larggraf>}, // Back to the graph form
    {DataTabl_close,                Hides::Nothing,     Order::ShowFirst,  show<larggraf>},
    {Introfrm_Command1,             Hides::Itself,      Order::HideFirst,  show<Form1>},
    {Introfrm_Command2,             Hides::Itself,      Order::HideFirst,  show<Referenc>},
    {Introfrm_close,                Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {Referenc_Command1,             Hides::Itself,      Order::HideFirst,  show<Form1>},
    {Referenc_background,           Hides::Itself,      Order::HideFirst,  show<Form1>},
    {Referenc_close,                Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {Form3_Command1,                Hides::Itself,      Order::HideFirst,  show<Form1>},
    {Form3_close,                   Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {Quiz_Command1,                 Hides::Itself,      Order::HideFirst,  show<Form1>},
    {Quiz_close,                    Hides::Nothing,     Order::ShowFirst,  show<Form1>},
    {copyrigh_Command1,             Hides::Itself,      Order::HideFirst,  show<Vater>},
    {copyrigh_close,                Hides::Nothing,     Order::ShowFirst,  show<Form1>},    // abandons the quit
    {Vater_Command1,                Hides::Nothing,     Order::HideFirst,  Program::end},
    {Vater_close,                   Hides::Nothing,     Order::HideFirst,  Program::end},   // nothing else would be left
};
// clang-format on

// One row for every way, each at its way's place: the row of a way is found
// by its number.
constexpr bool everyWayInOrder()
{
    for (int way = 0; way < int(std::size(Flow)); ++way)
        if (Flow[way].way != WindowFlow::Way(way)) return false;
    return std::size(Flow) == size_t(WindowFlow::Way::Count);
}
static_assert(everyWayInOrder(), "the window flow needs one row for each way, in the ways' order");

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

void WindowFlow::moveOn(Form &window, Way way)
{
    carryOut(window, Flow[size_t(way)]);
}
