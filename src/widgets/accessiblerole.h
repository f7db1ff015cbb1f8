#pragma once

#include <QAccessible>

class QWidget;

/*
 * Presents a widget to screen readers in a role of its own, where the
 * toolkit would present a plain widget as a nameless filler: a window as a
 * dialog, read with its text when it opens; a chart as a chart; the
 * invisible speaker of announcements as a notification. Called from the
 * widget's constructor, before a reader first asks for it.
 */
void presentInRole(QWidget *widget, QAccessible::Role role);
