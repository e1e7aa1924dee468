// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "game.h"
#include "scripted_random.h"
#include "table_setup.h"

namespace zanfel::testing {

using Moves = std::vector<std::pair<PileImage, PileImage>>;

// Records what the game asks of the screen; modal windows "close" at once after the test's scripted actions.
// A host's or a guest's screen too, in the network tests.
class FakeTableView final : public TableView {
public:
    GameFront* game = nullptr;

    std::vector<PileImage> shownImages;
    std::array<CardNumber, kImageCount> shown{};  // the card each image shows
    std::vector<PileImage> goingOutMarks;         // the emptied personal piles framed
    Moves marked;                                 // the computer players' moves
    Moves personMoves;                            // those of people elsewhere
    Moves takenBack;                              // own moves the host refused
    std::vector<int> announced;                   // who went out
    std::vector<HandResult> recorded;
    std::vector<ScoreSheetFigures> sheetsShown;
    std::vector<GameOutcome> questions;         // each answered OK
    std::vector<GameOutcome> gameOvers;         // on a guest's screen
    std::vector<bool> countMarkAtColourResets;  // the card-count mark as each reset came
    int sheetHides = 0, coloursApplied = 0, programEnds = 0;
    PlayerRecord record;  // every hand reported, counted as the window's store counts it

    bool colourUsable = true;
    std::function<void()> whileAnnouncing = [] {};
    std::function<void()> whileSheetOpen = [] {};  // once, after the sheet's activation

    // For a screen that lives as long as a fuzzing run: what it recorded so far is let go.
    void forget() {
        GameFront* const playing = game;
        *this = FakeTableView();
        game = playing;
    }

    void showImage(PileImage image, CardNumber card) override {
        shownImages.push_back(image);
        shown[flatIndex(image)] = card;
    }
    void showControls() override {}
    void markComputerMove(PileImage from, PileImage to) override { marked.emplace_back(from, to); }
    void markPersonMove(int, PileImage from, PileImage to) override { personMoves.emplace_back(from, to); }
    void moveTakenBack(PileImage from, PileImage to) override { takenBack.emplace_back(from, to); }
    void markGoingOut(PileImage emptiedPile) override { goingOutMarks.push_back(emptiedPile); }
    void announceGoingOut(int player) override {
        announced.push_back(player);
        whileAnnouncing();
    }
    void recordHand(const HandResult& hand) override {
        countResult(record, hand);
        recorded.push_back(hand);
    }
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
    void showGameOver(const GameOutcome& outcome) override { gameOvers.push_back(outcome); }
    bool applySavedColour() override {
        ++coloursApplied;
        return colourUsable;
    }
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

}  // namespace zanfel::testing
