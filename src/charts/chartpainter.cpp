#include "charts/chartpainter.h"

#include "charts/drawnchart.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace
{

using ChartMetrics::MarkerRadius;
using ChartMetrics::TickLength;
const QColor AxisColour(0x40, 0x40, 0x40);
const QColor XGridColour(0xd0, 0xd0, 0xd0);

// Lines of one pixel on pixel centres stay sharp, at twice the size too.
double crisp(double at)
{
    return std::floor(at) + 0.5;
}

// The layout measured each text once and made its rectangle just as wide
// and high: the text is written from the rectangle's top left, on the
// baseline one ascent down, without being laid out again in a rectangle.
double ascentOf(const QPainter &painter)
{
    return QFontMetricsF(painter.font(), painter.device()).ascent();
}

void writeAt(QPainter &painter, const QRectF &rect, double ascent, const QString &text)
{
    painter.drawText(QPointF(rect.left(), rect.top() + ascent), text);
}

void paintText(QPainter &painter, const DrawnText &text)
{
    if (text.text.isEmpty()) return;
    painter.setFont(text.font);
    const double ascent = ascentOf(painter);
    if (!text.vertical) {
        writeAt(painter, text.rect, ascent, text.text);
        return;
    }
    painter.save();
    painter.translate(text.rect.center());
    painter.rotate(-90);
    const QRectF upright(-text.rect.height() / 2, -text.rect.width() / 2, text.rect.height(),
                         text.rect.width());
    writeAt(painter, upright, ascent, text.text);
    painter.restore();
}

// A line of one pixel along an axis, from its ends' pixel centres, as the
// filled pixels a square-ended pen would draw.
QRectF pixelLine(QPointF from, QPointF to)
{
    return QRectF(from, to).normalized().adjusted(-0.5, -0.5, 0.5, 0.5);
}

void fillLines(QPainter &painter, const QList<QRectF> &lines, const QColor &colour)
{
    for (const QRectF &line : lines)
        painter.fillRect(line, colour);
}

// The grid: a black solid line at each Y tick where the chart asks for it,
// light ones at the X ticks; then the axes with their ticks outside. Lines
// along the axes on pixel centres are sharp without antialiasing, which would
// cost more than the rest of the chart; they are filled as rectangles of
// pixels, many times faster than lines are drawn.
void paintAxes(QPainter &painter, const DrawnChart &chart)
{
    const QRectF plot(QPointF(crisp(chart.plot.left()), crisp(chart.plot.top())),
                      QPointF(crisp(chart.plot.right()), crisp(chart.plot.bottom())));
    const DrawnAxis &x = chart.axes[DrawnChart::X], &y = chart.axes[DrawnChart::Y];
    QList<QRectF> lines;
    lines.reserve(32);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (chart.numbered) {
        for (const DrawnTick &tick : x.ticks)
            lines.append(pixelLine({crisp(tick.at), plot.top()}, {crisp(tick.at), plot.bottom()}));
        fillLines(painter, lines, XGridColour);
        lines.clear();
        for (const DrawnTick &tick : y.ticks)
            lines.append(pixelLine({plot.left(), crisp(tick.at)}, {plot.right(), crisp(tick.at)}));
        fillLines(painter, lines, chart.blackYGrid ? QColor(Qt::black) : XGridColour);
        lines.clear();
    }
    lines.append(pixelLine(plot.bottomLeft(), plot.bottomRight()));
    lines.append(pixelLine(plot.bottomLeft(), plot.topLeft()));
    for (const DrawnTick &tick : x.ticks)
        lines.append(pixelLine({crisp(tick.at), plot.bottom()},
                               {crisp(tick.at), plot.bottom() + TickLength}));
    for (const DrawnTick &tick : y.ticks)
        lines.append(
            pixelLine({plot.left() - TickLength, crisp(tick.at)}, {plot.left(), crisp(tick.at)}));
    fillLines(painter, lines, AxisColour);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(chart.tickFont);
    const double ascent = ascentOf(painter);
    for (const DrawnAxis *axis : {&x, &y})
        for (const DrawnTick &tick : axis->ticks)
            if (!tick.text.isEmpty()) writeAt(painter, tick.rect, ascent, tick.text);
}

void paintMarker(QPainter &painter, const QPen &pen, QPointF at)
{
    painter.setPen(QPen(pen.color(), 1));
    painter.setBrush(pen.color());
    painter.drawEllipse(at, MarkerRadius, MarkerRadius);
    painter.setBrush(Qt::NoBrush);
}

void paintCurves(QPainter &painter, const DrawnChart &chart)
{
    painter.save();
    painter.setClipRect(
        chart.plot.adjusted(-MarkerRadius, -MarkerRadius, MarkerRadius, MarkerRadius));
    const bool raster = painter.paintEngine()->type() == QPaintEngine::Raster;
    QList<QLineF> segments;
    for (const DrawnCurve &curve : chart.curves) {
        if (curve.markers) {
            for (const QPointF &p : curve.points)
                paintMarker(painter, curve.pen, p);
            continue;
        }
        if (raster && curve.points.size() == 2 && curve.pen.style() == Qt::SolidLine) {
            // A straight curve (ln N(t), N(t + 1) against N(t)) is one line:
            // with square ends rather than round ones, the raster engine draws
            // it as a line at a tenth of the cost of a stroked outline. Its ends
            // differ by a few corner pixels, on the plot's edges.
            QPen pen = curve.pen;
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(curve.points[0], curve.points[1]);
            continue;
        }
        painter.setPen(curve.pen);
        if (!raster || curve.pen.style() == Qt::SolidLine) {
            painter.drawPolyline(curve.points.constData(), int(curve.points.size()));
            continue;
        }
        // Qt's raster engine dashes separate lines with one pattern running on
        // across them many times faster than a dashed polyline; at a kept
        // run's width the joins look the same. (Separate lines of a wide solid
        // pen would be faster still, but their ends overlap and darken the
        // antialiased edge at every join.)
        segments.clear();
        for (qsizetype k = 1; k < curve.points.size(); ++k)
            segments.append(QLineF(curve.points[k - 1], curve.points[k]));
        painter.drawLines(segments.constData(), int(segments.size()));
    }
    painter.restore();
}

void paintLegend(QPainter &painter, const DrawnChart &chart)
{
    if (chart.legend.empty()) return;
    painter.setPen(QPen(AxisColour, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(chart.legendBox);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(chart.legendFont);
    const double ascent = ascentOf(painter);
    for (const LegendEntry &entry : chart.legend) {
        const double lineHeight =
            entry.rect.height() / double(std::max<qsizetype>(entry.lines.size(), 1));
        const double y = entry.rect.top() + lineHeight / 2;
        const double right = entry.rect.left() - 4, left = chart.legendBox.left() + 4;
        if (entry.marker) {
            paintMarker(painter, entry.pen, QPointF((left + right) / 2, y));
        } else {
            painter.setPen(entry.pen);
            painter.drawLine(QPointF(left, y), QPointF(right, y));
        }
        painter.setPen(Qt::black);
        for (qsizetype k = 0; k < entry.lines.size(); ++k)
            writeAt(painter, entry.rect.translated(0, lineHeight * double(k)), ascent,
                    entry.lines[k]);
    }
}

} // namespace

void paintChart(QPainter &painter, const DrawnChart &chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(), chart.size), Qt::white);
    paintAxes(painter, chart);
    paintCurves(painter, chart);
    painter.setPen(Qt::black);
    paintText(painter, chart.title);
    paintText(painter, chart.axes[DrawnChart::X].title);
    paintText(painter, chart.axes[DrawnChart::Y].title);
    paintLegend(painter, chart);
    if (chart.noValueOverCurves)
        painter.fillRect(chart.noValue.rect.adjusted(-4, -2, 4, 2), Qt::white);
    painter.setPen(Qt::black);
    paintText(painter, chart.noValue);
    painter.restore();
}
