#pragma once

#include "charts/drawnchart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <deque>

class QLocale;
class QPaintDevice;
struct ChartContent;

/*
 * Fonts' measures at a resolution, and the widths of the texts measured in
 * them. A chart keeps its own from one layout to the next: laid out again
 * (a new run, a resize, another chart in the same window), it finds its
 * fonts and most of its labels measured already. A measure depends on the
 * font, the resolution and the text alone, so it never goes stale.
 */
class TextMeasures
{
  public:
    struct Measure {
        Measure(const QFont &font, const QPaintDevice &device);
        double width(const QString &text);

        QFont font;
        int dpi;
        QFontMetricsF metrics;
        double height;
        QHash<QString, double> widths;
    };

    Measure &of(const QFont &font, const QPaintDevice &device);

  private:
    std::deque<Measure> m_measures; // a deque: a reference stays valid as it grows
};

/*
 * Lays a chart out at a size, its texts measured for the device (each label
 * once): the title on top, the legend at the right, the Y axis title and
 * labels at the left and the X axis's beneath, and the plot in the room left.
 *
 * Each axis takes the most ticks, up to about five intervals, whose labels
 * stand apart; a plot too small even for two keeps its ticks but labels only
 * those with room. No label is cut or overlaps another, the title, the
 * legend or the plot. Tick labels are in the locale's number format, with
 * the digits that tell them apart, in one notation and with one number of
 * decimals an axis. The legend keeps the plot at least half the chart's
 * width, and the line that says why nothing is drawn stays inside the plot.
 */
DrawnChart layOutChart(const ChartContent &content, QSizeF size, const QLocale &locale,
                       const QPaintDevice &device, TextMeasures &measures);
