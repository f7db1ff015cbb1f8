#include "charts/chartreadout.h"

#include "charts/chartcontrol.h"
#include "model/numbertext.h"
#include "widgets/announce.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <ranges>

namespace
{

constexpr double Padding = 6;
using ChartMetrics::MarkerRadius;

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

ChartReadout::ChartReadout(ChartControl *chart) : QObject(chart), m_chart(chart) {}

/*
 * x runs one way along the rows (t rises; N(t) rises for r > 0 and falls for
 * r < 0), so the nearest step is found by halving: the first row at or past
 * x in the direction of the curve, or the row before it if that lies nearer.
 */
int ChartReadout::nearestRow(double x) const
{
    const int rows = steps();
    const auto at = [this](int row) { return xAt(row); };
    const bool rising = at(rows) >= at(1);
    const auto range = std::views::iota(1, rows + 1);
    const auto past = std::ranges::partition_point(
        range, [&](int row) { return rising ? at(row) < x : at(row) > x; });
    if (past == range.end()) return rows;
    const int row = *past;
    return row > 1 && std::abs(at(row - 1) - x) <= std::abs(at(row) - x) ? row - 1 : row;
}

void ChartReadout::pointAt(QPointF position)
{
    const DrawnChart &drawn = m_chart->drawn();
    if (steps() == 0 || !drawn.numbered || !drawn.plot.contains(position)) {
        hide();
        return;
    }
    const int row = nearestRow(drawn.xValue(position.x()));
    if (row != m_row) select(row);
}

bool ChartReadout::handleKey(QKeyEvent *event)
{
    const int rows = steps();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (rows == 0 || !plain) return false;
    int row = m_row;
    switch (event->key()) {
    case Qt::Key_Left:
        row = m_row == 0 ? rows : std::max(m_row - 1, 1);
        break;
    case Qt::Key_Right:
        row = m_row == 0 ? 1 : std::min(m_row + 1, rows);
        break;
    case Qt::Key_PageUp:
        row = m_row == 0 ? rows : std::max(m_row - std::max(rows / 10, 1), 1);
        break;
    case Qt::Key_PageDown:
        row = m_row == 0 ? 1 : std::min(m_row + std::max(rows / 10, 1), rows);
        break;
    case Qt::Key_Home:
        row = 1;
        break;
    case Qt::Key_End:
        row = rows;
        break;
    case Qt::Key_Escape:
        if (m_row == 0) return false;
        hide();
        return true;
    default:
        return false;
    }
    select(row);
    return true;
}

// Marks the row; a screen reader speaks its values at once ("t = 10, N(t) =
// 200.86"), and finds them in the chart's description.
void ChartReadout::select(int row)
{
    if (m_row == 0) m_restingDescription = m_chart->accessibleDescription();
    m_row = row;
    const QString values = text();
    m_chart->setAccessibleDescription(values);
    QAccessibleEvent changed(m_chart, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    const QString between = m_chart->locale().decimalPoint() == u',' ? QStringLiteral("; ")
                                                                       : QStringLiteral(", ");
    announce(m_chart, QString(values).replace(u'\n', between));
    m_chart->update();
}

void ChartReadout::hide()
{
    if (m_row == 0) return;
    m_row = 0;
    m_chart->setAccessibleDescription(m_restingDescription);
    m_chart->update();
}

// In the plot's upper corner away from the marked step, where it covers
// the fewest marks.
QRectF ChartReadout::box() const
{
    if (m_row == 0) return {};
    const DrawnChart &drawn = m_chart->drawn();
    const QFontMetricsF metrics(drawn.legendFont, m_chart);
    const QSizeF size = metrics.size(0, text()) + QSizeF(2 * Padding, 2 * Padding);
    const double x = drawn.position(QPointF(xAt(m_row), 0)).x();
    const QRectF plot = drawn.plot.adjusted(Padding, Padding, -Padding, -Padding);
    QRectF box(QPointF(), size);
    if (x > drawn.plot.center().x() || size.width() > plot.width())
        box.moveTopLeft(plot.topLeft());
    else
        box.moveTopRight(plot.topRight());
    // A box larger than the plot reaches beyond it where no tick label stands:
    // to the right (over the legend, at worst) and upwards (over the title),
    // and left over the Y labels only where the chart ends.
    box.moveBottom(std::min(box.bottom(), plot.bottom()));
    box.moveTop(std::max(box.top(), 0.0));
    box.moveRight(std::min(box.right(), drawn.size.width() - 1));
    box.moveLeft(std::max(box.left(), 0.0));
    return box;
}

void ChartReadout::paint(QPainter &painter) const
{
    if (m_row == 0) return;
    const DrawnChart &drawn = m_chart->drawn();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    const int t = m_row - 1;
    for (const ContentCurve &curve : m_chart->content().curves)
        if (const QPointF *p = pointAt(curve, t, xAt(m_row)))
            painter.drawEllipse(drawn.position(*p), MarkerRadius, MarkerRadius);
    const QRectF at = box();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(at);
    painter.setFont(drawn.legendFont);
    painter.drawText(at.adjusted(Padding, Padding, -Padding, -Padding), Qt::AlignLeft, text());
    painter.restore();
}

QString ChartReadout::number(double x, double scale) const
{
    return readoutNumber(x, scale, m_chart->locale());
}

// A curve's point at step t, whose x is x; a class's observations hold one
// where a count was taken at that time.
const QPointF *ChartReadout::pointAt(const ContentCurve &curve, int t, double x)
{
    if (curve.markers) {
        const auto found = std::find_if(curve.points.begin(), curve.points.end(),
                                        [x](QPointF p) { return p.x() == x && finite(p); });
        return found == curve.points.end() ? nullptr : &*found;
    }
    return t < curve.points.size() && finite(curve.points[t]) ? &curve.points[t] : nullptr;
}

// The steps of the current run's first curve, whose x the read-out follows.
const ContentCurve *ChartReadout::currentCurve() const
{
    for (const ContentCurve &curve : m_chart->content().curves)
        if (curve.current) return &curve;
    return nullptr;
}

int ChartReadout::steps() const
{
    const ContentCurve *curve = currentCurve();
    return curve ? int(curve->points.size()) : 0;
}

double ChartReadout::xAt(int row) const
{
    return currentCurve()->points[row - 1].x();
}

// A kept run's x and y beside its name, set apart by "; " where numbers have
// a decimal comma.
QString ChartReadout::keptValues() const
{
    if (m_chart->locale().decimalPoint() == u',')
        //: A kept run's values where numbers are written with a decimal comma: its name, x's
        //: name, x, y's name, y
        return tr("%1: %2 = %3; %4 = %5");
    //: A kept run's values: its name, x's name, x, y's name, y
    return tr("%1: %2 = %3, %4 = %5");
}

// Every curve drawn at the step in the legend's order, each named as there;
// a kept run's x, where it differs from the current run's, beside its y.
QString ChartReadout::text() const
{
    if (m_row == 0) return {};
    const int t = m_row - 1;
    const double x = xAt(m_row);
    const QString &xName = m_settings.xName;
    const QString yName = m_chart->axis(ChartControl::Y).title;
    //: Read-out line: a variable's name and its value ("t = 5")
    QStringList lines{tr("%1 = %2").arg(xName, number(x, 100))};
    for (const ContentCurve &curve : m_chart->content().curves) {
        const QPointF *at = pointAt(curve, t, x);
        if (!at || (!curve.current && curve.name.isEmpty())) continue;
        const QPointF p = *at;
        const QString value = number(p.y(), m_settings.yScale);
        if (curve.name.isEmpty())
            lines << tr("%1 = %2").arg(yName, value);
        else if (p.x() != x)
            lines << keptValues().arg(curve.name, xName, number(p.x(), 100), yName, value);
        else
            lines << tr("%1: %2 = %3").arg(curve.name, yName, value);
    }
    const double r = m_settings.growthRate;
    if (r != 0) {
        const QString time = number(std::log(2.0) / std::abs(r), 100);
        lines << (r > 0 ? tr("Doubling time ln 2 / r = %1") : tr("Halving time ln 2 / |r| = %1"))
                     .arg(time);
    }
    return lines.join(u'\n');
}
