#pragma once

class Form;

/*
 * Every change of window the program makes, in one table (windowflow.cpp):
 * a handler that leaves its window names its row by its window and its
 * control, "close" for the close box, and moveOn carries the row out.
 */
namespace WindowFlow
{
void moveOn(Form &window, const char *control);
} // namespace WindowFlow
