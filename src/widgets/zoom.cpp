#include "widgets/zoom.h"

#include "model/settingsfile.h"

#include <algorithm>
#include <iterator>

namespace
{
const QString Key = QStringLiteral("zoom");
}

Zoom &Zoom::program()
{
    static Zoom zoom;
    return zoom;
}

void Zoom::start(int percent)
{
    setPercent(percent ? percent : KeptSettings::value(Key, Least).toInt());
}

void Zoom::setPercent(int percent)
{
    percent = std::clamp(percent, int(Least), int(Most));
    if (percent == m_percent) return;
    m_percent = percent;
    emit changed();
}

// A zoom between two steps (from the command line) goes on to the next step.
void Zoom::zoomIn()
{
    const auto *next = std::upper_bound(std::begin(Steps), std::end(Steps), m_percent);
    keep(next == std::end(Steps) ? Most : *next);
}

void Zoom::zoomOut()
{
    const auto *next = std::lower_bound(std::begin(Steps), std::end(Steps), m_percent);
    keep(next == std::begin(Steps) ? Least : next[-1]);
}

void Zoom::reset()
{
    keep(Least);
}

void Zoom::keep(int percent)
{
    setPercent(percent);
    KeptSettings::setValue(Key, m_percent);
}
