#include "charts/curvesound.h"

#include "charts/chartcontent.h"
#include "charts/drawnchart.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

constexpr double Rate = CurveSound::SampleRate;
constexpr double LowPitch = 220; // Hz, at the bottom of the Y axis
constexpr double Octaves = 3;    // from the bottom of the Y axis to its top
constexpr double ToneLevel = 0.25;
constexpr double TickLevel = 0.12;
constexpr double TickPitch = 3000;   // Hz
constexpr double TickLength = 0.004; // s
constexpr double TickSpacing = 0.03; // s: ticks closer than this run into a buzz
constexpr double NoteLength = 0.12;  // s: a count, or a value alone between steps without one
constexpr double Fade = 0.005;       // s: a tone starts and stops this softly, without a click

qsizetype seconds(double s)
{
    return qsizetype(std::lround(s * Rate));
}

// One curve's sound, in floating point, from -1 to 1.
class Voice
{
  public:
    Voice(const DrawnChart &drawn)
        : m_x(AxisMap::between(drawn.axes[DrawnChart::X].minimum, drawn.axes[DrawnChart::X].maximum,
                               0, CurveSoundTiming::Curve)),
          m_y(AxisMap::between(drawn.axes[DrawnChart::Y].minimum, drawn.axes[DrawnChart::Y].maximum,
                               0, 1)),
          m_pitch(seconds(CurveSoundTiming::Curve + NoteLength) + 1, 0), m_ticks(m_pitch.size(), 0)
    {
    }

    std::vector<float> play(const ContentCurve &curve)
    {
        QList<QPointF> points;
        for (QPointF p : curve.points)
            if (std::isfinite(p.x())) points.append(p);
        std::stable_sort(points.begin(), points.end(),
                         [](QPointF a, QPointF b) { return a.x() < b.x(); });
        for (qsizetype i = 0; i < points.size(); ++i) {
            const bool before = i > 0 && std::isfinite(points[i - 1].y());
            const bool after = i + 1 < points.size() && std::isfinite(points[i + 1].y());
            if (curve.markers || (!before && !after)) note(points[i]);
            if (after && std::isfinite(points[i].y())) glide(points[i], points[i + 1]);
        }
        if (!curve.markers) tick(points);
        return render();
    }

  private:
    qsizetype at(double x) const
    {
        const double t = m_x(x);
        return std::isfinite(t) ? std::clamp(seconds(t), qsizetype(0), end()) : 0;
    }
    qsizetype end() const { return qsizetype(m_pitch.size()) - 1; }
    // The tone's pitch at a value, from the bottom of the Y axis to its top.
    double pitch(double y) const
    {
        const double place = std::isfinite(m_y(y)) ? std::clamp(m_y(y), 0.0, 1.0) : 0.5;
        return LowPitch * std::exp2(Octaves * place);
    }

    void glide(QPointF a, QPointF b)
    {
        const qsizetype from = at(a.x()), to = at(b.x());
        for (qsizetype s = from; s < to; ++s)
            m_pitch[size_t(s)] =
                pitch(a.y() + (b.y() - a.y()) * double(s - from) / double(to - from));
    }

    void note(QPointF p)
    {
        if (!std::isfinite(p.y())) return;
        const qsizetype from = at(p.x()), to = std::min(from + seconds(NoteLength), end());
        for (qsizetype s = from; s < to; ++s)
            m_pitch[size_t(s)] = pitch(p.y());
    }

    // A tick at each step, or at every tenth, hundredth … where they come too fast.
    void tick(const QList<QPointF> &points)
    {
        if (points.size() < 2) return;
        const double spacing = CurveSoundTiming::Curve / double(points.size() - 1);
        qsizetype stride = 1;
        while (spacing * double(stride) < TickSpacing)
            stride *= 10;
        for (qsizetype i = 0; i < points.size(); i += stride) {
            const qsizetype from = at(points[i].x());
            const qsizetype length = std::min(seconds(TickLength), end() - from);
            for (qsizetype s = 0; s < length; ++s)
                m_ticks[size_t(from + s)] +=
                    float(TickLevel * std::exp(-double(s) / (length / 4.0 + 1)) *
                          std::sin(2 * std::numbers::pi * TickPitch * double(s) / Rate));
        }
    }

    // The tone, its level eased in and out where it starts and stops, and the ticks.
    std::vector<float> render() const
    {
        std::vector<float> out(m_pitch.size());
        double phase = 0, level = 0;
        const double step = 1 / (Fade * Rate);
        for (size_t s = 0; s < out.size(); ++s) {
            const bool sounding = m_pitch[s] > 0;
            level = sounding ? std::min(1.0, level + step) : std::max(0.0, level - step);
            if (sounding) phase += 2 * std::numbers::pi * m_pitch[s] / Rate;
            out[s] = float(ToneLevel * level * std::sin(phase)) + m_ticks[s];
        }
        return out;
    }

    AxisMap m_x, m_y;
    std::vector<double> m_pitch; // Hz at each sample; 0: silence
    std::vector<float> m_ticks;
};

// The current run's curves first, then the others as the chart lists them,
// leaving out a kept run that is the current one (named nowhere).
std::vector<const ContentCurve *> playOrder(const std::vector<ContentCurve> &curves)
{
    std::vector<const ContentCurve *> order;
    for (const ContentCurve &curve : curves)
        if (curve.current) order.push_back(&curve);
    for (const ContentCurve &curve : curves)
        if (!curve.current && !curve.name.isEmpty()) order.push_back(&curve);
    return order;
}

void append(QByteArray &samples, const std::vector<float> &sound)
{
    const qsizetype from = samples.size();
    samples.resize(from + qsizetype(sound.size() * sizeof(qint16)));
    auto *out = reinterpret_cast<qint16 *>(samples.data() + from);
    for (float v : sound)
        *out++ = qint16(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767));
}

} // namespace

qint16 CurveSound::sample(qsizetype i) const
{
    return qFromUnaligned<qint16>(samples.constData() + i * qsizetype(sizeof(qint16)));
}

CurveSound curveSound(const ChartContent &content, const DrawnChart &drawn)
{
    CurveSound sound;
    if (!drawn.numbered) return sound;
    for (const ContentCurve *curve : playOrder(content.curves)) {
        // A curve alone on its chart goes by its axis's title, as in the read-out.
        const QString &name =
            curve->name.isEmpty() ? content.axes[ChartContent::Y].title : curve->name;
        sound.parts.push_back({name, sound.sampleCount()});
        if (sound.parts.size() > 1)
            append(sound.samples, std::vector<float>(size_t(seconds(CurveSoundTiming::Pause)), 0));
        append(sound.samples, Voice(drawn).play(*curve));
    }
    return sound;
}
