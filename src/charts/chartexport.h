#pragma once

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

/*
 * Writes the chart to a file, as SVG when the name ends in .svg and as PNG
 * otherwise (at the given scale). The file is written in one piece: an
 * existing file of that name is replaced only once the new one is complete.
 * On failure *problem says why, for the user.
 */
bool writeChart(const DrawnChart &chart, double scale, const QString &fileName, QString *problem);
