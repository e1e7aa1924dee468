// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "controls.h"
#include "game_front.h"
#include "scoring.h"
#include "seats.h"
#include "shuffle.h"
#include "stuck_watch.h"
#include "table.h"
#include "table_view.h"

namespace zanfel {

// The whole game: the table, the hand cycle, the computer players and the score record.
// Every player or timer event is one call here; the screen learns what changed through
// TableView. A person may play any seat: the calls without a player are the bottom seat's,
// player index 0, whose screen this is; the host of a network game makes the others' moves
// through the calls that take a player.
class Game final : public GameFront {
public:
    Game(TableView& view, RandomSource& random);

    // Start-up once the window is showing: empty table, saved colour, Normal, counts hidden.
    void startUp();

    // The screen the game talks to from now on.
    void setView(TableView& view) { view_ = &view; }

    // The player's and the timer's events.
    void deckClicked() override { deckClicked(kHuman); }
    void dealCommand() override;
    void tick() override;
    void newGameCommand() override;
    void scoreCommand() override;
    void pauseCommand() override;
    void levelCommand(int level) override;
    void cardCountCommand() override;
    void resetOptionsCommand() override;
    void exitCommand() override { endProgram(); }
    void noOneCanPlayCommand() override;
    void scoreSheetActivated() override;
    // The human's moves. A slot is 0..5 of the human's piles, a foundation 0..15. Refused moves
    // change nothing and show nothing.
    bool dropOnFoundation(int sourceSlot, int foundation) override {
        return dropOnFoundation(kHuman, sourceSlot, foundation);
    }
    bool dropOnStack(int sourceSlot, int target) override { return dropOnStack(kHuman, sourceSlot, target); }
    // A double-click: the card goes to the lowest foundation that takes it, as if dropped there.
    bool playToFoundation(int sourceSlot) override { return playToFoundation(kHuman, sourceSlot); }
    // Where the top card of the human's `sourceSlot` would be taken if dropped now; nowhere
    // while the human may not move or the pile is empty.
    PlacesTaking placesTaking(int sourceSlot) const override { return placesTaking(kHuman, sourceSlot); }

    // Who plays each place. A person may take any seat but the bottom one, which is always
    // the person at this screen's; a computer player takes over a seat's piles as they lie.
    void setSeat(int player, const Seat& seat);
    const Seats& seats() const override { return seats_; }

    // A person's moves on the piles of `player`, under the same rules as the human's; true when
    // the move was made. Refused for a seat a computer player plays. The deck deals only for the
    // bottom seat; for any other it only turns that seat's stock.
    bool deckClicked(int player);
    bool dropOnFoundation(int player, int sourceSlot, int foundation);
    bool dropOnStack(int player, int sourceSlot, int target);
    bool playToFoundation(int player, int sourceSlot);
    PlacesTaking placesTaking(int player, int sourceSlot) const;
    // A person at another computer asks for "No one can play": it takes effect once every
    // person elsewhere has asked since the last card moved. The person here needs no one's
    // ask: noOneCanPlayCommand() acts at once. False when no ask can be made now.
    bool askNoOneCanPlay(int player);

    // What the screen shows.
    const Table& table() const { return table_; }
    const Controls& controls() const override { return controls_; }
    const ScoreSheetFigures& scoreSheet() const override { return sheet_; }
    const HandScores& handScores() const override { return scores_; }
    int handNumber() const { return handNumber_; }
    int playerBase() const { return playerBase_; }
    bool ended() const override { return ended_; }
    CardNumber cardFor(PileImage image) const override { return table_.cardFor(image); }
    CardNumber cardBeneath(int slot) const override;
    int countOf(PileImage image) const override;

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
    bool personMayMove(int player) const;
    void finishPersonMove(int player, int sourceSlot, PileImage to);
    void rotateStockByOne(PileList& stock, PileImage image);
    bool clearAsks();
    bool recheckStuck();
    bool everyoneElsewhereAsked() const;
    void goOut(int player);
    void finishGoingOut(int player);
    void tallyHand();
    void newGame();
    bool applySavedColour();
    void endProgram();

    TableView* view_;
    RandomSource& random_;

    Table table_;
    ShuffleArrays shuffle_;
    Controls controls_;
    Seats seats_ = aloneSeats();

    std::int16_t handNumber_ = 0;
    HandScores scores_;
    ScoreSheetFigures sheet_;
    std::int16_t gameOverChoice_ = 0;
    int playerBase_ = kMiddleBase;

    // The easiest levels of this hand and this game so far, which the record counts them at.
    EasiestLevel handLevel_;
    EasiestLevel gameLevel_;
    StuckWatch stuckWatch_;  // the human's

    // A person elsewhere played in this hand, in this game: such play is recorded apart.
    bool handWithPeopleElsewhere_ = false;
    bool gameWithPeopleElsewhere_ = false;

    bool ended_ = false;
    // From going out until the table is reset: the hand's last position stays untouched.
    bool handEnding_ = false;
    // The sheet is open from the Score command: a hand that ends meanwhile closes it first
    // and is announced once that command's modal showing has returned.
    bool sheetOpenFromMenu_ = false;
    std::optional<int> pendingGoingOut_;  // who went out while the sheet was closing
};

}  // namespace zanfel
