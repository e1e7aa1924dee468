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

    // Events.
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

    // The hand cycle's routines, also called by the moves that empty a personal pile.
    void resetTable();
    void shuffleAndDeal();
    void humanGoesOut() { goOut(kHumanWent); }
    void computerGoesOut() { goOut(kComputerWent); }
    void updateCardCounts();

    const Table& table() const { return table_; }
    Table& table() { return table_; }  // for setting up positions in tests and tools
    const Controls& controls() const { return controls_; }
    CardNumber shownCard(PileImage image) const { return shown_[flatIndex(image)]; }
    const ScoreSheetText& scoreSheet() const { return sheet_; }
    const HandScores& handScores() const { return scores_; }
    int handNumber() const { return handNumber_; }
    int playerBase() const { return playerBase_; }
    int gameOverChoice() const { return gameOverChoice_; }
    bool ended() const { return ended_; }

private:
    void show(PileImage image);
    void showControls();
    void dealPlayer(PileList* slots, ImageKind kind, int base);
    bool humanMayMove() const;
    void finishHumanMove(int sourceSlot);
    void rotateStockByOne(PileList& stock, PileImage image);
    void goOut(const Announcement& announcement);
    void finishGoingOut(const Announcement& announcement);
    void tallyHand();
    void newGame();
    bool applySavedColour();
    void endProgram();

    TableView& view_;
    RandomSource& random_;

    Table table_;
    ShuffleArrays shuffle_;
    Controls controls_;
    std::array<CardNumber, kImageCount> shown_{};

    std::int16_t handNumber_ = 0;
    HandScores scores_;
    ScoreSheetText sheet_;
    std::int16_t gameOverChoice_ = 0;
    int playerBase_ = kMiddleBase;

    bool ended_ = false;
    // From going out until the table is reset: the hand's last position stays untouched.
    bool handEnding_ = false;
    // The sheet is open from the Score command: a hand that ends meanwhile closes it first
    // and is announced once that command's modal showing has returned.
    bool sheetOpenFromMenu_ = false;
    std::optional<Announcement> pendingGoingOut_;
};

}  // namespace zanfel
