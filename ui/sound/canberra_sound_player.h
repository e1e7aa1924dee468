// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <thread>

#include "sound_player.h"

// Plays the table's sounds through libcanberra, the desktop's library for event sounds. It hands
// them to the sound server (PipeWire or PulseAudio) as event sounds, under the desktop's alert
// volume, or to ALSA where no server runs, and sounds that overlap are mixed there.
//
// Nothing of it is loaded before the first sound: then the library is opened on a thread of the
// player's own, which alone ever calls it, so neither start-up nor the table waits for a library
// or a device. Without the library or without any audio device the sounds are simply not heard:
// nothing is said and nothing waits. A device that failed is tried again a few seconds later.
class CanberraSoundPlayer final : public SoundPlayer {
public:
    explicit CanberraSoundPlayer(QString soundFolder);
    // Waits a moment for the thread to end; one stuck in a device is left behind.
    ~CanberraSoundPlayer() override;

    void play(Sound sound) override;
    void stopAll() override;
    // Returns once every sound asked for so far has been handed to the library or given up. For
    // tests and benchmarks: the table never waits for the player.
    void waitUntilIdle();

private:
    class Worker;
    void startWorker();

    QString folder_;
    std::shared_ptr<Worker> worker_;
    std::thread thread_;
};
