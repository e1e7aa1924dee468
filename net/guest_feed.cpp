// SPDX-License-Identifier: GPL-3.0-or-later
#include "guest_feed.h"

#include "table_changes.h"

namespace zanfel::net {

ControlsState controlsStateOf(const Controls& controls, const ScoreSheetFigures& sheet) {
    ControlsState state;
    state.hint = static_cast<int>(controls.hint);
    state.handInPlay = controls.pauseEnabled;  // enabled exactly from a deal to the next reset
    state.paused = controls.pauseChecked;
    state.pausedBy = controls.pausedBy;
    state.level = controls.checkedLevel() == 0 ? kNormalLevel : controls.checkedLevel();
    state.noOneCanPlayEnabled = controls.noOneCanPlayEnabled;
    for (int player = 0; player < kPlayers; ++player)
        state.asks |= controls.askedNoOneCanPlay[player] ? 1 << player : 0;
    state.handsListed = sheet.handsListed;
    return state;
}

void GuestFeed::restart() {
    told_ = VisibleTable{};
    toldControls_.reset();
    moves_.clear();
}

// Moves are shown only while they are new: a guest far behind is brought up to date without.
void GuestFeed::noteMove(PileImage from, PileImage to) {
    if (moves_.size() >= 2 * kMaxMovesShown)
        moves_.erase(moves_.begin(), moves_.begin() + 2);
    moves_.insert(moves_.end(), {placeOf(from), placeOf(to)});
}

std::vector<Message> GuestFeed::take(const Game& game) {
    std::vector<Message> messages;
    const VisibleTable now = visibleTo(game.table(), seat_);
    TableChanges changes = changesBetween(told_, now);
    changes.moves = std::exchange(moves_, {});
    if (!changes.tops.empty() || !changes.counts.empty() || !changes.moves.empty())
        messages.emplace_back(std::move(changes));
    told_ = now;
    const ControlsState controls = controlsStateOf(game.controls(), game.scoreSheet());
    if (controls != toldControls_) {
        messages.emplace_back(controls);
        toldControls_ = controls;
    }
    return messages;
}

}  // namespace zanfel::net
