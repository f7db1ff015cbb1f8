#pragma once

class QPainter;
struct DrawnChart;

/*
 * Paints a laid-out chart: the one drawing of the screen, the clipboard, the
 * PNG and the SVG. The painter may be scaled (a copy at twice the size, a
 * screen's device pixel ratio); texts stay texts for a vector device.
 */
void paintChart(QPainter &painter, const DrawnChart &chart);
