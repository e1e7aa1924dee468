// The hand cycle: clearing the table, shuffling and dealing, going out, scoring and new games.
#include "game.h"

namespace zanfel {

void Game::resetTable() {
    handEnding_ = false;
    controls_.unstuckEnabled = false;
    controls_.pauseEnabled = false;
    controls_.pauseChecked = false;
    controls_.dealEnabled = true;
    controls_.timerEnabled = false;
    controls_.hint = kHintDeal;
    shuffle_.refillSourceDeck();
    table_.clear();
    for (int j = 0; j < kFoundations; ++j)
        show({ImageKind::Pile, j});
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        show({ImageKind::Stack, k});
    for (int i = 0; i < kComputerLists; ++i)
        show({ImageKind::Player, i});
    // The stock's count reads a full deck before anything is dealt.
    for (int k = 1; k < kSlotsPerPlayer; ++k)
        controls_.counts[k] = std::to_string(0);
    controls_.counts[kStockSlot] = std::to_string(kDeckSize);
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
    controls_.unstuckEnabled = true;
    dealPlayer(table_.lstStack.data(), ImageKind::Stack, 0);
    for (int base : {kMiddleBase, kLeftBase, kRightBase}) {
        shuffle_.refillSourceDeck();
        dealPlayer(table_.lstPlayer.data() + base, ImageKind::Player, base);
    }
    updateCardCounts();
    controls_.dealEnabled = false;
    controls_.timerEnabled = true;
    controls_.hint = kHintTurn;
    showControls();
}

void Game::goOut(const Announcement& announcement) {
    if (ended_)
        return;
    handEnding_ = true;
    controls_.timerEnabled = false;
    showControls();
    if (sheetOpenFromMenu_) {
        // The sheet is already up from the Score command: close it, and end the hand once
        // that showing has returned, so the sheet is never shown twice at once.
        pendingGoingOut_ = announcement;
        view_.hideScoreSheet();
        return;
    }
    finishGoingOut(announcement);
}

void Game::finishGoingOut(const Announcement& announcement) {
    controls_.hint = kHintDeal;
    showControls();
    view_.announceGoingOut(announcement);
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
    view_.recordHand(handResult(table_, scores_, handNumber_, controls_.checkedLevel()));
    rebuildSheet(sheet_, scores_, handNumber_);
    view_.showScoreSheet(sheet_);
    if (ended_)
        return;
    if (gameOverChoice_ == static_cast<int>(Answer::Cancel))
        endProgram();
    else if (gameOverChoice_ == static_cast<int>(Answer::Ok))
        newGame();
}

void Game::scoreSheetActivated() {
    gameOverChoice_ = 0;
    std::array<int, kPlayers> totals{};
    for (int player = 0; player < kPlayers; ++player)
        totals[player] = leadingNumber(sheet_.lblTotal[player]);
    const GameOutcome outcome = judgeTotals(totals);
    if (!outcome.over)
        return;
    gameOverChoice_ = static_cast<std::int16_t>(view_.askPlayAgain(gameOverQuestion(outcome)));
    view_.hideScoreSheet();
}

void Game::scoreCommand() {
    if (ended_ || handNumber_ <= 0)
        return;
    sheetOpenFromMenu_ = true;
    view_.showScoreSheet(sheet_);
    sheetOpenFromMenu_ = false;
    if (ended_ || !pendingGoingOut_)
        return;
    const Announcement announcement = *pendingGoingOut_;
    pendingGoingOut_.reset();
    finishGoingOut(announcement);
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
    for (auto& caption : sheet_.lblScore)
        caption.clear();
    scores_.clear();
}

}  // namespace zanfel
