#include "charts/chartexport.h"

#include "charts/chartpainter.h"
#include "charts/drawnchart.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

QImage chartImage(const DrawnChart &chart, double scale)
{
    QImage image((chart.size * scale).toSize(), QImage::Format_RGB32);
    // Its texts measured as on the chart's own screen, then scaled with everything else.
    const int dotsPerMeter = int(std::lround(chart.dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintChart(painter, chart);
    return image;
}

QByteArray chartPng(const DrawnChart &chart, double scale)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return chartImage(chart, scale).save(&buffer, "PNG") ? bytes : QByteArray();
}

// At the resolution the chart's fonts were measured for, their sizes in
// points become the sizes in pixels they have on the chart.
QByteArray chartSvg(const DrawnChart &chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(chart.dpi);
    svg.setSize(chart.size.toSize());
    svg.setViewBox(QRectF(QPointF(), chart.size));
    svg.setTitle(chart.title.text);
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    paintChart(painter, chart);
    return painter.end() ? bytes : QByteArray();
}

bool writeChart(const DrawnChart &chart, double scale, const QString &fileName, QString *problem)
{
    const bool svg = QFileInfo(fileName).suffix().compare(u"svg", Qt::CaseInsensitive) == 0;
    const QByteArray bytes = svg ? chartSvg(chart) : chartPng(chart, scale);
    QSaveFile file(fileName);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
        file.commit())
        return true;
    *problem = QCoreApplication::translate("ChartExport", "Cannot write %1: %2")
                   .arg(QDir::toNativeSeparators(fileName), file.errorString());
    return false;
}
