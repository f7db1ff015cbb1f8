#pragma once

#include "model/filewrite.h"

#include <QByteArray>
#include <QImage>
#include <QString>

struct DrawnChart;

// The chart as an image `scale` times its size in pixels, on white: twice its
// on-screen pixel size for a copy (scale 2 times the device pixel ratio).
QImage chartImage(const DrawnChart &chart, double scale);

// The chart as a PNG file's bytes (chartImage at that scale), or as an SVG
// file's: vector, its texts as text at their size relative to the chart.
QByteArray chartPng(const DrawnChart &chart, double scale);
QByteArray chartSvg(const DrawnChart &chart);

// The format a file name asks for: SVG when it ends in .svg, PNG otherwise;
// and the chart's file in that format, in memory.
enum class ChartFormat { Png, Svg };
ChartFormat chartFormatOf(const QByteArray &fileName);
QByteArray chartFile(const DrawnChart &chart, double scale, ChartFormat format);

/*
 * Writes the chart to a file in the format its name asks for (a PNG at the
 * given scale). The whole image is made in memory first and then written
 * whole or not at all (model/filewrite.h), so that a failed write never
 * leaves half an image; a FIFO or a device waits for its reader through
 * `waiting` where one is given. On failure *problem says why, for the user.
 */
bool writeChart(const DrawnChart &chart, double scale, const QByteArray &fileName, QString *problem,
                const Waiting &waiting = {});
