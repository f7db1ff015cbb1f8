#include "charts/chartexport.h"

#include "charts/chartpainter.h"
#include "charts/drawnchart.h"
#include "model/filewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <zlib.h>

namespace
{

void appendBigEndian(QByteArray &out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char(value >> shift));
}

void appendChunk(QByteArray &png, const char *type, QByteArrayView data)
{
    appendBigEndian(png, quint32(data.size()));
    const qsizetype start = png.size();
    png.append(type, 4).append(data);
    // Each chunk ends in the CRC-32 of its type and data.
    const auto *bytes = reinterpret_cast<const Bytef *>(png.constData() + start);
    appendBigEndian(png, quint32(crc32_z(0, bytes, size_t(png.size() - start))));
}

/*
 * The image as an 8-bit RGB PNG. A chart is white for the most part, with
 * thin lines and text, which zlib packs as well with no row filter as with
 * the filters that a general PNG writer tries on every row, and nearly as
 * well at its fast level 3 as at its default 6, in half the time: zlib is
 * most of an export's time.
 */
QByteArray pngOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32); // as drawn: no copy
    const int width = rgb.width(), height = rgb.height();
    const qsizetype row = qsizetype(width) * 3;
    QByteArray pixels((row + 1) * height, Qt::Uninitialized);
    char *out = pixels.data();
    for (int y = 0; y < height; ++y) {
        *out++ = 0; // the row's filter: none
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            *out++ = char(qRed(in[x]));
            *out++ = char(qGreen(in[x]));
            *out++ = char(qBlue(in[x]));
        }
    }
    // A zlib stream behind its length in four bytes, which a PNG leaves out.
    const QByteArray packed = qCompress(pixels, 3);
    if (rgb.isNull() || packed.size() <= 4) return {};
    QByteArray header;
    appendBigEndian(header, quint32(width));
    appendBigEndian(header, quint32(height));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", QByteArrayView(packed).sliced(4));
    appendChunk(png, "IEND", {});
    return png;
}

} // namespace

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
    return pngOf(chartImage(chart, scale));
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

ChartFormat chartFormatOf(const QByteArray &fileName)
{
    return fileName.toLower().endsWith(".svg") ? ChartFormat::Svg : ChartFormat::Png;
}

QByteArray chartFile(const DrawnChart &chart, double scale, ChartFormat format)
{
    return format == ChartFormat::Svg ? chartSvg(chart) : chartPng(chart, scale);
}

bool writeChart(const DrawnChart &chart, double scale, const QByteArray &fileName, QString *problem,
                const Waiting &waiting)
{
    const QByteArray bytes = chartFile(chart, scale, chartFormatOf(fileName));
    QString reason;
    if (bytes.isEmpty())
        //: Why a chart's image could not be saved: drawing it failed (out of memory).
        reason = QCoreApplication::translate("ChartExport", "the image could not be made");
    else if (writeFile(fileName, bytes, &reason, waiting))
        return true;
    *problem = QCoreApplication::translate("ChartExport", "Cannot write %1: %2")
                   .arg(QDir::toNativeSeparators(displayName(fileName)), reason);
    return false;
}
