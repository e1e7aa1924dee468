// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "game.h"

namespace zanfel::net::testing {

using Moves = std::vector<std::pair<PileImage, PileImage>>;

// The host's window: modal windows close at once, "play again" is answered OK.
struct HostWindow final : TableView {
    Game* game = nullptr;
    std::vector<int> announced;
    Moves marked;  // the computer players'
    void showImage(PileImage, CardNumber) override {}
    void markComputerMove(PileImage from, PileImage to) override { marked.emplace_back(from, to); }
    void markPersonMove(int, PileImage, PileImage) override {}
    void showControls() override {}
    void announceGoingOut(int player) override { announced.push_back(player); }
    void recordHand(const HandResult&) override {}
    void showScoreSheet() override { game->scoreSheetActivated(); }
    void hideScoreSheet() override {}
    Answer askPlayAgain(const GameOutcome&) override { return Answer::Ok; }
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override {}
};

}  // namespace zanfel::net::testing
