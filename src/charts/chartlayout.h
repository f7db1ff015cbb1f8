#pragma once

#include "charts/drawnchart.h"

class QLocale;
class QPaintDevice;
struct ChartContent;

/*
 * Lays a chart out at a size, its texts measured for the device (each label
 * once): the title on top, the legend at the right, the Y axis title and
 * labels at the left and the X axis's beneath, and the plot in the room left.
 *
 * Each axis takes the most ticks, up to about five intervals, whose labels
 * stand apart; a plot too small even for two keeps its ticks but labels only
 * those with room. No label is cut or overlaps another, the title, the
 * legend or the plot. Tick labels are in the locale's number format, with
 * the digits that tell them apart.
 */
DrawnChart layOutChart(const ChartContent &content, QSizeF size, const QLocale &locale,
                       const QPaintDevice &device);
