// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started game that nobody watches: the cost measured is the game's own, never a screen's.
#include <cstdint>

#include "game.h"

namespace zanfel {

// A screen that shows nothing and answers OK to every question.
class SilentView final : public TableView {
public:
    void showImage(PileImage, CardNumber) override {}
    void showControls() override {}
    void announceGoingOut(int) override { ++handsEnded; }
    void recordHand(const HandResult&) override {}
    // The sheet's end-of-game check runs as it would on screen, so finished games start anew.
    void showScoreSheet() override {
        if (game)
            game->scoreSheetActivated();
    }
    void hideScoreSheet() override {}
    Answer askPlayAgain(const GameOutcome&) override { return Answer::Ok; }
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override {}

    Game* game = nullptr;
    int handsEnded = 0;
};

// The same shuffles every run, so every run plays the same hands.
class CountingRandom final : public RandomSource {
public:
    float reseedAndDraw() override {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>(state_ >> 40) / 16777216.0f;
    }

private:
    std::uint64_t state_ = 7;
};

struct QuietGame {
    SilentView view;
    CountingRandom random;
    Game game{view, random};
    QuietGame() {
        view.game = &game;
        game.startUp();
    }
    QuietGame(const QuietGame&) = delete;
    QuietGame& operator=(const QuietGame&) = delete;
};

// A hand of the computer players alone that has not ended by now no longer moves.
constexpr int kTickLimit = 20000;

// A new hand, whatever the last one came to: New Game first if it is still running.
inline void dealAfresh(Game& game) {
    if (!game.controls().dealEnabled)
        game.newGameCommand();
    game.dealCommand();
}

// Deals and lets the computer players play the hand out with the human idle. True when
// someone went out, false when the hand was stopped at the tick limit.
inline bool playHandOut(QuietGame& quiet, std::int64_t& ticks) {
    dealAfresh(quiet.game);
    const int endedBefore = quiet.view.handsEnded;
    for (int i = 0; i < kTickLimit; ++i, ++ticks) {
        if (quiet.view.handsEnded != endedBefore)
            return true;
        quiet.game.tick();
    }
    return quiet.view.handsEnded != endedBefore;
}

}  // namespace zanfel
