#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>

#include "game.h"
#include "invariants.h"
#include "random_source.h"

namespace zanfel::testing {

// Where a player's choices come from: a fuzzer's input, which runs out, or a seeded generator,
// which never does.
class Choices {
public:
    explicit Choices(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    explicit Choices(std::uint32_t seed) : generator_(seed) {}

    bool exhausted() const { return !generator_ && next_ >= bytes_.size(); }
    // Zero once a finite input has run out.
    std::uint8_t next();

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
    std::optional<std::mt19937> generator_;
};

// Plays a game the way the window lets a person play it, each choice read from Choices, and
// checks the invariants after every action. It is the game's screen as well: it remembers
// what every image shows and answers the modal windows.
class RandomPlay final : public TableView {
public:
    // Hands end within a few hundred ticks; one still running after this many is blocked for good.
    static constexpr int kTickLimit = 1000;

    RandomPlay(Choices& choices, std::uint64_t dealSeed);

    // One action of the player, or false once the choices have run out or a rule broke.
    bool step();
    const std::string& failure() const { return failure_; }
    int deals() const { return deals_; }
    int handsScored() const { return handsScored_; }
    int gamesEnded() const { return gamesEnded_; }

    void showImage(PileImage image, CardNumber card) override;
    void showControls() override {}
    void announceGoingOut(const Announcement& announcement) override;
    void showScoreSheet(const ScoreSheetText& sheet) override;
    void hideScoreSheet() override { sheetHidden_ = true; }
    Answer askPlayAgain(const std::string& question) override;
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override { ++programEnds_; }

private:
    void freshGame();
    void perform(std::uint8_t choice);
    void tableAction(std::uint8_t choice);
    void goodMove();
    void menuCommand(std::uint8_t choice);
    void deckClick();
    void deal();
    void handDealt();
    void newGame();
    void score();
    void tick();
    void afterAction();
    void check(const char* when);
    void fail(const std::string& fault);

    Choices& choices_;
    std::uint64_t clock_;
    ClockRandomSource random_;
    std::optional<Game> game_;
    ShownCards shown_{};
    InvariantChecker checker_;
    Expected expected_;

    const char* action_ = "";
    std::string failure_;
    int actions_ = 0;
    int ticksThisHand_ = 0;
    int deals_ = 0;
    int handsScored_ = 0;
    int gamesEnded_ = 0;
    int programEnds_ = 0;
    int questions_ = 0;
    bool sheetFromMenu_ = false;
    bool sheetHidden_ = false;
    bool handEnded_ = false;
    std::optional<Answer> lastAnswer_;
    HandRow finalRow_{};
};

}  // namespace zanfel::testing
