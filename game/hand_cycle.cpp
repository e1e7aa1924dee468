// SPDX-License-Identifier: GPL-3.0-or-later
// The hand cycle: clearing the table, shuffling and dealing, going out, scoring and new games.
#include "game.h"

namespace zanfel {

void Game::resetTable() {
    handEnding_ = false;
    controls_.noOneCanPlayEnabled = false;
    controls_.pauseEnabled = false;
    controls_.pauseChecked = false;
    controls_.dealEnabled = true;
    controls_.timerEnabled = false;
    controls_.hint = Hint::Deal;
    controls_.askedNoOneCanPlay.fill(false);
    controls_.stuck = false;
    shuffle_.refillSourceDeck();
    table_.clear();
    for (int j = 0; j < kFoundations; ++j)
        show({ImageKind::Foundation, j});
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        show({ImageKind::Stack, k});
    for (int i = 0; i < kComputerLists; ++i)
        show({ImageKind::Player, i});
    // The stock's count reads a full deck before anything is dealt.
    controls_.counts.fill(0);
    controls_.counts[kStockSlot] = kDeckSize;
    showControls();
}

void Game::dealPlayer(PileList* slots, ImageKind kind, int base) {
    shuffleDeck(shuffle_, random_);
    dealInto(shuffle_, slots);
    for (int k = kFirstWorkSlot; k <= kLastWorkSlot; ++k)
        show({kind, base + k});
    show({kind, base + kPersonalSlot});
    show({kind, base + kStockSlot});
}

void Game::shuffleAndDeal() {
    resetTable();
    controls_.pauseEnabled = true;
    controls_.noOneCanPlayEnabled = true;
    handWithPeopleElsewhere_ = anyElsewhere(seats_);
    dealPlayer(table_.lstStack.data(), ImageKind::Stack, 0);
    for (int base : {kMiddleBase, kLeftBase, kRightBase}) {
        shuffle_.refillSourceDeck();
        dealPlayer(table_.lstPlayer.data() + base, ImageKind::Player, base);
    }
    updateCardCounts();
    controls_.dealEnabled = false;
    controls_.timerEnabled = true;
    controls_.hint = Hint::TurnStock;
    handLevel_.forget();
    handLevel_.see(controls_.checkedLevel());
    stuckWatch_.restart();
    recheckStuck();
    showControls();
}

void Game::goOut(int player) {
    if (ended_)
        return;
    handEnding_ = true;
    controls_.timerEnabled = false;
    showControls();
    if (sheetOpenFromMenu_) {
        // The sheet is already up from the Score command: close it, and end the hand once
        // that showing has returned, so the sheet is never shown twice at once.
        pendingGoingOut_ = player;
        view_->hideScoreSheet();
        return;
    }
    finishGoingOut(player);
}

void Game::finishGoingOut(int player) {
    controls_.hint = Hint::Deal;
    controls_.stuck = false;  // the hand is over: nothing is left to wait for
    showControls();
    view_->announceGoingOut(player);
    if (ended_)
        return;
    tallyHand();
    if (ended_)
        return;
    resetTable();
}

void Game::tallyHand() {
    ++handNumber_;
    scores_.set(handNumber_, scoreHand(table_));
    sheet_.handsListed = handNumber_;
    sheet_.totals = totalsOf(scores_, handNumber_);
    gameWithPeopleElsewhere_ = gameWithPeopleElsewhere_ || handWithPeopleElsewhere_;
    gameLevel_.see(handLevel_.level());
    HandResult result = handResult(table_, scores_, handNumber_, handLevel_.level(), gameLevel_.level());
    result.handWithPeopleElsewhere = handWithPeopleElsewhere_;
    result.gameWithPeopleElsewhere = gameWithPeopleElsewhere_;
    view_->recordHand(result);
    view_->showScoreSheet();
    if (ended_)
        return;
    if (gameOverChoice_ == static_cast<int>(Answer::Cancel))
        endProgram();
    else if (gameOverChoice_ == static_cast<int>(Answer::Ok))
        newGame();
}

void Game::scoreSheetActivated() {
    gameOverChoice_ = 0;
    const GameOutcome outcome = judgeTotals(sheet_.totals);
    if (!outcome.over)
        return;
    gameOverChoice_ = static_cast<std::int16_t>(view_->askPlayAgain(outcome));
    view_->hideScoreSheet();
}

void Game::scoreCommand() {
    if (ended_ || handNumber_ <= 0)
        return;
    sheetOpenFromMenu_ = true;
    view_->showScoreSheet();
    sheetOpenFromMenu_ = false;
    if (ended_ || !pendingGoingOut_)
        return;
    const int player = *pendingGoingOut_;
    pendingGoingOut_.reset();
    finishGoingOut(player);
}

void Game::newGameCommand() {
    if (ended_)
        return;
    newGame();
}

void Game::newGame() {
    if (!applySavedColour())
        return;
    resetTable();
    handNumber_ = 0;
    gameWithPeopleElsewhere_ = false;
    gameLevel_.forget();
    sheet_.handsListed = 0;  // the totals stay until the next tally writes them
    scores_.clear();
}

}  // namespace zanfel
