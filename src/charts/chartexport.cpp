#include "charts/chartexport.h"

#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>
#include <QSaveFile>
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

bool writeSvg(QChartView &chart, QSaveFile &file)
{
    const QSize size = chart.viewport()->size();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(chart.chart()->title());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    renderChart(chart, painter, QRectF(QPointF(), size));
    return painter.end();
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

bool writeChart(QChartView &chart, const QString &fileName, QString *problem)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        const bool drawn = QFileInfo(fileName).suffix().compare(u"svg", Qt::CaseInsensitive) == 0
                               ? writeSvg(chart, file)
                               : chartImage(chart).save(&file, "PNG");
        if (drawn && file.commit()) return true;
    }
    *problem = QCoreApplication::translate("ChartExport", "Cannot write %1: %2")
                   .arg(QDir::toNativeSeparators(fileName), file.errorString());
    return false;
}
