#pragma once

class QString;
class QWidget;
struct RunSeries;

/*
 * Says a text through the screen reader at once, without moving the focus:
 * a result that appears, a notice, a run kept. The text goes to an invisible
 * notification of the widget's window, which screen readers speak as soon as
 * it is shown, whatever has the focus; an accessibility client that counts
 * alerts hears of it as an alert of that window too.
 */
void announce(QWidget *widget, const QString &text);

// "Run r = 0.3, N(0) = 10 kept; 2 runs kept": the run just kept, and how many are kept now.
void announceKept(QWidget *widget, const RunSeries &run, int keptCount);
// That no run is kept any more.
void announceForgotten(QWidget *widget);
