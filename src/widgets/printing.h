#pragma once

class QWidget;

// Prints the window's client area on the default printer, as one page with no
// dialog: its controls draw themselves onto the page, at the printer's
// resolution, texts as text. Says so in a notice when no printer can be used
// or the printer does not take the job.
void printWindow(QWidget *window);
