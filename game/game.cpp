// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "computer_player.h"

namespace zanfel {

Game::Game(TableView& view, RandomSource& random) : view_(&view), random_(random) {}

void Game::startUp() {
    resetTable();
    if (!applySavedColour())
        return;
    controls_.levelChecked[kNormalLevel] = true;
    controls_.cardCountChecked = false;
    controls_.timerIntervalMs = kLevelIntervalMs[kNormalLevel];
    showControls();
}

void Game::dealCommand() {
    if (ended_ || !controls_.dealEnabled)
        return;
    shuffleAndDeal();
}

void Game::tick() {
    if (ended_ || !controls_.timerEnabled)
        return;
    playerBase_ = nextPlayerBase(playerBase_);
    const int base = playerBase_;
    // A person plays this seat: the tick passes, so every computer player keeps its own pace.
    if (seats_[playerOfBase(base)].kind != SeatKind::Computer)
        return;
    const ComputerAction action = playComputerTurn(table_, base);
    PileImage to{ImageKind::Player, base + action.to};
    switch (action.kind) {
        case ComputerActionKind::ToFoundation:
            to = {ImageKind::Foundation, action.to};
            break;
        case ComputerActionKind::ToWorkPile:
            break;
        case ComputerActionKind::TurnStock:
            show({ImageKind::Player, base + kStockSlot});
            return;
        case ComputerActionKind::Pass:
            return;
    }
    const PileImage from{ImageKind::Player, base + action.fromSlot};
    show(to);
    show(from);
    const bool asksCleared = clearAsks();
    if (recheckStuck() || asksCleared)
        showControls();
    view_->markComputerMove(from, to);
    if (action.fromSlot == kPersonalSlot && table_.lstPlayer[base + kPersonalSlot].empty()) {
        view_->markGoingOut(from);
        goOut(playerOfBase(base));
    }
}

void Game::pauseCommand() {
    if (ended_ || !controls_.pauseEnabled)
        return;
    // The two flip independently; a deal starts them in step and a reset stops both.
    controls_.timerEnabled = !controls_.timerEnabled;
    controls_.pauseChecked = !controls_.pauseChecked;
    controls_.pausedBy = kHuman;
    showControls();
}

void Game::levelCommand(int level) {
    if (ended_ || level < 1 || level > kLevelCount)
        return;
    controls_.levelChecked.fill(false);
    controls_.levelChecked[level] = true;
    controls_.timerIntervalMs = kLevelIntervalMs[level];
    // From the deal to the tally the hand is played at every level chosen meanwhile.
    if (!controls_.dealEnabled)
        handLevel_.see(level);
    showControls();
}

void Game::cardCountCommand() {
    if (ended_)
        return;
    controls_.cardCountChecked = !controls_.cardCountChecked;
    showControls();
}

// The colour goes back first, then the counts are hidden; the skill level is not an option.
void Game::resetOptionsCommand() {
    if (ended_)
        return;
    view_->resetTableColour();
    controls_.cardCountChecked = false;
    showControls();
}

void Game::setSeat(int player, const Seat& seat) {
    if (ended_ || !isPlayer(player) || (player == kHuman) != (seat.kind == SeatKind::Here))
        return;
    seats_[player] = seat;
    if (seat.kind == SeatKind::Elsewhere && controls_.pauseEnabled)
        handWithPeopleElsewhere_ = true;
    // Someone who leaves takes their ask along; those still seated may all have asked now.
    controls_.askedNoOneCanPlay[player] =
        controls_.askedNoOneCanPlay[player] && seat.kind == SeatKind::Elsewhere;
    if (everyoneElsewhereAsked())
        noOneCanPlayCommand();
    showControls();
}

CardNumber Game::cardBeneath(int slot) const {
    if (!isSlot(slot))
        return kNoCard;
    const PileList& pile = table_.lstStack[slot];
    return pile.count() > 1 ? pile.item(1) : kNoCard;
}

int Game::countOf(PileImage image) const {
    switch (image.kind) {
        case ImageKind::Stack:
            return table_.lstStack[image.index].count();
        case ImageKind::Player:
            return table_.lstPlayer[image.index].count();
        case ImageKind::Foundation:
            break;
    }
    return 0;
}

void Game::updateCardCounts() {
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        controls_.counts[k] = table_.lstStack[k].count();
}

void Game::show(PileImage image) {
    view_->showImage(image, table_.cardFor(image));
}

void Game::showControls() {
    view_->showControls();
}

bool Game::applySavedColour() {
    if (view_->applySavedColour())
        return true;
    endProgram();
    return false;
}

void Game::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    controls_.timerEnabled = false;
    view_->endProgram();
}

}  // namespace zanfel
