#pragma once

#include <QPen>

#include <cstddef>

/*
 * The pens of the curves. Each model keeps its colour in every chart: the
 * differential form blue, the difference form green, the line y = x grey.
 * The current run is drawn solid and wide; a kept run thinner, in a muted
 * colour of its own and a dash pattern of its own, so that the runs stay
 * apart in greyscale too. Every colour stands out from the white plot by at
 * least 3:1.
 */
enum class CurveKind { Differential, Difference, Reference };

QPen currentRunPen(CurveKind kind);
// A class's observations, drawn as markers, and the curve fitted to them:
// dark orange, 4.6:1 on white, the fitted curve dash-dotted.
QPen observedPen();
QPen fittedPen();
QPen keptRunPen(std::size_t run, std::size_t curve);
