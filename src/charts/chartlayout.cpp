#include "charts/chartlayout.h"

#include "charts/axisscale.h"
#include "charts/chartcontent.h"
#include "charts/curvethinning.h"
#include "model/numbertext.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>

namespace
{

constexpr double Largest = std::numeric_limits<double>::max();
constexpr int Intervals = 5; // about this many steps between ticks, fewer if crowded
constexpr double Margin = 6;
constexpr double Gap = 4;
constexpr double TickLength = 4;
constexpr double LabelSpacing = 6; // at least this much between two labels side by side
constexpr double Sample = 24;      // the length of a legend entry's line
// How far, in pixels, a drawn curve may pass from a point of its own: below
// what the eye can tell, also on a copy at twice the size.
constexpr double Tolerance = 0.1;

using AxisId = ChartContent::AxisId;

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QFont zoomed(QFont font, double zoom)
{
    if (zoom != 1) font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

// Whether the curve's points all fall on one spot (one point, or a rate so
// small that nothing moves): it shows the spot as a marker; a line needs length.
bool isSpot(ValueRange x, ValueRange y)
{
    return !x.empty() && negligibleSpread(x.low, x.high) && negligibleSpread(y.low, y.high);
}

// Whether a curve's pixels all lie within one pixel's breadth: a line that
// short would not be seen.
bool withinOnePixel(const QList<QPointF> &pixels)
{
    if (pixels.isEmpty()) return false;
    ValueRange x, y;
    for (const QPointF &p : pixels)
        x.take(p.x()), y.take(p.y());
    return x.high - x.low < 1 && y.high - y.low < 1;
}

// A linear scale over the values, widened to whole ticks, or the fixed range
// when it is a proper one that holds them.
AxisScale scaleFor(const ChartAxis &axis, ValueRange values, bool markers, int intervals)
{
    if (values.empty()) return {};
    if (markers) { // a marker on the plot's edge would be cut in half
        const double margin = (values.high / 2 - values.low / 2) / 10;
        values = {std::max(values.low - margin, -Largest), std::min(values.high + margin, Largest)};
    }
    const bool fixed = !axis.autoScale && std::isfinite(axis.minimum) &&
                       std::isfinite(axis.maximum) && axis.maximum > axis.minimum;
    if (fixed && values.low >= axis.minimum && values.high <= axis.maximum)
        return fixedScale(axis.minimum, axis.maximum, intervals);
    if (fixed) {
        values.low = std::min(values.low, axis.minimum);
        values.high = std::max(values.high, axis.maximum);
    }
    return automaticScale(values.low, values.high, intervals);
}

// Where a value falls between the ends of a range, from 0 to 1; halves keep
// the differences inside the double range.
double fraction(double value, double minimum, double maximum)
{
    return (value / 2 - minimum / 2) / (maximum / 2 - minimum / 2);
}

// A font's measures at one resolution, and the widths of the texts measured
// in it. They are kept from one layout to the next: a chart laid out again
// (a new run, a resize, another chart in the same window) finds its font and
// most of its labels measured already.
struct Measure {
    Measure(const QFont &font, const QPaintDevice &device)
        : font(font), dpi(device.logicalDpiY()), metrics(font, &device), height(metrics.height())
    {
    }

    double width(const QString &text)
    {
        if (text.isEmpty()) return 0;
        if (const auto found = widths.constFind(text); found != widths.cend()) return *found;
        if (widths.size() >= 1024) widths.clear();
        return *widths.insert(text, metrics.horizontalAdvance(text));
    }

    QFont font;
    int dpi;
    QFontMetricsF metrics;
    double height;
    QHash<QString, double> widths;
};

// The measures of a font on a device, made the first time they are asked for.
Measure &measureOf(const QFont &font, const QPaintDevice &device)
{
    static std::deque<Measure> measures; // a deque: a reference stays valid as it grows
    const int dpi = device.logicalDpiY();
    for (Measure &m : measures)
        if (m.dpi == dpi && m.font == font) return m;
    if (measures.size() >= 32) measures.clear(); // zooms and resolutions without end
    return measures.emplace_back(font, device);
}

// The ticks of a scale with their labels and sizes, not yet placed.
struct Labels {
    AxisScale scale;
    std::vector<DrawnTick> ticks;
    double widest = 0;
};

Labels labelled(AxisScale scale, const QLocale &locale, Measure &metrics)
{
    Labels labels{std::move(scale), {}, 0};
    for (double tick : labels.scale.ticks) {
        DrawnTick t{tick, 0, generalNumber(tick, locale, labels.scale.digits), {}};
        t.rect.setSize(QSizeF(metrics.width(t.text), metrics.height));
        labels.widest = std::max(labels.widest, t.rect.width());
        labels.ticks.push_back(std::move(t));
    }
    return labels;
}

// Places each tick along the axis, from `from` (the minimum's pixel) to `to`.
void place(Labels &labels, double from, double to)
{
    for (DrawnTick &tick : labels.ticks)
        tick.at =
            from + (to - from) * fraction(tick.value, labels.scale.minimum, labels.scale.maximum);
}

// Whether neighbouring labels stand apart, each `extent` long along the axis.
bool apart(const Labels &labels, double (*extent)(const DrawnTick &))
{
    for (size_t k = 1; k < labels.ticks.size(); ++k) {
        const DrawnTick &a = labels.ticks[k - 1], &b = labels.ticks[k];
        if (std::abs(b.at - a.at) < (extent(a) + extent(b)) / 2 + LabelSpacing) return false;
    }
    return true;
}

double widthOf(const DrawnTick &tick)
{
    return tick.rect.width();
}
double heightOf(const DrawnTick &tick)
{
    return tick.rect.height();
}

// A plot too small for two labels apart labels only every tick with room.
void thinLabels(Labels &labels, double (*extent)(const DrawnTick &))
{
    const DrawnTick *last = nullptr;
    for (DrawnTick &tick : labels.ticks) {
        if (last &&
            std::abs(tick.at - last->at) < (extent(*last) + extent(tick)) / 2 + LabelSpacing)
            tick.text.clear(), tick.rect = QRectF();
        else
            last = &tick;
    }
}

class Layout
{
  public:
    Layout(const ChartContent &content, QSizeF size, const QLocale &locale,
           const QPaintDevice &device)
        : c(content), locale(locale), device(device)
    {
        d.size = size;
        d.dpi = device.logicalDpiY();
        d.tickFont = zoomed(c.tickFont, c.zoom);
        d.legendFont = zoomed(c.legendFont, c.zoom);
        d.blackYGrid = c.axes[AxisId::Y].blackMajorGrid;
    }

    DrawnChart run()
    {
        takeValues();
        const QRectF room = placeTitles();
        const QRectF inner = placeLegend(room);
        placeAxes(inner);
        placeAxisTitles();
        placeCurves();
        placeNoValue();
        return std::move(d);
    }

  private:
    Measure &metrics(const QFont &font) const { return measureOf(font, device); }

    DrawnText text(const QString &s, const QFont &font) const
    {
        Measure &m = metrics(font);
        return {s, QRectF(0, 0, m.width(s), m.height), font};
    }

    void takeValues()
    {
        for (const ContentCurve &curve : c.curves) {
            const ValueRange x = curve.x, y = curve.y;
            const bool spot = isSpot(x, y);
            markers |= spot;
            spots.push_back(spot);
            drawable.push_back(!x.empty());
            values[AxisId::X].take(x);
            values[AxisId::Y].take(y);
            if (curve.current && !x.empty()) currentDrawn = true;
        }
        d.numbered = !values[AxisId::X].empty();
    }

    // The title centred at the top, the X axis title at the bottom; the room between.
    QRectF placeTitles()
    {
        d.title = text(c.title, zoomed(c.titleFont, c.zoom));
        d.title.rect.moveTo((d.size.width() - d.title.rect.width()) / 2, Margin);
        for (AxisId id : {AxisId::X, AxisId::Y}) {
            const ChartAxis &axis = c.axes[id];
            d.axes[id].title =
                text(axis.titleVisible ? axis.title : QString(), zoomed(axis.titleFont, c.zoom));
        }
        DrawnText &xTitle = d.axes[AxisId::X].title;
        const double top = d.title.text.isEmpty() ? Margin : d.title.rect.bottom() + Gap;
        const double bottom = d.size.height() - Margin - xTitle.rect.height() - Gap;
        return QRectF(QPointF(Margin, top), QPointF(d.size.width() - Margin, bottom));
    }

    // The legend at the right, centred on the room's height; the room left of it.
    QRectF placeLegend(QRectF room)
    {
        for (size_t k = 0; k < c.curves.size(); ++k) {
            const ContentCurve &curve = c.curves[k];
            if (!c.legend || curve.legendName.isEmpty()) continue;
            const QString name =
                curve.current || drawable[k]
                    ? curve.legendName
                    //: A kept run with no value to draw on this chart, in the legend
                    : QCoreApplication::translate("ChartLayout", "%1: no value")
                          .arg(curve.legendName);
            d.legend.push_back({name, curve.pen, spots[k], {}});
        }
        if (d.legend.empty()) return room;
        Measure &m = metrics(d.legendFont);
        double widest = 0;
        for (LegendEntry &entry : d.legend) {
            entry.rect.setSize(QSizeF(m.width(entry.name), m.height));
            widest = std::max(widest, entry.rect.width());
        }
        const double width = Gap + Sample + Gap + widest + Gap;
        const double height = Gap + m.height * double(d.legend.size()) + Gap;
        d.legendBox = QRectF(room.right() - width, room.center().y() - height / 2, width, height);
        double y = d.legendBox.top() + Gap;
        for (LegendEntry &entry : d.legend) {
            entry.rect.moveTo(d.legendBox.left() + 2 * Gap + Sample, y);
            y += m.height;
        }
        room.setRight(d.legendBox.left() - 2 * Gap);
        return room;
    }

    /*
     * The Y axis first: its labels' room in height is known before its scale.
     * Their width then sets where the plot begins, and the plot's width the
     * X axis's scale; the last X label stands half beyond the plot's right.
     */
    void placeAxes(QRectF room)
    {
        Measure &m = metrics(d.tickFont);
        const double labelHeight = m.height;
        const double yTitleWidth = d.axes[AxisId::Y].title.rect.height();
        const double xLabelsTop = std::max(TickLength, labelHeight / 2) + 2;
        const double top = room.top() + labelHeight / 2;
        const double bottom = std::max(top + 1, room.bottom() - xLabelsTop - labelHeight);

        Labels y = fitted(AxisId::Y, heightOf, [&](Labels &l) { place(l, bottom, top); });
        const double yLabelsWidth = d.numbered ? y.widest : m.width(QStringLiteral("0000"));
        const double left = room.left() + (yTitleWidth > 0 ? yTitleWidth + Gap : 0) + yLabelsWidth +
                            Gap + TickLength;
        Labels x = fitted(AxisId::X, widthOf, [&](Labels &l) { placeX(l, left, room.right()); });
        d.plot = QRectF(QPointF(x.ticks.empty() ? left : d.plot.left(), top),
                        QPointF(x.ticks.empty() ? room.right() : d.plot.right(), bottom));
        if (x.ticks.empty()) place(x, d.plot.left(), d.plot.right());

        for (DrawnTick &tick : y.ticks)
            tick.rect.moveTo(d.plot.left() - TickLength - Gap / 2 - tick.rect.width(),
                             tick.at - tick.rect.height() / 2);
        for (DrawnTick &tick : x.ticks)
            tick.rect.moveTo(tick.at - tick.rect.width() / 2, d.plot.bottom() + xLabelsTop);
        for (auto [id, labels] : {std::pair{AxisId::X, &x}, std::pair{AxisId::Y, &y}}) {
            d.axes[id].minimum = labels->scale.minimum;
            d.axes[id].maximum = labels->scale.maximum;
            d.axes[id].ticks = std::move(labels->ticks);
        }
    }

    // The scale with the most ticks, up to about `Intervals`, whose labels
    // stand apart where `put` places them.
    template <typename Put> Labels fitted(AxisId id, double (*extent)(const DrawnTick &), Put put)
    {
        Labels labels;
        for (int intervals = Intervals; intervals > 0; --intervals) {
            labels = labelled(scaleFor(c.axes[id], values[id], markers, intervals), locale,
                              metrics(d.tickFont));
            put(labels);
            if (apart(labels, extent)) return labels;
        }
        thinLabels(labels, extent);
        return labels;
    }

    // The X axis's labels' width sets the plot's right and left ends.
    void placeX(Labels &labels, double left, double right)
    {
        if (labels.ticks.empty()) return;
        const double first = labels.ticks.front().rect.width() / 2;
        const double last = labels.ticks.back().rect.width() / 2;
        d.plot.setLeft(std::max(left, Margin + first));
        d.plot.setRight(std::max(d.plot.left() + 1, right - last));
        place(labels, d.plot.left(), d.plot.right());
    }

    // The X axis title centred under the plot, the Y axis title beside it, reading upwards.
    void placeAxisTitles()
    {
        DrawnText &x = d.axes[AxisId::X].title;
        x.rect.moveTo(d.plot.center().x() - x.rect.width() / 2,
                      d.size.height() - Margin - x.rect.height());
        DrawnText &y = d.axes[AxisId::Y].title;
        y.vertical = true;
        y.rect = QRectF(Margin, d.plot.center().y() - y.rect.width() / 2, y.rect.height(),
                        y.rect.width());
    }

    // Every curve in pixels, thinned: a curve of thousands of steps on a plot
    // a few hundred pixels wide is drawn as fast as one of a few hundred. The
    // points are taken to pixels as DrawnChart::position() does.
    void placeCurves()
    {
        const DrawnAxis &x = d.axes[AxisId::X], &y = d.axes[AxisId::Y];
        const double width = d.plot.width(), height = d.plot.height();
        // Pixels per value, unless a span too narrow for them to be a double
        // (below about 1e-305) asks for a division at each point.
        const PixelMap map{
            d.plot.left(),   x.minimum / 2, width / (x.maximum / 2 - x.minimum / 2),
            d.plot.bottom(), y.minimum / 2, height / (y.maximum / 2 - y.minimum / 2)};
        const bool scaled = std::isfinite(map.xScale) && std::isfinite(map.yScale);
        d.curves.reserve(c.curves.size());
        for (size_t k = 0; k < c.curves.size(); ++k) {
            const ContentCurve &curve = c.curves[k];
            const bool many = width > 0 && height > 0 && curve.points.size() > std::max(width, 2.0);
            // Mapped as they are thinned, only the points kept are written:
            // every point is finite and inside the axes' ranges, so is its pixel.
            QList<QPointF> drawn = scaled && curve.whole && many
                                       ? thinnedPixels(curve.points, map, Tolerance)
                                       : placed(curve.points);
            spots[k] = spots[k] || withinOnePixel(drawn);
            d.curves.push_back({std::move(drawn), curve.pen, spots[k]});
        }
        markLegend();
    }

    // A curve with points that have no value, or on a span too narrow to
    // scale, in pixels: each finite point, thinned if every pixel is finite
    // and the points outnumber the plot's pixel columns.
    QList<QPointF> placed(const QList<QPointF> &points) const
    {
        QList<QPointF> drawn;
        drawn.reserve(points.size());
        bool finitePixels = true;
        for (const QPointF &p : points) {
            if (!finite(p)) continue;
            drawn.append(d.position(p));
            finitePixels = finitePixels && finite(drawn.back());
        }
        if (finitePixels && drawn.size() > d.plot.width() && d.plot.width() > 0 &&
            d.plot.height() > 0)
            thinPixels(drawn, Tolerance);
        return drawn;
    }

    // A curve the scale of others shrinks to a spot is marked there, in the
    // legend too; a kept run with no value to draw says so in the legend.
    void markLegend()
    {
        if (d.legend.empty()) return;
        auto entry = d.legend.begin();
        for (size_t k = 0; k < c.curves.size(); ++k) {
            if (c.curves[k].legendName.isEmpty()) continue;
            entry->marker = spots[k];
            ++entry;
        }
    }

    // A current run with nothing to draw says why, in the middle of the plot.
    void placeNoValue()
    {
        if (currentDrawn || c.noValue.isEmpty()) return;
        d.noValue = text(c.noValue, zoomed(c.titleFont, c.zoom));
        d.noValue.rect.moveCenter(d.plot.center());
        d.noValueOverCurves = d.numbered;
    }

    const ChartContent &c;
    const QLocale &locale;
    const QPaintDevice &device;
    DrawnChart d;
    ValueRange values[2];
    std::vector<bool> spots, drawable;
    bool markers = false;
    bool currentDrawn = false;
};

} // namespace

QPointF DrawnChart::position(QPointF value) const
{
    return {plot.left() + plot.width() * fraction(value.x(), axes[X].minimum, axes[X].maximum),
            plot.bottom() - plot.height() * fraction(value.y(), axes[Y].minimum, axes[Y].maximum)};
}

double DrawnChart::xValue(double pixel) const
{
    const double f = (pixel - plot.left()) / plot.width();
    return (axes[X].minimum / 2 + f * (axes[X].maximum / 2 - axes[X].minimum / 2)) * 2;
}

DrawnChart layOutChart(const ChartContent &content, QSizeF size, const QLocale &locale,
                       const QPaintDevice &device)
{
    return Layout(content, size, locale, device).run();
}
