// SPDX-License-Identifier: GPL-3.0-or-later
#include "move_marks.h"

#include <algorithm>

#include "card_backs.h"
#include "place_outline.h"

namespace {
constexpr int kMoveMarkMs = 500;
}

MoveMarks::MoveMarks(QWidget* table)
    : QObject(table),
      from_(new PlaceOutline(table)),
      to_(new PlaceOutline(table)),
      goingOut_(new PlaceOutline(table)) {
    moveTimer_.setSingleShot(true);
    connect(&moveTimer_, &QTimer::timeout, this, &MoveMarks::clearMove);
}

QColor MoveMarks::ownerColour(zanfel::PileImage image) {
    const int player = image.kind == zanfel::ImageKind::Player
                           ? zanfel::playerOfBase(zanfel::playerBaseOf(image.index))
                           : zanfel::kHuman;
    return QColor(QRgb(zanfel::backColourOf(player)));
}

// The next move replaces the last one's marks; at the fastest pace they are gone by then.
void MoveMarks::showMove(const QWidget* from, const QWidget* to, const QColor& colour, int tickIntervalMs) {
    from_->surround(from, colour);
    to_->surround(to, colour);
    moveTimer_.start(std::min(kMoveMarkMs, tickIntervalMs));
}

void MoveMarks::clearMove() {
    from_->hide();
    to_->hide();
}

void MoveMarks::showGoingOut(const QWidget* pile, const QColor& colour) {
    goingOut_->surround(pile, colour);
}

void MoveMarks::clearGoingOut() {
    goingOut_->hide();
}
