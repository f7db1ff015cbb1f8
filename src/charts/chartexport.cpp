#include "charts/chartexport.h"

#include "model/filewrite.h"

#include <QBuffer>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>

namespace
{

// The chart's scene, drawn whole onto the painter's target.
void renderChart(QChartView &chart, QPainter &painter, const QRectF &target)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(target, Qt::white);
    chart.scene()->render(&painter, target,
                          chart.mapToScene(chart.viewport()->rect()).boundingRect());
}

QByteArray svgFile(QChartView &chart)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QSize size = chart.viewport()->size();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(chart.chart()->title());
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    renderChart(chart, painter, QRectF(QPointF(), size));
    return painter.end() ? buffer.data() : QByteArray();
}

QByteArray pngFile(QChartView &chart)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return chartImage(chart).save(&buffer, "PNG") ? buffer.data() : QByteArray();
}

} // namespace

QImage chartImage(QChartView &chart)
{
    const QSize size = (QSizeF(chart.viewport()->size()) * chart.devicePixelRatioF() * 2).toSize();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    renderChart(chart, painter, QRectF(image.rect()));
    return image;
}

QByteArray chartFile(QChartView &chart, ChartFormat format)
{
    return format == ChartFormat::Svg ? svgFile(chart) : pngFile(chart);
}

ChartFormat chartFormatOf(const QByteArray &fileName)
{
    return fileName.toLower().endsWith(".svg") ? ChartFormat::Svg : ChartFormat::Png;
}

bool writeChart(QChartView &chart, const QByteArray &fileName, QString *problem)
{
    const QByteArray bytes = chartFile(chart, chartFormatOf(fileName));
    QString reason;
    if (bytes.isEmpty())
        //: Why a chart's image could not be saved: drawing it failed (out of memory).
        reason = QCoreApplication::translate("ChartExport", "the image could not be made");
    else if (writeFile(fileName, bytes, &reason))
        return true;
    *problem = QCoreApplication::translate("ChartExport", "Cannot write %1: %2")
                   .arg(QDir::toNativeSeparators(displayName(fileName)), reason);
    return false;
}
