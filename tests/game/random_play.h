// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "game.h"
#include "random_source.h"

namespace zanfel::testing {

using Foundations = std::array<CardNumber, kFoundations>;

// Plays as the window lets a person, checking the invariants after every action; also the screen, answering
// modal windows. Choices: a seeded generator, or fuzzer input (first two bytes pick decks, then zeros).
class RandomPlay final : public TableView {
public:
    // Hands end within a few hundred ticks; one still running after this many is blocked for good.
    static constexpr int kTickLimit = 1000;

    explicit RandomPlay(std::uint32_t seed) : generator_(seed), clock_(seed) { freshGame(); }
    explicit RandomPlay(std::span<const std::uint8_t> bytes) : bytes_(bytes), clock_(next()) {
        clock_ |= next() << 8;
        freshGame();
    }
    // One action of the player, or false once the choices have run out or a rule broke.
    bool step();

    std::string failure;  // the first broken rule and the action that broke it
    int deals = 0, handsScored = 0, gamesEnded = 0;

    void showImage(PileImage image, CardNumber card) override { shown_[flatIndex(image)] = card; }
    void showControls() override {}
    void announceGoingOut(int player) override;
    void recordHand(const HandResult&) override {}
    void showScoreSheet() override;
    void hideScoreSheet() override { sheetHidden_ = true; }
    Answer askPlayAgain(const GameOutcome&) override {
        ++questions_;
        lastAnswer_ = next() & 1 ? Answer::Cancel : Answer::Ok;
        return *lastAnswer_;
    }
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override { ++programEnds_; }

private:
    std::uint8_t next() {
        if (generator_)
            return static_cast<std::uint8_t>((*generator_)() & 0xff);
        return bytes_.empty() ? 0 : std::exchange(bytes_, bytes_.subspan(1)).front();
    }
    void freshGame();
    // The action in whose share of all the weights `draw` falls.
    void perform(int draw);
    void tick();
    void pause();
    void drop(bool (Game::*onto)(int, int), int places);
    void goodMove();
    void deal(void (Game::*command)());
    void newGame();
    void afterAction();
    void check(const char* when);
    void fail(const std::string& fault);
    std::string brokenRule() const;

    std::span<const std::uint8_t> bytes_;
    std::optional<std::mt19937> generator_;
    // The clock behind the shuffle only moves when asked, so a seed gives the same decks each run.
    std::uint64_t clock_ = 0;
    ClockRandomSource random_{[this] { return clock_ += 7919; }};
    std::optional<Game> game_;
    std::array<CardNumber, kImageCount> shown_{};  // the screen's last card per image, -1 before any
    Foundations foundations_{};                    // as at the last check
    // What the player knows from the own actions, without asking the game's flags:
    bool inHand_ = false;          // from the end of a deal to the next reset
    bool paused_ = false;          // Pause chosen an odd number of times in this hand
    bool goingOut_ = false;        // the hand has ended; its final position stands until the reset
    std::vector<HandRow> scores_;  // the hands scored since the last New Game

    const char* action_ = "";
    int actions_ = 0, ticksThisHand_ = 0, programEnds_ = 0, questions_ = 0;
    bool sheetHidden_ = false;
    std::optional<Answer> lastAnswer_;
};

}  // namespace zanfel::testing
