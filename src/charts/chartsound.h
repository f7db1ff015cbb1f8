#pragma once

#include "charts/curvesound.h"

#include <QObject>
#include <QTimer>

#include <memory>

class ChartControl;
class SoundOutput;

/*
 * H on a chart: its curves played as sound (curvesound.h), each curve's
 * name said as its turn comes. Escape, or the chart drawn anew or hidden,
 * stops it; H starts it again from the beginning. Where there is no sound
 * device, or no sound module, the window says so in a notice, which the
 * screen reader speaks.
 */
class ChartSound : public QObject
{
    Q_OBJECT
  public:
    explicit ChartSound(ChartControl *chart);
    ~ChartSound() override;

    void play();
    // Stops the sound, and says so when `said`.
    void stop(bool said = false);
    bool playing() const { return m_playing; }
    // What H last played.
    const CurveSound &sound() const { return m_sound; }
    // Samples the sound server has taken since the sound began.
    qint64 playedSamples() const;

  private:
    void sayNames();

    ChartControl *m_chart;
    std::unique_ptr<SoundOutput> m_output; // loaded when first played
    CurveSound m_sound;
    size_t m_named = 0; // the curves whose names were said
    bool m_playing = false;
    QTimer m_names;
};
