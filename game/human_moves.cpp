// SPDX-License-Identifier: GPL-3.0-or-later
// A person's moves on the table, at any seat: the deck, drops on the foundations and on the
// own work piles, the double-click that plays a card to a foundation, and "No one can play".
#include "game.h"

namespace zanfel {

// The human's moves and clicks on the deck count unless the game has ended, it is paused, or a
// hand is being closed, whose last position must stay as it was. Between hands the moves find
// every list empty anyway, and the deck deals.
bool Game::humanMayMove() const {
    return !ended_ && !controls_.pauseChecked && !handEnding_;
}

// A seat's piles are moved by the person playing it, never by anyone for a computer player.
bool Game::personMayMove(int player) const {
    return humanMayMove() && isPlayer(player) && isPerson(seats_[player].kind);
}

bool Game::deckClicked(int player) {
    if (!personMayMove(player))
        return false;
    if (!controls_.timerEnabled) {
        if (player != kHuman)
            return false;  // only the bottom seat deals
        shuffleAndDeal();
        return true;
    }
    PileList& stock = table_.pileOf(player, kStockSlot);
    if (stock.empty())
        return false;  // every stock card has been played: nothing to turn
    for (int i = 0; i < 3; ++i)
        stock.rotate();
    show(imageOf(player, kStockSlot));
    if (player == kHuman) {
        stuckWatch_.stockTurned();
        if (recheckStuck())
            showControls();
    }
    return true;
}

bool Game::dropOnFoundation(int player, int sourceSlot, int foundation) {
    if (!personMayMove(player) || !isSlot(sourceSlot) || foundation < 0 || foundation >= kFoundations)
        return false;
    const PileList& source = table_.pileOf(player, sourceSlot);
    if (source.empty())
        return false;
    const CardNumber card = source.top();
    // Tested against the foundation as it stands now: someone else may just have played there.
    if (!fitsOnFoundation(table_.pileTop[foundation], card))
        return false;
    table_.pileTop[foundation] = card;
    const PileImage to{ImageKind::Foundation, foundation};
    show(to);
    finishPersonMove(player, sourceSlot, to);
    return true;
}

bool Game::dropOnStack(int player, int sourceSlot, int target) {
    if (!personMayMove(player) || !isSlot(sourceSlot))
        return false;
    const PileList& source = table_.pileOf(player, sourceSlot);
    if (source.empty())
        return false;
    const CardNumber card = source.top();
    // Dropped back on its own pile the card meets itself, which never builds down.
    if (!table_.pileTakes(player, target, card))
        return false;
    table_.pileOf(player, target).addFront(card);
    show(imageOf(player, target));
    finishPersonMove(player, sourceSlot, imageOf(player, target));
    return true;
}

// The same tests the drops make, so what the screen offers is exactly what a drop accepts.
PlacesTaking Game::placesTaking(int player, int sourceSlot) const {
    if (!personMayMove(player) || !isSlot(sourceSlot) || table_.pileOf(player, sourceSlot).empty())
        return {};
    return table_.placesTaking(player, table_.pileOf(player, sourceSlot).top());
}

bool Game::playToFoundation(int player, int sourceSlot) {
    if (!personMayMove(player) || !isSlot(sourceSlot) || table_.pileOf(player, sourceSlot).empty())
        return false;
    const int foundation = table_.lowestFoundationTaking(table_.pileOf(player, sourceSlot).top());
    return foundation >= 0 && dropOnFoundation(player, sourceSlot, foundation);
}

// The card has gone: the pile shows what lies beneath, the counts follow, and emptying the
// personal pile ends the hand as the move's very last act.
void Game::finishPersonMove(int player, int sourceSlot, PileImage to) {
    PileList& source = table_.pileOf(player, sourceSlot);
    source.removeFirst();
    const PileImage from = imageOf(player, sourceSlot);
    show(from);
    updateCardCounts();
    clearAsks();
    recheckStuck();
    showControls();
    if (seats_[player].kind == SeatKind::Elsewhere)
        view_->markPersonMove(player, from, to);
    else
        view_->noteOwnMove(from, to);
    if (sourceSlot == kPersonalSlot && source.empty()) {
        view_->markGoingOut(from);
        goOut(player);
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
    stuckWatch_.restart();
    const bool asksCleared = clearAsks();
    if (recheckStuck() || asksCleared)
        showControls();
}

void Game::rotateStockByOne(PileList& stock, PileImage image) {
    if (stock.empty())
        return;
    stock.rotate();
    show(image);
}

bool Game::askNoOneCanPlay(int player) {
    if (ended_ || !controls_.noOneCanPlayEnabled || handEnding_ || !isPlayer(player) ||
        seats_[player].kind != SeatKind::Elsewhere)
        return false;
    controls_.askedNoOneCanPlay[player] = true;
    if (everyoneElsewhereAsked())
        noOneCanPlayCommand();
    else
        showControls();
    return true;
}

// With nobody elsewhere left at the table there is no one whose asks could add up.
bool Game::everyoneElsewhereAsked() const {
    bool anyone = false;
    for (int player = 0; player < kPlayers; ++player) {
        if (seats_[player].kind != SeatKind::Elsewhere)
            continue;
        if (!controls_.askedNoOneCanPlay[player])
            return false;
        anyone = true;
    }
    return anyone;
}

// Something changed on the table: is the human stuck now? True when that changed.
bool Game::recheckStuck() {
    const bool wasStuck = controls_.stuck;
    stuckWatch_.recheck(anyMovePossible(table_, kHuman), turningCanHelp(table_, kHuman),
                        table_.lstStack[kStockSlot].count());
    controls_.stuck = stuckWatch_.stuck();
    return controls_.stuck != wasStuck;
}

// A card moved, so whoever asked may have a move now. True when there were asks to clear.
bool Game::clearAsks() {
    const bool any = controls_.askedNoOneCanPlay != std::array<bool, kPlayers>{};
    controls_.askedNoOneCanPlay.fill(false);
    return any;
}

}  // namespace zanfel
