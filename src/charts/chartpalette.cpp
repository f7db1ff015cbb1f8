#include "charts/chartpalette.h"

#include "model/keptruns.h"

#include <iterator>

namespace
{

constexpr double CurrentWidth = 2.5;
constexpr double KeptWidth = 1.5;

// Contrast on white: 5.1, 4.3 and 6.2 to 1.
const QColor ModelColour[] = {QColor(0x1f, 0x6f, 0xc5), QColor(0x3a, 0x8a, 0x3f),
                              QColor(0x61, 0x61, 0x61)};

// Contrast on white: 5.0, 4.9, 4.5 and 5.2 to 1.
const QColor Muted[KeptRuns::Capacity] = {QColor(0x5b, 0x70, 0x90), QColor(0xa0, 0x60, 0x4a),
                                          QColor(0x5e, 0x7f, 0x4f), QColor(0x80, 0x60, 0x9a)};
const Qt::PenStyle Dashes[KeptRuns::Capacity] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                                 Qt::DashDotDotLine};

} // namespace

QPen currentRunPen(CurveKind kind)
{
    QPen pen(ModelColour[int(kind)], CurrentWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPen observedPen()
{
    return QPen(QColor(0xb3, 0x4d, 0x00), 1);
}

QPen fittedPen()
{
    QPen pen(QColor(0xb3, 0x4d, 0x00), 1.5, Qt::DashDotLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A run's second curve (the difference form beside the differential) is thinner still.
QPen keptRunPen(std::size_t run, std::size_t curve)
{
    QPen pen(Muted[run % std::size(Muted)], curve == 0 ? KeptWidth : KeptWidth - 0.5,
             Dashes[run % std::size(Dashes)]);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}
