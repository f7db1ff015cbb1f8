#include "charts/chartreadout.h"

#include "charts/chartcontrol.h"
#include "model/numbertext.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <ranges>

ChartReadout::ChartReadout(ChartControl *chart) : QObject(chart), m_chart(chart) {}

/*
 * x runs one way along the rows (t rises; N(t) rises for r > 0 and falls for
 * r < 0), so the nearest step is found by halving: the first row at or past
 * x in the direction of the curve, or the row before it if that lies nearer.
 */
int ChartReadout::nearestRow(double x) const
{
    const int rows = m_chart->rowCount();
    const auto at = [this](int row) { return m_chart->cell(row, 1); };
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
    if (m_chart->rowCount() == 0 || m_chart->columnCount() == 0) return;
    select(nearestRow(m_chart->xValueAt(position)));
    QToolTip::showText(m_chart->viewport()->mapToGlobal(position.toPoint()), text(), m_chart);
}

bool ChartReadout::handleKey(QKeyEvent *event)
{
    const int rows = m_chart->rowCount();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (rows == 0 || m_chart->columnCount() == 0 || !plain) return false;
    int row = m_row;
    switch (event->key()) {
    case Qt::Key_Left:
        row = m_row == 0 ? rows : std::max(m_row - 1, 1);
        break;
    case Qt::Key_Right:
        row = m_row == 0 ? 1 : std::min(m_row + 1, rows);
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
    const QPoint marker = m_chart->mapFromScene(markerAt(0));
    QToolTip::showText(m_chart->viewport()->mapToGlobal(marker + QPoint(8, 8)), text(), m_chart);
    return true;
}

// Marks the row; a screen reader hears its values as the chart's description.
void ChartReadout::select(int row)
{
    if (m_row == 0) m_restingDescription = m_chart->accessibleDescription();
    m_row = row;
    m_chart->setAccessibleDescription(text());
    QAccessibleEvent changed(m_chart, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    m_chart->viewport()->update();
}

void ChartReadout::hide()
{
    if (m_row == 0) return;
    m_row = 0;
    m_chart->setAccessibleDescription(m_restingDescription);
    QToolTip::hideText();
    m_chart->viewport()->update();
}

// Where curve k's point of the marked step is drawn, in scene coordinates.
QPointF ChartReadout::markerAt(int curve) const
{
    const QPointF value(m_chart->cell(m_row, 2 * curve + 1), m_chart->cell(m_row, 2 * curve + 2));
    return m_chart->scenePosition(value);
}

void ChartReadout::paint(QPainter &painter) const
{
    if (m_row == 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    for (int k = 0; 2 * k < m_chart->columnCount(); ++k) {
        const QPointF at = markerAt(k);
        if (std::isfinite(at.x()) && std::isfinite(at.y())) painter.drawEllipse(at, 4, 4);
    }
    painter.restore();
}

QString ChartReadout::number(double x, double scale) const
{
    return generalNumber(roundToPlaces(x, scale), m_chart->locale());
}

QString ChartReadout::text() const
{
    if (m_row == 0) return {};
    const int curves = m_chart->columnCount() / 2;
    const QString yName = m_chart->axis(ChartControl::Y).title;
    QStringList lines{tr("%1 = %2").arg(m_settings.xName, number(m_chart->cell(m_row, 1), 100))};
    for (int k = 0; k < curves; ++k) {
        const double y = m_chart->cell(m_row, 2 * k + 2);
        if (!std::isfinite(y)) continue;
        const QString value = number(y, m_settings.yScale);
        lines << (curves == 1
                      ? tr("%1 = %2").arg(yName, value)
                      : tr("%1: %2 = %3").arg(m_chart->columnLabel(2 * k + 1), yName, value));
    }
    const double r = m_settings.growthRate;
    if (r != 0) {
        const QString time = number(std::log(2.0) / std::abs(r), 100);
        lines << (r > 0 ? tr("Doubling time ln 2 / r = %1") : tr("Halving time ln 2 / |r| = %1"))
                     .arg(time);
    }
    return lines.join(u'\n');
}
