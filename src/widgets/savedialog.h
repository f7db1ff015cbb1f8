#pragma once

#include <QString>

class QWidget;

/*
 * The program's save dialog: the name the user chose, empty when cancelled.
 * It opens in saveFolder(), at the zoom of the window it belongs to, and keeps
 * its state (history, sidebar, view) in the program's own settings. It never
 * reads a file's contents to show it (a file of /proc, a FIFO), so no folder
 * can hold the window up, and it leaves the state that the toolkit shares
 * between all programs of the user as it found it.
 */
QString askSaveFileName(QWidget *parent, const QString &title, const QString &filters = {},
                        QString *filter = nullptr, const QString &name = {});
// The same dialog for a file to open: a class's observations.
QString askOpenFileName(QWidget *parent, const QString &title, const QString &filters);
// The same for "Save chart as..." in a chart's menu.
QString askChartFileName(QWidget *parent, const QString &filters, QString *filter);
