#include "charts/chartcontrol.h"

#include "charts/chartmenu.h"
#include "charts/chartreadout.h"
#include "charts/curvethinning.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>

#include "charts/axisscale.h"
#include "model/numbertext.h"
#include "widgets/formlayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{

// About this many steps between ticks; fewer on an X axis whose labels would
// not fit side by side.
constexpr int Intervals = 5;

// The room Qt Charts gives a label beside its neighbours, and its padding.
constexpr double LabelPadding = 8;

constexpr double Largest = std::numeric_limits<double>::max();

// How far, in pixels, a drawn curve may pass from a point of its own: below
// what the eye can tell, also on a copy at twice the size.
constexpr double Tolerance = 0.1;

} // namespace

ChartControl::ChartControl(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    chart()->setBackgroundRoundness(0);
    // The top margin keeps the highest tick label, which stands half above the
    // plot, clear of the title.
    chart()->setMargins(QMargins(4, 16, 14, 4));
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart()->legend()->setFont(designFont(QStringLiteral("Arial"), 7.5));
    for (AxisId id : {X, Y}) {
        m_axisItems[id] = new QCategoryAxis;
        m_axisItems[id]->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        chart()->addAxis(m_axisItems[id], id == X ? Qt::AlignBottom : Qt::AlignLeft);
    }
    m_noValue = new QGraphicsSimpleTextItem(chart());
    m_noValue->setVisible(false);
    connect(chart(), &QChart::plotAreaChanged, this, &ChartControl::plotAreaChanged,
            Qt::QueuedConnection);
    m_readout = new ChartReadout(this);
    m_menu = new ChartMenu(this);
}

void ChartControl::setColumnCount(int columns)
{
    m_columns = std::max(columns, 0);
    m_labels.assign(size_t(m_columns), QString());
    m_grid.assign(size_t(m_rows) * size_t(m_columns), 0.0);
}

void ChartControl::setRowCount(int rows)
{
    m_rows = std::max(rows, 0);
    m_grid.assign(size_t(m_rows) * size_t(m_columns), 0.0);
}

void ChartControl::setTitleText(const QString &title)
{
    m_title = title;
    setAccessibleName(title);
}

void ChartControl::setColumnLabel(int column, const QString &label)
{
    if (column >= 1 && column <= m_columns) m_labels[size_t(column - 1)] = label;
}

void ChartControl::setData(int row, int column, double value)
{
    if (row >= 1 && row <= m_rows && column >= 1 && column <= m_columns)
        m_grid[size_t(row - 1) * size_t(m_columns) + size_t(column - 1)] = value;
}

double ChartControl::cell(int row, int column) const
{
    return m_grid[size_t(row - 1) * size_t(m_columns) + size_t(column - 1)];
}

void ChartControl::setUsageDescription(const QString &text)
{
    m_usage = text;
    setAccessibleDescription(text);
}

QPointF ChartControl::scenePosition(QPointF value) const
{
    const QPointF drawn(std::ldexp(value.x(), m_unitPowers[X]),
                        std::ldexp(value.y(), m_unitPowers[Y]));
    return chart()->mapToScene(chart()->mapToPosition(drawn));
}

double ChartControl::xValueAt(QPointF viewportPosition) const
{
    const QPointF scene = mapToScene(viewportPosition.toPoint());
    return std::ldexp(chart()->mapToValue(chart()->mapFromScene(scene)).x(), -m_unitPowers[X]);
}

void ChartControl::redraw()
{
    if (m_redraw) m_redraw();
}

void ChartControl::refresh()
{
    m_readout->hide();
    QChart *c = chart();
    c->setTitle(m_title);
    c->setTitleFont(m_titleFont);
    c->legend()->setVisible(m_showLegend);
    c->legend()->setAlignment(m_legendLocation == LocationRight ? Qt::AlignRight : Qt::AlignBottom);

    // Kept runs first: the axis ranges cover them, and they lie beneath.
    std::vector<QList<QPointF>> curves;
    for (const KeptCurve &kept : m_kept)
        curves.push_back(kept.points);
    for (int k = 1; 2 * k <= m_columns; ++k) {
        QList<QPointF> points;
        points.reserve(m_rows);
        for (int row = 1; row <= m_rows; ++row) {
            const QPointF p(cell(row, 2 * k - 1), cell(row, 2 * k));
            if (std::isfinite(p.x()) && std::isfinite(p.y())) points.append(p);
        }
        curves.push_back(std::move(points));
    }
    // A curve whose points all fall on one spot (one point, or a rate so small
    // that nothing moves) shows that spot as a marker; a line needs length.
    std::vector<bool> spots;
    ValueRange ranges[2] = {{INFINITY, -INFINITY}, {INFINITY, -INFINITY}};
    for (const auto &curve : curves) {
        ValueRange x{INFINITY, -INFINITY}, y{INFINITY, -INFINITY};
        for (const QPointF &p : curve) {
            x.take(p.x());
            y.take(p.y());
        }
        spots.push_back(!curve.isEmpty() && negligibleSpread(x.low, x.high) &&
                        negligibleSpread(y.low, y.high));
        ranges[X].take(x);
        ranges[Y].take(y);
    }
    m_markers = std::find(spots.begin(), spots.end(), true) != spots.end();

    // The series objects stay from one chart to the next; only their points
    // change. Kept runs come first, so that the current run is drawn over them.
    // They are emptied while the axes change and the chart is laid out, so
    // that Qt Charts draws each curve's path once, on the final axes.
    while (m_series.size() > curves.size()) {
        c->removeSeries(m_series.back());
        delete m_series.back();
        m_series.pop_back();
    }
    for (size_t k = 0; k < curves.size(); ++k) {
        if (k == m_series.size()) {
            m_series.push_back(new QLineSeries);
            c->addSeries(m_series.back());
            m_series.back()->attachAxis(m_axisItems[X]);
            m_series.back()->attachAxis(m_axisItems[Y]);
            m_themePens.push_back(m_series.back()->pen());
        }
        m_series[k]->clear();
        m_series[k]->setPointsVisible(spots[k]);
        styleSeries(k);
    }

    // Qt Charts lays out the whole chart each time an axis changes its range
    // and its labels their size; with the labels hidden meanwhile, the chart
    // is laid out once below, and again only when the X axis must take fewer
    // ticks.
    for (QCategoryAxis *axis : m_axisItems)
        axis->setLabelsVisible(false);
    for (AxisId id : {Y, X})
        setUpAxis(id, ranges[id], chart()->plotArea().width());
    for (QCategoryAxis *axis : m_axisItems)
        axis->setLabelsVisible(true);
    showNoValue(m_values[X].low > m_values[X].high);
    // Laid out now, the chart knows how wide its plot is, which the X labels
    // standing side by side must fit.
    c->layout()->activate();
    if (fitXAxis(c->plotArea())) c->layout()->activate();
    centreNoValue();

    if (m_unitPowers[X] != 0 || m_unitPowers[Y] != 0)
        for (QList<QPointF> &curve : curves)
            for (QPointF &p : curve)
                p = QPointF(std::ldexp(p.x(), m_unitPowers[X]), std::ldexp(p.y(), m_unitPowers[Y]));
    m_drawn = std::move(curves);
    placeCurves();
}

// The curves handed to Qt Charts, each thinned to what its plot can show:
// Qt Charts builds the outline of every segment it is given, seen or not.
void ChartControl::placeCurves()
{
    const QRectF plot = chart()->plotArea();
    const QRectF values(QPointF(m_axisItems[X]->min(), m_axisItems[Y]->min()),
                        QPointF(m_axisItems[X]->max(), m_axisItems[Y]->max()));
    for (size_t k = 0; k < m_drawn.size(); ++k)
        m_series[k]->replace(thinned(m_drawn[k], values, plot.size(), Tolerance));
    m_placedFor = plot.size();
}

// A kept run's curve in its own pen, the current run's in the theme's.
void ChartControl::styleSeries(size_t k)
{
    const bool kept = k < m_kept.size();
    QLineSeries *series = m_series[k];
    series->setName(kept ? m_kept[k].label : m_labels[2 * (k - m_kept.size())]);
    series->setPen(kept ? m_kept[k].pen : m_themePens[k - m_kept.size()]);
    for (QLegendMarker *marker : chart()->legend()->markers(series))
        marker->setVisible(!kept || !m_kept[k].label.isEmpty());
}

// A linear axis over the values, widened to whole ticks, or over the fixed
// range when it is a proper one that holds them.
void ChartControl::setUpAxis(AxisId id, ValueRange values, double plotWidth)
{
    const Axis &settings = m_axes[id];
    QCategoryAxis *axis = m_axisItems[id];
    axis->setTitleText(settings.title);
    axis->setTitleFont(settings.titleFont);
    axis->setTitleVisible(settings.titleVisible);
    if (settings.blackMajorGrid) axis->setGridLinePen(QPen(Qt::black, 1, Qt::SolidLine));
    m_values[id] = values;
    applyScale(id, fittedScale(id, values, plotWidth));
}

// The scale with the most ticks up to about `Intervals` whose labels fit side
// by side on an X axis of this width.
AxisScale ChartControl::fittedScale(AxisId id, ValueRange values, double plotWidth) const
{
    AxisScale scale = scaleFor(id, values, Intervals);
    for (int intervals = Intervals - 1; id == X && intervals > 0; --intervals) {
        if (fitSideBySide(tickLabels(scale), plotWidth)) break;
        scale = scaleFor(id, values, intervals);
    }
    return scale;
}

// Whether X tick labels fit side by side on a plot of this width, as Qt Charts
// gives each about the width divided by their number plus one.
bool ChartControl::fitSideBySide(const QStringList &labels, double plotWidth) const
{
    if (!(plotWidth > 0)) plotWidth = width() * 0.6; // not laid out yet
    QFontMetricsF metrics(m_axisItems[X]->labelsFont());
    double widest = 0;
    for (const QString &label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    return (widest + LabelPadding) * double(labels.size() + 1) <= plotWidth;
}

AxisScale ChartControl::scaleFor(AxisId id, ValueRange values, int intervals) const
{
    if (values.low > values.high) return {};
    if (m_markers) { // a marker on the plot's edge would be cut in half
        const double margin = (values.high / 2 - values.low / 2) / 10;
        values = {std::max(values.low - margin, -Largest), std::min(values.high + margin, Largest)};
    }
    const Axis &settings = m_axes[id];
    const bool fixed = !settings.autoScale && std::isfinite(settings.minimum) &&
                       std::isfinite(settings.maximum) && settings.maximum > settings.minimum;
    if (fixed && values.low >= settings.minimum && values.high <= settings.maximum)
        return fixedScale(settings.minimum, settings.maximum, intervals);
    if (fixed) {
        values.low = std::min(values.low, settings.minimum);
        values.high = std::max(values.high, settings.maximum);
    }
    return automaticScale(values.low, values.high, intervals);
}

// Tick labels in the user's number format, with the digits that tell them apart.
QStringList ChartControl::tickLabels(const AxisScale &scale) const
{
    QStringList labels;
    for (double tick : scale.ticks)
        labels.append(generalNumber(tick, locale(), scale.digits));
    return labels;
}

void ChartControl::applyScale(AxisId id, const AxisScale &scale)
{
    QCategoryAxis *axis = m_axisItems[id];
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    m_unitPowers[id] = scale.unitPower;
    const double minimum = std::ldexp(scale.minimum, scale.unitPower);
    const double maximum = std::ldexp(scale.maximum, scale.unitPower);
    // Qt Charts takes a range as unchanged when it is close to the one before
    // (and any end within 1e-12 of 0 as 0): passing through a range far from
    // the new one makes it take every range exactly.
    axis->setRange(minimum < -1 ? -0.5 : -2, maximum > 1 ? 0.5 : 2);
    axis->setStartValue(minimum);
    axis->setRange(minimum, maximum);
    const QStringList labels = tickLabels(scale);
    for (qsizetype k = 0; k < labels.size(); ++k)
        axis->append(labels[k], std::ldexp(scale.ticks[size_t(k)], scale.unitPower));
}

// A plot that changed size after drawing (a window shown for the first time)
// gets its X axis fitted again and its curves thinned for the new size. The
// signal comes queued, so the plot area it carried may be gone by now.
void ChartControl::plotAreaChanged()
{
    const QRectF plotArea = chart()->plotArea();
    centreNoValue();
    if (fitXAxis(plotArea) || plotArea.size() != m_placedFor) placeCurves();
}

// The line that says there is no value keeps to the middle of the plot.
void ChartControl::centreNoValue()
{
    m_noValue->setPos(chart()->plotArea().center() - m_noValue->boundingRect().center());
}

// Once the chart knows its plot area, an X axis whose labels do not fit side
// by side gets fewer ticks.
bool ChartControl::fitXAxis(const QRectF &plotArea)
{
    const QStringList labels = m_axisItems[X]->categoriesLabels();
    if (fitSideBySide(labels, plotArea.width())) return false;
    // A plot too narrow for even two labels keeps them, rather than setting
    // the same scale again, which lays the chart out and calls this again.
    const AxisScale scale = fittedScale(X, m_values[X], plotArea.width());
    if (tickLabels(scale) == labels) return false;
    applyScale(X, scale);
    return true;
}

// With no point to draw, the plot area says why, and the axes carry no made-up numbers.
void ChartControl::showNoValue(bool shown)
{
    m_noValue->setText(m_noValueText);
    m_noValue->setFont(m_titleFont);
    m_noValue->setVisible(shown);
    for (QCategoryAxis *axis : m_axisItems) {
        axis->setGridLineVisible(!shown);
        // A blank label keeps the axis as wide as with numbers, and its title on one line.
        if (shown) axis->append(QStringLiteral("    "), axis->max());
    }
    setAccessibleDescription(shown && !m_noValueText.isEmpty()
                                 ? m_noValueText + (m_usage.isEmpty() ? QString() : u'\n' + m_usage)
                                 : m_usage);
}

void ChartControl::mouseReleaseEvent(QMouseEvent *event)
{
    QChartView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// The keyboard's way to click the chart; the arrow keys move the read-out.
void ChartControl::keyPressEvent(QKeyEvent *event)
{
    if (m_readout->handleKey(event)) return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        return;
    default:
        QChartView::keyPressEvent(event);
    }
}

void ChartControl::mouseMoveEvent(QMouseEvent *event)
{
    QChartView::mouseMoveEvent(event);
    m_readout->pointAt(event->position());
}

void ChartControl::leaveEvent(QEvent *event)
{
    QChartView::leaveEvent(event);
    m_readout->hide();
}

void ChartControl::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->open(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                             : mapToGlobal(rect().center()));
}

void ChartControl::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    m_readout->paint(*painter);
}
