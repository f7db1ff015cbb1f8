// The sound module (widgets/soundoutput.h): the only part of the program that
// links Qt Multimedia, loaded when a curve is first played.
#include "widgets/soundoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace
{

class QtSoundOutput final : public SoundOutput
{
  public:
    ~QtSoundOutput() override
    {
        m_ended = nullptr; // its owner is going too
        finish(End::Stopped);
    }

    void play(const QByteArray &samples, int rate, std::function<void(End)> ended) override
    {
        finish(End::Stopped);
        m_ended = std::move(ended);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return finish(End::NoDevice);
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_buffer.close();
        m_buffer.setData(samples);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(),
                         [this](QAudio::State state) { changed(state); });
        m_sink->start(&m_buffer);
        if (m_sink->error() != QAudio::NoError) finish(End::Failed);
    }

    void stop() override { finish(End::Stopped); }

    qint64 playedSamples() const override
    {
        return m_sink ? m_sink->processedUSecs() * m_sink->format().sampleRate() / 1000000 : 0;
    }

  private:
    // The sink goes idle when it has played every sample, and stops on a fault.
    void changed(QAudio::State state)
    {
        if (state == QAudio::IdleState && m_buffer.atEnd()) finish(End::Played);
        if (state == QAudio::StoppedState && m_sink->error() != QAudio::NoError)
            finish(End::Failed);
    }

    // Ends the sound once; the sink goes after its own signal has returned.
    void finish(End end)
    {
        if (m_sink) {
            m_sink->disconnect();
            m_sink->stop();
            m_sink.release()->deleteLater();
        }
        if (auto ended = std::exchange(m_ended, nullptr)) ended(end);
    }

    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    std::function<void(End)> m_ended;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput *malvoraSoundOutput()
{
    return new QtSoundOutput;
}
