#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

struct ChartContent;
struct DrawnChart;

/*
 * A chart's curves for the ear: each curve a tone that glides from left to
 * right across the X axis in three seconds, its pitch following the value
 * up the chart's own Y axis (220 Hz at the bottom, three octaves higher at
 * the top), with a soft tick at each time step (at every tenth, hundredth …
 * where steps come too fast to hear apart). A value with no point is
 * silence, and a class's counts are short notes, one for each count.
 *
 * The current run's curves come first, then each kept run's and the
 * observations, each after a pause long enough to say its name.
 */
struct CurveSound {
    static constexpr int SampleRate = 22050; // signed 16-bit samples, one channel

    // A curve's turn: its name, and the sample where its pause (or, for
    // the first, its tone) begins.
    struct Part {
        QString name;
        qsizetype start = 0;
    };

    QByteArray samples; // in the machine's byte order
    std::vector<Part> parts;

    qsizetype sampleCount() const { return samples.size() / qsizetype(sizeof(qint16)); }
    qint16 sample(qsizetype i) const;
};

// Seconds a curve takes, and the pause before each curve after the first.
namespace CurveSoundTiming
{
constexpr double Curve = 3.0;
constexpr double Pause = 1.5;
} // namespace CurveSoundTiming

CurveSound curveSound(const ChartContent &content, const DrawnChart &drawn);
