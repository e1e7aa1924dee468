// SPDX-License-Identifier: GPL-3.0-or-later
// The human's moves on the table: drops on the foundations and on the own work piles, the
// double-click that plays a card to a foundation, and "No one can play".
#include "game.h"

namespace zanfel {

namespace {

bool isHumanSlot(int slot) {
    return slot >= 0 && slot < kSlotsPerPlayer;
}

}  // namespace

// The human's moves and clicks on the deck count unless the game has ended, it is paused, or a
// hand is being closed, whose last position must stay as it was. Between hands the moves find
// every list empty anyway, and the deck deals.
bool Game::humanMayMove() const {
    return !ended_ && !controls_.pauseChecked && !handEnding_;
}

void Game::dropOnFoundation(int sourceSlot, int foundation) {
    if (!humanMayMove() || !isHumanSlot(sourceSlot) || foundation < 0 || foundation >= kFoundations)
        return;
    const PileList& source = table_.lstStack[sourceSlot];
    if (source.empty())
        return;
    const CardNumber card = source.top();
    // Tested against the foundation as it stands now: a computer player may just have played there.
    if (!fitsOnFoundation(table_.pileTop[foundation], card))
        return;
    table_.pileTop[foundation] = card;
    show({ImageKind::Foundation, foundation});
    finishHumanMove(sourceSlot);
}

void Game::dropOnStack(int sourceSlot, int target) {
    if (!humanMayMove() || !isHumanSlot(sourceSlot))
        return;
    const PileList& source = table_.lstStack[sourceSlot];
    if (source.empty())
        return;
    const CardNumber card = source.top();
    // Dropped back on its own pile the card meets itself, which never builds down.
    if (!table_.humanPileTakes(target, card))
        return;
    table_.lstStack[target].addFront(card);
    show({ImageKind::Stack, target});
    finishHumanMove(sourceSlot);
}

// The same tests the drops make, so what the screen offers is exactly what a drop accepts.
PlacesTaking Game::placesTaking(int sourceSlot) const {
    PlacesTaking places;
    if (!humanMayMove() || !isHumanSlot(sourceSlot) || table_.lstStack[sourceSlot].empty())
        return places;
    const CardNumber card = table_.lstStack[sourceSlot].top();
    for (int j = 0; j < kFoundations; ++j)
        places.foundation[j] = fitsOnFoundation(table_.pileTop[j], card);
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        places.stack[k] = table_.humanPileTakes(k, card);
    return places;
}

void Game::playToFoundation(int sourceSlot) {
    if (!humanMayMove() || !isHumanSlot(sourceSlot) || table_.lstStack[sourceSlot].empty())
        return;
    const int foundation = table_.lowestFoundationTaking(table_.lstStack[sourceSlot].top());
    if (foundation >= 0)
        dropOnFoundation(sourceSlot, foundation);
}

// The card has gone: the pile shows what lies beneath, the counts follow, and emptying the
// personal pile ends the hand as the move's very last act.
void Game::finishHumanMove(int sourceSlot) {
    PileList& source = table_.lstStack[sourceSlot];
    source.removeFirst();
    show({ImageKind::Stack, sourceSlot});
    updateCardCounts();
    showControls();
    if (sourceSlot == kPersonalSlot && source.empty()) {
        view_.markGoingOut({ImageKind::Stack, kPersonalSlot});
        goOut(kHuman);
    }
}

// Every stock moves on by one card, the computer players' first. A stock with no card left
// has nothing to move and is passed over; the others still move.
void Game::noOneCanPlayCommand() {
    if (ended_ || !controls_.noOneCanPlayEnabled || handEnding_)
        return;
    for (int base : {kMiddleBase, kLeftBase, kRightBase})
        rotateStockByOne(table_.lstPlayer[base + kStockSlot], {ImageKind::Player, base + kStockSlot});
    rotateStockByOne(table_.lstStack[kStockSlot], {ImageKind::Stack, kStockSlot});
}

void Game::rotateStockByOne(PileList& stock, PileImage image) {
    if (stock.empty())
        return;
    stock.rotate();
    show(image);
}

}  // namespace zanfel
