#pragma once

class QString;
class QWidget;

// A message beside a window that blocks nothing: the window stays usable,
// and a later message replaces the earlier one.
void showNotice(QWidget *window, const QString &text);

// Prints an image of the window's client area on the default printer, as one
// page with no dialog; says so in a notice when no printer can be used or the
// printer does not take the job.
void printWindowImage(QWidget *window);
