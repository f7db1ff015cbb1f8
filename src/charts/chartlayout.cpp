#include "charts/chartlayout.h"

#include "charts/axisscale.h"
#include "charts/chartcontent.h"
#include "charts/curvethinning.h"
#include "model/numbertext.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

constexpr double Largest = std::numeric_limits<double>::max();
constexpr int Intervals = 5; // about this many steps between ticks, fewer if crowded
constexpr double Margin = 6;
constexpr double Gap = 4;
constexpr double LabelSpacing = 6; // at least this much between two labels side by side
constexpr double Sample = 24;      // the length of a legend entry's line
using ChartMetrics::TickLength;
using ChartMetrics::Tolerance;
using Measure = TextMeasures::Measure;

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

// A legend name no wider than `most`: in lines broken at its spaces where
// it is wider ("r = 0.2," over "N(0) = 10"), a word wider still cut short
// with "…".
QStringList wrapped(const QString &name, double most, Measure &m)
{
    if (m.width(name) <= most) return {name};
    // A run's name breaks between r and N(0) first: "r = 0.2," over "N(0) = 10".
    QStringList clauses;
    qsizetype from = 0;
    for (qsizetype k = 0; k + 1 < name.size(); ++k)
        if ((name[k] == u',' || name[k] == u';') && name[k + 1] == u' ')
            clauses << name.mid(from, k + 1 - from), from = k + 2;
    clauses << name.mid(from);
    if (clauses.size() > 1) {
        QStringList lines;
        for (const QString &part : clauses)
            lines << wrapped(part, most, m);
        return lines;
    }
    QStringList lines;
    QString line;
    for (const QString &word : name.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (line.isEmpty() || m.width(longer) <= most) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    lines << line;
    for (QString &text : lines)
        if (m.width(text) > most) text = m.metrics.elidedText(text, Qt::ElideRight, most);
    return lines;
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
    const QStringList texts = axisLabels(labels.scale.ticks, labels.scale.digits, locale);
    for (size_t k = 0; k < labels.scale.ticks.size(); ++k) {
        DrawnTick t{labels.scale.ticks[k], 0, texts[qsizetype(k)], {}};
        t.rect.setSize(QSizeF(metrics.width(t.text), metrics.height));
        labels.widest = std::max(labels.widest, t.rect.width());
        labels.ticks.push_back(std::move(t));
    }
    return labels;
}

// Places each tick along the axis, from `from` (the minimum's pixel) to `to`.
void place(Labels &labels, double from, double to)
{
    const AxisMap map = AxisMap::between(labels.scale.minimum, labels.scale.maximum, from, to);
    for (DrawnTick &tick : labels.ticks)
        tick.at = map(tick.value);
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
           const QPaintDevice &device, TextMeasures &measures)
        : c(content), locale(locale), device(device), measures(measures)
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
        const YAxis y = yAxis(room);
        // The legend as wide as leaves half the chart to the plot, less what
        // the last X label stands beyond it, found once the labels are placed.
        double most = room.right() - y.left - d.size.width() / 2 - (Sample + 5 * Gap);
        for (int tries = 0; tries < 4; ++tries) {
            d.legend.clear();
            placeAxes(placeLegend(room, most), y);
            const double lacking = d.size.width() / 2 - d.plot.width();
            if (lacking <= 0 || d.legend.empty()) break;
            most = std::min(most, d.legendBox.width() - (Sample + 3 * Gap)) - lacking - 1;
        }
        placeAxisTitles();
        placeCurves();
        placeNoValue();
        return std::move(d);
    }

  private:
    Measure &metrics(const QFont &font) const { return measures.of(font, device); }

    DrawnText text(const QString &s, const QFont &font) const
    {
        Measure &m = metrics(font);
        return {s, QRectF(0, 0, m.width(s), m.height), font};
    }

    void takeValues()
    {
        for (const ContentCurve &curve : c.curves) {
            const ValueRange x = curve.x, y = curve.y;
            const bool spot = curve.markers || isSpot(x, y);
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

    // The legend at the right, centred on the room's height, its names at
    // most `most` wide; the room left of it.
    QRectF placeLegend(QRectF room, double most)
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
            d.legend.push_back({name, {}, curve.pen, spots[k], {}});
        }
        if (d.legend.empty()) return room;
        Measure &m = metrics(d.legendFont);
        double widest = 0, height = 2 * Gap;
        for (LegendEntry &entry : d.legend) {
            entry.lines = wrapped(entry.name, std::max(most, 0.0), m);
            double width = 0;
            for (const QString &line : entry.lines)
                width = std::max(width, m.width(line));
            entry.rect.setSize(QSizeF(width, m.height * double(entry.lines.size())));
            widest = std::max(widest, width);
            height += entry.rect.height();
        }
        const double width = Gap + Sample + Gap + widest + Gap;
        d.legendBox = QRectF(room.right() - width, room.center().y() - height / 2, width, height);
        double y = d.legendBox.top() + Gap;
        for (LegendEntry &entry : d.legend) {
            entry.rect.moveTo(d.legendBox.left() + 2 * Gap + Sample, y);
            y += entry.rect.height();
        }
        room.setRight(d.legendBox.left() - 2 * Gap);
        return room;
    }

    // The Y axis's labels, fitted to the plot's height, and where the plot
    // begins, right of them and of the Y axis title.
    struct YAxis {
        Labels labels;
        double top, bottom, left, xLabelsTop;
    };

    /*
     * The Y axis first: its labels' room in height is known before its scale,
     * and does not depend on the legend. Their width then sets where the plot
     * begins, and the plot's width the X axis's scale; the last X label
     * stands half beyond the plot's right.
     */
    YAxis yAxis(QRectF room)
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
        return {std::move(y), top, bottom, left, xLabelsTop};
    }

    void placeAxes(QRectF room, YAxis yAxis)
    {
        d.plot = QRectF();
        const auto [top, bottom, left, xLabelsTop] =
            std::tuple{yAxis.top, yAxis.bottom, yAxis.left, yAxis.xLabelsTop};
        Labels &y = yAxis.labels;
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
        d.map = {AxisMap::between(x.minimum, x.maximum, d.plot.left(), d.plot.right()),
                 AxisMap::between(y.minimum, y.maximum, d.plot.bottom(), d.plot.top())};
        d.curves.reserve(c.curves.size());
        for (size_t k = 0; k < c.curves.size(); ++k) {
            const ContentCurve &curve = c.curves[k];
            const bool many = width > 0 && height > 0 && curve.points.size() > std::max(width, 2.0);
            // Mapped as they are thinned, only the points kept are written:
            // every point is finite and inside the axes' ranges, so is its pixel.
            QList<QPointF> drawn = curve.whole && many && !curve.markers
                                       ? thinnedPixels(curve.points, d.map, Tolerance)
                                       : placed(curve.points, !curve.markers);
            spots[k] = spots[k] || withinOnePixel(drawn);
            d.curves.push_back({std::move(drawn), curve.pen, spots[k]});
        }
        markLegend();
    }

    // A curve with points that have no value, too few to thin, or drawn as
    // markers, in pixels: each finite point, thinned (unless they are markers)
    // if the points outnumber the plot's pixel columns.
    QList<QPointF> placed(const QList<QPointF> &points, bool thin) const
    {
        QList<QPointF> drawn;
        drawn.reserve(points.size());
        for (const QPointF &p : points)
            if (finite(p)) drawn.append(d.position(p));
        if (thin && drawn.size() > d.plot.width() && d.plot.width() > 0 && d.plot.height() > 0)
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
        // A plot too narrow for the whole line keeps its start, cut short with "…".
        if (d.noValue.rect.width() > d.plot.width()) {
            Measure &m = metrics(d.noValue.font);
            d.noValue.text = m.metrics.elidedText(c.noValue, Qt::ElideRight, d.plot.width());
            d.noValue.rect.setWidth(m.width(d.noValue.text));
        }
        d.noValue.rect.moveCenter(d.plot.center());
        d.noValueOverCurves = d.numbered;
    }

    const ChartContent &c;
    const QLocale &locale;
    const QPaintDevice &device;
    TextMeasures &measures;
    DrawnChart d;
    ValueRange values[2];
    std::vector<bool> spots, drawable;
    bool markers = false;
    bool currentDrawn = false;
};

} // namespace

DrawnChart layOutChart(const ChartContent &content, QSizeF size, const QLocale &locale,
                       const QPaintDevice &device, TextMeasures &measures)
{
    return Layout(content, size, locale, device, measures).run();
}

TextMeasures::Measure::Measure(const QFont &font, const QPaintDevice &device)
    : font(font), dpi(device.logicalDpiY()), metrics(font, &device), height(metrics.height())
{
}

double TextMeasures::Measure::width(const QString &text)
{
    if (text.isEmpty()) return 0;
    if (const auto found = widths.constFind(text); found != widths.cend()) return *found;
    if (widths.size() >= 1024) widths.clear();
    return *widths.insert(text, metrics.horizontalAdvance(text));
}

TextMeasures::Measure &TextMeasures::of(const QFont &font, const QPaintDevice &device)
{
    const int dpi = device.logicalDpiY();
    for (Measure &m : m_measures)
        if (m.dpi == dpi && m.font == font) return m;
    if (m_measures.size() >= 32) m_measures.clear(); // zooms and resolutions without end
    return m_measures.emplace_back(font, device);
}
