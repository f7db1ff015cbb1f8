#pragma once

#include <QMenu>

#include <functional>

class ChartControl;

/*
 * The context menu of a chart, for the mouse (right click) and the keyboard
 * (the Menu key, Shift+F10): "Copy chart" (also Ctrl+C on the chart), "Save
 * chart as..." as PNG or SVG, "Keep this run" and "Forget kept runs". Every
 * chart draws itself again when the kept runs change. A run that is kept
 * already cannot be kept twice, and with none kept there is nothing to forget.
 */
class ChartMenu : public QMenu
{
    Q_OBJECT
  public:
    explicit ChartMenu(ChartControl *chart);

    // The save dialog: the chosen file name, empty when cancelled; *filter
    // holds the chosen filter.
    std::function<QString(QWidget *parent, const QString &filters, QString *filter)> saveDialog;

    // Pops up at a point of the screen, with the items that apply enabled.
    void open(QPoint at);

    QAction *copyAction, *saveAction, *keepAction, *forgetAction;

  private:
    void copyChart();
    void saveChart();
    void keepRun();
    void forgetRuns();

    ChartControl *m_chart;
};
