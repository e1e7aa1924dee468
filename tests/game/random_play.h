#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "game.h"
#include "random_source.h"

namespace zanfel::testing {

// Where a player's choices come from: a fuzzer's input, which runs out and then reads zeros,
// or a seeded generator, which never does.
struct Choices {
    std::span<const std::uint8_t> bytes;
    std::optional<std::mt19937> generator;

    bool exhausted() const { return !generator && bytes.empty(); }
    std::uint8_t next() {
        if (generator)
            return static_cast<std::uint8_t>((*generator)() & 0xff);
        if (bytes.empty())
            return 0;
        const std::uint8_t byte = bytes.front();
        bytes = bytes.subspan(1);
        return byte;
    }
};

using Foundations = std::array<CardNumber, kFoundations>;

// A player's total over the hands scored so far.
inline int totalOf(const std::vector<HandRow>& scores, int player) {
    int total = 0;
    for (const HandRow& row : scores)
        total += row[player];
    return total;
}

// Plays a game the way the window lets a person play it, each choice read from Choices, and
// checks the invariants (invariants.cpp) after every action. It is the game's screen as well:
// it remembers what every image shows and answers the modal windows.
class RandomPlay final : public TableView {
public:
    // Hands end within a few hundred ticks; one still running after this many is blocked for good.
    static constexpr int kTickLimit = 1000;

    RandomPlay(Choices& choices, std::uint64_t dealSeed);
    // One action of the player, or false once the choices have run out or a rule broke.
    bool step();

    std::string failure;  // the first broken rule and the action that broke it
    int deals = 0, handsScored = 0, gamesEnded = 0;

    void showImage(PileImage image, CardNumber card) override { shown_[flatIndex(image)] = card; }
    void showControls() override {}
    void announceGoingOut(const Announcement& announcement) override;
    void showScoreSheet(const ScoreSheetText& sheet) override;
    void hideScoreSheet() override { sheetHidden_ = true; }
    Answer askPlayAgain(const std::string&) override {
        ++questions_;
        return *(lastAnswer_ = choices_.next() & 1 ? Answer::Cancel : Answer::Ok);
    }
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override { ++programEnds_; }

private:
    void freshGame();
    void perform(std::uint8_t choice);
    void goodMove();
    void deckClick();
    void handDealt();
    void newGame();
    void tick();
    void afterAction();
    void check(const char* when);
    void fail(const std::string& fault);
    std::string brokenRule() const;

    Choices& choices_;
    std::uint64_t clock_;
    ClockRandomSource random_;
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
    bool sheetFromMenu_ = false, sheetHidden_ = false, handEnded_ = false;
    std::optional<Answer> lastAnswer_;
};

}  // namespace zanfel::testing
