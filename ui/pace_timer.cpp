// SPDX-License-Identifier: GPL-3.0-or-later
#include "pace_timer.h"

#include <QTimer>
#include <algorithm>

#include "controls.h"

PaceTimer::PaceTimer(QObject* parent, std::function<void()> onTick)
    : QObject(parent),
      timer_(new QTimer(this)),
      onTick_(std::move(onTick)),
      intervalMs_(zanfel::kLevelIntervalMs[zanfel::kNormalLevel]) {
    timer_->setObjectName(QStringLiteral("PlayerTimer"));
    timer_->setInterval(intervalMs_);
    connect(timer_, &QTimer::timeout, this, &PaceTimer::fire);
}

// setInterval restarts a running timer, so it is only touched when the level changed. A
// shorter level also shortens a kept rest, which never waits longer than a whole tick.
void PaceTimer::follow(bool running, bool paused, int intervalMs) {
    if (intervalMs != intervalMs_) {
        intervalMs_ = intervalMs;
        timer_->setInterval(intervalMs);
        leftMs_ = std::min(leftMs_, intervalMs);
    }
    if (running && !timer_->isActive()) {
        timer_->start(leftMs_ >= 0 ? leftMs_ : intervalMs_);
        leftMs_ = -1;
    } else if (!running && timer_->isActive()) {
        leftMs_ = paused ? std::max(0, timer_->remainingTime()) : -1;
        timer_->stop();
    } else if (!running && !paused) {
        leftMs_ = -1;
    }
}

void PaceTimer::stop() {
    timer_->stop();
    leftMs_ = -1;
}

// After a resumed rest the timer takes up the whole interval again, counted from this tick.
void PaceTimer::fire() {
    if (timer_->interval() != intervalMs_)
        timer_->setInterval(intervalMs_);
    onTick_();
}
