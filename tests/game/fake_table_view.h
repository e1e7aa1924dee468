// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "game.h"
#include "random_source.h"

namespace zanfel::testing {

// Whole-deck draws: deck d draws all on places[d], coming out places[d], +1, ..., 52, 1, ... probing up.
inline std::vector<float> decksFrom(std::vector<int> places) {
    std::vector<float> draws;
    for (int place : places)
        draws.insert(draws.end(), 52, (place - 1) / 52.0f + 0.001f);
    return draws;
}

// Enough decks drawn on place 1, each in order 1..52, for the longest test's deals.
inline const std::vector<float> kDecksInOrder = decksFrom(std::vector<int>(4 * 30, 1));

// Draws from a script; more throws (at), so a shuffle drawing where it should probe fails at once, not loops.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = kDecksInOrder) : draws_(std::move(draws)) {}
    float reseedAndDraw() override { return draws_.at(next_++); }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

// Records what the game asks of the screen; modal windows "close" at once after the test's scripted actions.
class FakeTableView final : public TableView {
public:
    Game* game = nullptr;

    std::vector<PileImage> shownImages;
    std::vector<int> announcements;  // who went out
    std::vector<ScoreSheetFigures> sheetsShown;
    std::vector<GameOutcome> questions;         // each answered OK
    std::vector<bool> countMarkAtColourResets;  // the card-count mark as each reset came
    int sheetHides = 0, coloursApplied = 0, programEnds = 0;
    PlayerRecord record;  // every hand reported, counted as the window's store counts it

    bool colourUsable = true;
    std::function<void()> whileAnnouncing = [] {};
    std::function<void()> whileSheetOpen = [] {};  // once, after the sheet's activation

    void showImage(PileImage image, CardNumber) override { shownImages.push_back(image); }
    void showControls() override {}
    void announceGoingOut(int player) override {
        announcements.push_back(player);
        whileAnnouncing();
    }
    void recordHand(const HandResult& hand) override { countResult(record, hand); }
    void showScoreSheet() override {
        sheetsShown.push_back(game->scoreSheet());
        game->scoreSheetActivated();
        std::exchange(whileSheetOpen, [] {})();
    }
    void hideScoreSheet() override { ++sheetHides; }
    Answer askPlayAgain(const GameOutcome& outcome) override {
        questions.push_back(outcome);
        return Answer::Ok;
    }
    bool applySavedColour() override { return ++coloursApplied, colourUsable; }
    void resetTableColour() override { countMarkAtColourResets.push_back(game->controls().cardCountChecked); }
    void endProgram() override { ++programEnds; }
};

// A game with a recording screen and a scripted shuffle, started up as the window does.
struct GameFixture {
    FakeTableView view;
    ScriptedRandom random;
    Game game{view, random};

    explicit GameFixture(std::vector<float> draws = kDecksInOrder, bool colourUsable = true)
        : random(std::move(draws)) {
        view.game = &game;
        view.colourUsable = colourUsable;
        game.startUp();
    }
};

// The human goes out with an ace from the personal pile, `held` cards left in the stock.
inline void humanGoesOut(Game& game, int held = 0) {
    Table& table = game.tableForSetUp();
    table.lstStack = {};
    for (int i = 0; i < held; ++i)
        table.lstStack[kStockSlot].addEnd(static_cast<CardNumber>(i % kDeckSize + 1));
    table.lstStack[kPersonalSlot].addEnd(1);
    game.playToFoundation(kPersonalSlot);
}

// A card by name: of(7, H) is the seven of hearts, of(1, S) the ace of spades.
constexpr Suit S = Suit::Spades, H = Suit::Hearts, C = Suit::Clubs, D = Suit::Diamonds;
constexpr CardNumber of(int rank, Suit suit) {
    return static_cast<CardNumber>(4 * (rank - 1) + (suit == D ? 4 : static_cast<int>(suit)));
}

// Lays cards on a list, top card first.
inline void setPile(PileList& list, std::initializer_list<CardNumber> topFirst) {
    list.clear();
    for (CardNumber card : topFirst)
        list.addEnd(card);
}

}  // namespace zanfel::testing
