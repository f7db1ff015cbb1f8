#pragma once

#include <QImage>
#include <QString>

class QChartView;

// The chart as an image twice its on-screen pixel size, on white.
QImage chartImage(QChartView &chart);

/*
 * Writes the chart to a file, as SVG when the name ends in .svg (vector, its
 * texts as text) and as PNG otherwise (twice the on-screen size). The file is
 * written in one piece: an existing file of that name is replaced only once
 * the new one is complete. On failure *problem says why, for the user.
 */
bool writeChart(QChartView &chart, const QString &fileName, QString *problem);
