#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

/*
 * Sound to the desktop's sound server. What speaks to the sound server (Qt
 * Multimedia) is a module of its own, loaded when a sound is first played:
 * a program that never plays one never loads it, and starts as fast as it
 * did without sound.
 */
class SoundOutput
{
  public:
    enum class End { Played, Stopped, NoDevice, Failed };

    virtual ~SoundOutput() = default;
    // Starts playing signed 16-bit samples of one channel at a rate (per
    // second); `ended` is called once, when they have been played, are
    // stopped, or cannot be played. Returns at once: the window goes on.
    virtual void play(const QByteArray &samples, int rate, std::function<void(End)> ended) = 0;
    virtual void stop() = 0;
    // How many of the samples the sound server has taken so far.
    virtual qint64 playedSamples() const = 0;
};

// The sound module's output; null, with the reason in `why`, where the module cannot be loaded.
std::unique_ptr<SoundOutput> loadSoundOutput(QString *why);

// The module's one export, "malvoraSoundOutput": a new output, owned by the caller.
using MakeSoundOutput = SoundOutput *(*)();
