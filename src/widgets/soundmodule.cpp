// The sound module (widgets/soundoutput.h): the only part of the program that
// links Qt Multimedia, loaded when a curve is first played.
#include "widgets/soundoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTimer>

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <future>
#include <memory>
#include <thread>

namespace
{

// How long the sound server may take to answer before the curve is said to
// have no sound device.
constexpr int AnswerWithin = 2000; // ms

/*
 * Whether the desktop's sound server answers, asked from a thread of its
 * own: Qt Multimedia's first connection waits up to half a minute for a
 * server that has stopped answering, and the window would wait with it. A
 * server that is not there is not started for the question.
 */
std::shared_future<bool> askSoundServer()
{
    auto answer = std::make_shared<std::promise<bool>>();
    std::shared_future<bool> answered = answer->get_future().share();
    std::thread([answer] {
        pa_mainloop *loop = pa_mainloop_new();
        pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Malvora");
        bool ready = false;
        if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
            for (pa_context_state_t state;
                 PA_CONTEXT_IS_GOOD(state = pa_context_get_state(context));) {
                if ((ready = state == PA_CONTEXT_READY)) break;
                if (pa_mainloop_iterate(loop, 1, nullptr) < 0) break;
            }
        }
        answer->set_value(ready);
        if (context) pa_context_unref(context);
        pa_mainloop_free(loop);
    }).detach();
    return answered;
}

class QtSoundOutput final : public SoundOutput
{
  public:
    QtSoundOutput()
    {
        m_waiting.setInterval(10);
        QObject::connect(&m_waiting, &QTimer::timeout, &m_waiting, [this] { waitForServer(); });
    }
    ~QtSoundOutput() override
    {
        m_ended = nullptr; // its owner is going too
        finish(End::Stopped);
    }

    void play(const QByteArray &samples, int rate, std::function<void(End)> ended) override
    {
        finish(End::Stopped);
        m_ended = std::move(ended);
        m_buffer.setData(samples);
        m_rate = rate;
        if (m_serverAnswered) return start();
        m_answer = askSoundServer();
        m_asked.start();
        m_waiting.start();
    }

    void stop() override { finish(End::Stopped); }

    qint64 playedSamples() const override
    {
        return m_sink ? m_sink->processedUSecs() * m_rate / 1000000 : 0;
    }

  private:
    void waitForServer()
    {
        const bool answered =
            m_answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        if (!answered && m_asked.elapsed() < AnswerWithin) return;
        m_waiting.stop();
        m_serverAnswered = answered && m_answer.get();
        m_serverAnswered ? start() : finish(End::NoDevice);
    }

    void start()
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return finish(End::NoDevice);
        QAudioFormat format;
        format.setSampleRate(m_rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(),
                         [this](QAudio::State state) { changed(state); });
        m_sink->start(&m_buffer);
        if (m_sink->error() != QAudio::NoError) finish(End::Failed);
    }

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
        m_waiting.stop();
        if (m_sink) {
            m_sink->disconnect();
            m_sink->reset(); // what is buffered goes too: stop alone plays it out first
            m_sink->stop();
            m_sink.release()->deleteLater();
        }
        m_buffer.close();
        if (auto ended = std::exchange(m_ended, nullptr)) ended(end);
    }

    QBuffer m_buffer;
    int m_rate = 0;
    std::unique_ptr<QAudioSink> m_sink;
    std::function<void(End)> m_ended;
    bool m_serverAnswered = false; // once it has, Qt Multimedia is connected to it
    std::shared_future<bool> m_answer;
    QElapsedTimer m_asked;
    QTimer m_waiting;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput *malvoraSoundOutput()
{
    return new QtSoundOutput;
}
