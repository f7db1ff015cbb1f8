#include "charts/chartsound.h"

#include "charts/chartcontrol.h"
#include "widgets/announce.h"
#include "widgets/notice.h"
#include "widgets/soundoutput.h"

ChartSound::ChartSound(ChartControl *chart) : QObject(chart), m_chart(chart)
{
    m_names.setInterval(40);
    connect(&m_names, &QTimer::timeout, this, &ChartSound::sayNames);
}

ChartSound::~ChartSound() = default;

void ChartSound::play()
{
    stop();
    m_sound = curveSound(m_chart->content(), m_chart->drawn());
    if (m_sound.samples.isEmpty()) {
        const QString why = m_chart->content().noValue;
        //: Said when H is pressed on a chart without a point
        announce(m_chart, why.isEmpty() ? tr("The chart has no value to play.") : why);
        return;
    }
    QString why;
    if (!m_output) m_output = loadSoundOutput(&why);
    if (!m_output) {
        //: A notice when the sound module cannot be loaded: %1 is the system's reason
        showNotice(m_chart->window(), "sound", tr("The curve cannot be played: %1").arg(why));
        return;
    }
    m_playing = true;
    m_named = 0;
    sayNames();
    m_names.start();
    m_output->play(m_sound.samples, CurveSound::SampleRate, [this](SoundOutput::End end) {
        m_playing = false;
        m_names.stop();
        const QString why =
            end == SoundOutput::End::NoDevice
                //: A notice when H is pressed on a chart and there is nothing to play sound on
                ? tr("No sound device was found: the curve cannot be played.")
                : end == SoundOutput::End::Failed
                      //: A notice when the sound device refuses the curve's sound
                      ? tr("The sound device failed: the curve cannot be played.")
                      : QString();
        why.isEmpty() ? hideNotice(m_chart->window(), "sound")
                      : showNotice(m_chart->window(), "sound", why);
    });
}

void ChartSound::stop(bool said)
{
    if (!m_playing) return;
    m_output->stop();
    //: Said when Escape stops the curve's sound
    if (said) announce(m_chart, tr("Sound stopped"));
}

qint64 ChartSound::playedSamples() const
{
    return m_output ? m_output->playedSamples() : 0;
}

// Each curve's name as the sound server reaches its turn.
void ChartSound::sayNames()
{
    const qint64 played = m_output->playedSamples();
    while (m_named < m_sound.parts.size() && m_sound.parts[m_named].start <= played)
        announce(m_chart, m_sound.parts[m_named++].name);
}
