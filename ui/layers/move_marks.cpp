// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/move_marks.h"

#include <QTimer>
#include <algorithm>
#include <utility>

#include "card_backs.h"
#include "layers/place_outline.h"
#include "seat_view.h"

namespace {
// Below this a tick is too short to tell three players' marks apart.
constexpr int kShortestRotationTickMs = 500;
constexpr int kTicksPerRotation = 3;

// The owner of a place this screen shows, as the host numbers players: whose deck it is.
int ownerOf(zanfel::PileImage image, int viewer) {
    const int local = image.kind == zanfel::ImageKind::Player
                          ? zanfel::playerOfBase(zanfel::playerBaseOf(image.index))
                          : zanfel::kHuman;
    return zanfel::hostPlayer(viewer, local);
}
}  // namespace

MoveMarks::MoveMarks(QWidget* table) : QObject(table), goingOut_(new PlaceOutline(table)) {
    for (int p = 0; p < kComputerPlayers; ++p) {
        from_[p] = new PlaceOutline(table);
        to_[p] = new PlaceOutline(table);
        timers_[p] = new QTimer(this);
        timers_[p]->setSingleShot(true);
        connect(timers_[p], &QTimer::timeout, this, [this, p] { clearMove(p); });
    }
}

QColor MoveMarks::ownerColour(zanfel::PileImage image, int viewer) {
    return QColor(QRgb(zanfel::backColourOf(ownerOf(image, viewer))));
}

zanfel::artwork::FrameLine MoveMarks::ownerLine(zanfel::PileImage image, int viewer) {
    const int deck = zanfel::playerDeckOf(ownerOf(image, viewer));
    return deck < 0 ? zanfel::artwork::kDeckLine : zanfel::artwork::kPlayerDeckLines[deck];
}

int MoveMarks::markMs(int tickIntervalMs) {
    return tickIntervalMs < kShortestRotationTickMs ? tickIntervalMs : kTicksPerRotation * tickIntervalMs;
}

void MoveMarks::showMove(zanfel::PileImage fromImage, const QWidget* from, const QWidget* to,
                         int tickIntervalMs) {
    const int p = zanfel::playerOfBase(zanfel::playerBaseOf(fromImage.index)) - 1;
    const QColor colour = ownerColour(fromImage, viewer_);
    from_[p]->surround(from, colour, ownerLine(fromImage, viewer_));
    to_[p]->surround(to, colour, ownerLine(fromImage, viewer_));
    timers_[p]->start(markMs(tickIntervalMs));
    last_ = p;
}

void MoveMarks::setViewer(int viewer) {
    viewer_ = viewer;
    for (int p = 0; p < kComputerPlayers; ++p) {
        timers_[p]->stop();
        heldMs_[p] = 0;
        clearMove(p);
    }
    clearGoingOut();
}

void MoveMarks::hold(bool paused) {
    if (paused == held_)
        return;
    held_ = paused;
    for (int p = 0; p < kComputerPlayers; ++p) {
        if (paused && timers_[p]->isActive()) {
            heldMs_[p] = std::max(1, timers_[p]->remainingTime());
            timers_[p]->stop();
        } else if (!paused && heldMs_[p] > 0) {
            timers_[p]->start(std::exchange(heldMs_[p], 0));
        }
    }
}

void MoveMarks::clearMove(int player) {
    from_[player]->hide();
    to_[player]->hide();
}

void MoveMarks::showGoingOut(zanfel::PileImage emptiedPile, const QWidget* pile) {
    goingOut_->surround(pile, ownerColour(emptiedPile, viewer_), ownerLine(emptiedPile, viewer_));
}

void MoveMarks::clearGoingOut() {
    goingOut_->hide();
}
