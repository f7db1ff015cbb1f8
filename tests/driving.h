#pragma once

// What the tests share: they use the program as a user does, with clicks, keys and focus, and
// read what a user sees.
#include "charts/chartcontrol.h"
#include "datacolumns.h"
#include "forms/forms.h"
#include "forms/program.h"
#include "model/malvora1.h"
#include "windows/form1.h"
#include "windows/larggraf.h"

#include <QtSvg>
#include <QtTest>
#include <QtWidgets>

// Drops the warnings that the offscreen platform gives for every window it cannot raise or size
// by hints, so that a warning that tells of a fault stands out; all others go on to Qt Test.
// Called from initTestCase(), once Qt Test has set up its own message handler.
void dropHarmlessWarnings();

// The system's reasons for a failed write (strerror) in English, in this process and in the
// program it starts, as the rows that name them expect, whatever the desktop's language.
void readSystemReasonsInEnglish();

// Shows the main window, fills its boxes (growth rate, N(0), end time) and clicks Run.
Form1 &runWith(const QString &rate = "0.2", const QString &size = "10", const QString &end = "20");

// Runs so, then opens the large graph window with a click on the main window's chart.
larggraf &openLargeGraph(const QString &rate = "0.2", const QString &end = "20");

void clickChart(ChartControl *chart, int clicks = 1);

// What the chart shows: its curves in values (kept runs first), the names in its legend and
// the texts of one axis's tick labels, as laid out at its size.
const std::vector<ContentCurve> &curvesOf(const ChartControl *chart);
QStringList legendOf(const ChartControl *chart);
QStringList tickLabels(const ChartControl *chart, ChartControl::AxisId axis);

// Makes the window the active one, as a click on it does; false if it does not become active.
bool activate(QWidget *window);

// The text of the notice the window shows, empty while it shows none.
QString notice(const QWidget *window);

// What a screen reader reads of the widget.
QString accessibleText(QWidget *widget, QAccessible::Text text = QAccessible::Name);

// What the window last announced to a screen reader (a notice, a result), which a reader speaks
// when it is told, whatever has the focus: the name of the notification that speaks for it.
QString announcement(QWidget *window);

// Lets the windows that closed go, as the event loop does.
void deleteClosed();

// The smallest rectangle holding the pixels darker than the grey level `below` (0 to 255) within
// a part of the image (the whole image: an empty part).
QRect inkIn(const QImage &image, int below, QRect within = {});

// Root, where the tests' other users (12345, 23456 and nobody, 65534) exist: a user namespace
// that maps root alone has none to give a file to or to run a program as.
bool mayActAsOtherUsers();
