// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "controls.h"
#include "scoring.h"
#include "shuffle.h"
#include "table.h"
#include "table_view.h"

namespace zanfel {

// The whole game: the table, the hand cycle, the computer players and the score record.
// Every player or timer event is one call here; the screen learns what changed through
// TableView.
class Game {
public:
    Game(TableView& view, RandomSource& random);

    // Start-up once the window is showing: empty table, saved colour, Normal, counts hidden.
    void startUp();

    // The player's and the timer's events.
    void deckClicked();
    void dealCommand();
    void tick();
    void newGameCommand();
    void scoreCommand();
    void pauseCommand();
    void levelCommand(int level);
    void cardCountCommand();
    void resetOptionsCommand();
    void exitCommand() { endProgram(); }
    void noOneCanPlayCommand();
    void scoreSheetActivated();
    // The human's moves. A slot is 0..5 of the human's piles, a foundation 0..15. Refused moves
    // change nothing and show nothing.
    void dropOnFoundation(int sourceSlot, int foundation);
    void dropOnStack(int sourceSlot, int target);
    // A double-click: the card goes to the lowest foundation that takes it, as if dropped there.
    void playToFoundation(int sourceSlot);
    // Where the top card of the human's `sourceSlot` would be taken if dropped now; nowhere
    // while the human may not move or the pile is empty.
    PlacesTaking placesTaking(int sourceSlot) const;

    // What the screen shows.
    const Table& table() const { return table_; }
    const Controls& controls() const { return controls_; }
    const ScoreSheetFigures& scoreSheet() const { return sheet_; }
    const HandScores& handScores() const { return scores_; }
    int handNumber() const { return handNumber_; }
    int playerBase() const { return playerBase_; }
    bool ended() const { return ended_; }

    // For tests and benchmarks that lay out a position: the table to lay the cards on. The
    // screen learns of such changes only through the next event that touches them.
    Table& tableForSetUp() { return table_; }

private:
    void resetTable();
    void shuffleAndDeal();
    void updateCardCounts();
    void show(PileImage image);
    void showControls();
    void dealPlayer(PileList* slots, ImageKind kind, int base);
    bool humanMayMove() const;
    void finishHumanMove(int sourceSlot);
    void rotateStockByOne(PileList& stock, PileImage image);
    void goOut(int player);
    void finishGoingOut(int player);
    void tallyHand();
    void newGame();
    bool applySavedColour();
    void endProgram();

    TableView& view_;
    RandomSource& random_;

    Table table_;
    ShuffleArrays shuffle_;
    Controls controls_;

    std::int16_t handNumber_ = 0;
    HandScores scores_;
    ScoreSheetFigures sheet_;
    std::int16_t gameOverChoice_ = 0;
    int playerBase_ = kMiddleBase;

    bool ended_ = false;
    // From going out until the table is reset: the hand's last position stays untouched.
    bool handEnding_ = false;
    // The sheet is open from the Score command: a hand that ends meanwhile closes it first
    // and is announced once that command's modal showing has returned.
    bool sheetOpenFromMenu_ = false;
    std::optional<int> pendingGoingOut_;  // who went out while the sheet was closing
};

}  // namespace zanfel
