#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QChartView;

// The chart as an image twice its on-screen pixel size, on white.
QImage chartImage(QChartView &chart);

// The chart's file in memory: SVG (vector, its texts as text) or PNG (twice
// the on-screen size).
enum class ChartFormat { Png, Svg };
QByteArray chartFile(QChartView &chart, ChartFormat format);

// The format a file name asks for: SVG when it ends in .svg, PNG otherwise.
ChartFormat chartFormatOf(const QByteArray &fileName);

/*
 * Writes the chart to a file in the format its name asks for. The whole
 * image is made in memory first and then written whole or not at all
 * (model/filewrite.h), so that a failed write never leaves half an image.
 * On failure *problem says why, for the user.
 */
bool writeChart(QChartView &chart, const QByteArray &fileName, QString *problem);
