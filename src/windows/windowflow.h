#pragma once

class Form;

/*
 * Every change of window the program makes, in one table (windowflow.cpp):
 * a handler that leaves its window names its way out, the window and its
 * control ("close" for the close box), and moveOn carries the row out. The
 * table holds one row for each way, in this order, or the program does not
 * build.
 */
namespace WindowFlow
{

enum class Way {
    titlform_KeyOrClick,
    Form1_Command1,  // Quit
    Form1_Command6,  // More...
    Form1_Label9,    // the title
    Form1_Label10,   // the author
    Form1_Image1,    // the photograph
    Form1_Command11, // the quiz button
    Form1_MSChart1,  // the chart
    Form1_close,
    larggraf_command4,  // Main form
    larggraf_Command5,  // Quit
    larggraf_Command10, // Detail
    larggraf_close,
    DataTabl_Command1, // Back to the main form
    DataTabl_Command2, // Back to the graph form
    DataTabl_close,
    Introfrm_Command1,
    Introfrm_Command2,
    Introfrm_close,
    Referenc_Command1,
    Referenc_background,
    Referenc_close,
    Form3_Command1,
    Form3_close,
    Quiz_Command1,
    Quiz_close,
    copyrigh_Command1,
    copyrigh_close,
    Vater_Command1,
    Vater_close,
    Count
};

void moveOn(Form &window, Way way);

} // namespace WindowFlow
