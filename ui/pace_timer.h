// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QTimer;

// The computer players' timer (PlayerTimer), following whether the game lets it run and at
// what interval. A pause keeps what was left of the tick it interrupted, and the resume goes
// on with that, so pausing costs the computer players nothing: started afresh instead, a
// player who paused and resumed more often than once a tick would stop them altogether.
class PaceTimer : public QObject {
public:
    PaceTimer(QObject* parent, std::function<void()> onTick);

    // Runs every `intervalMs` while `running`. A stop while `paused` keeps the rest of the
    // tick for the next start; any other stop (a reset, going out) forgets it.
    void follow(bool running, bool paused, int intervalMs);
    void stop();

private:
    void fire();

    QTimer* timer_;
    std::function<void()> onTick_;
    int intervalMs_;
    int leftMs_ = -1;  // what a pause kept of the interrupted tick, or -1
};
