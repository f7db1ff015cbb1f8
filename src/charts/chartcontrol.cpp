#include "charts/chartcontrol.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>

#include "model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace
{

// The round step nearest above a rough one: 1, 2 or 5 times a power of ten.
double niceStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    return (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * power;
}

} // namespace

ChartControl::ChartControl(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    chart()->setBackgroundRoundness(0);
    chart()->setMargins(QMargins(4, 8, 14, 4));
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    for (AxisId id : {X, Y}) {
        m_axisItems[id] = new QCategoryAxis;
        m_axisItems[id]->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        chart()->addAxis(m_axisItems[id], id == X ? Qt::AlignBottom : Qt::AlignLeft);
    }
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

void ChartControl::refresh()
{
    QChart *c = chart();
    c->setTitle(m_title);
    c->setTitleFont(m_titleFont);
    c->legend()->setVisible(m_showLegend);
    c->legend()->setAlignment(m_legendLocation == LocationRight ? Qt::AlignRight : Qt::AlignBottom);

    std::vector<QList<QPointF>> curves;
    for (int k = 1; 2 * k <= m_columns; ++k) {
        QList<QPointF> points;
        points.reserve(m_rows);
        for (int row = 1; row <= m_rows; ++row) {
            const QPointF p(cell(row, 2 * k - 1), cell(row, 2 * k));
            if (std::isfinite(p.x()) && std::isfinite(p.y())) points.append(p);
        }
        curves.push_back(std::move(points));
    }
    setUpAxis(X, curves);
    setUpAxis(Y, curves);

    // The series objects stay from one chart to the next; only their points change.
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
        }
        m_series[k]->setName(m_labels[2 * k]);
        m_series[k]->replace(curves[k]);
    }
}

// A linear axis over the range of the curves, widened to round numbers, or
// over the fixed range when it is a proper one. The tick labels are written
// in the user's number format, like every number on the screen.
void ChartControl::setUpAxis(AxisId id, const std::vector<QList<QPointF>> &curves)
{
    const Axis &settings = m_axes[id];
    QCategoryAxis *axis = m_axisItems[id];
    axis->setTitleText(settings.title);
    axis->setTitleFont(settings.titleFont);
    axis->setTitleVisible(settings.titleVisible);
    if (settings.blackMajorGrid) axis->setGridLinePen(QPen(Qt::black, 1, Qt::SolidLine));

    const bool fixed = !settings.autoScale && std::isfinite(settings.minimum) &&
                       std::isfinite(settings.maximum) && settings.maximum > settings.minimum;
    double low = settings.minimum, high = settings.maximum;
    if (!fixed) {
        low = INFINITY, high = -INFINITY;
        for (const auto &curve : curves)
            for (const QPointF &p : curve) {
                const double v = id == X ? p.x() : p.y();
                low = std::min(low, v);
                high = std::max(high, v);
            }
        if (low > high) low = 0, high = 1;
        if (low == high) {
            const double margin = low == 0 ? 1 : std::abs(low) * 0.1;
            low -= margin, high += margin;
        }
    }
    const double step = niceStep((high - low) / 5);
    const bool ticks = std::isfinite(step) && step > 0;
    if (ticks && !fixed) {
        low = std::floor(low / step) * step;
        high = std::ceil(high / step) * step;
    }

    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    axis->setStartValue(low);
    axis->setRange(low, high);
    const double first = std::ceil(low / step) * step;
    for (int k = 0; ticks && k <= 20; ++k) {
        const double tick = first + k * step;
        if (tick > high + step * 1e-9) break;
        const double shown = std::abs(tick) < step * 1e-9 ? 0.0 : tick;
        axis->append(generalNumber(shown, locale()), shown);
    }
}

void ChartControl::mouseReleaseEvent(QMouseEvent *event)
{
    QChartView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// The keyboard's way to click the chart.
void ChartControl::keyPressEvent(QKeyEvent *event)
{
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
