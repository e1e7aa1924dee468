// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "computer_player.h"

namespace zanfel {

Game::Game(TableView& view, RandomSource& random) : view_(view), random_(random) {}

void Game::startUp() {
    resetTable();
    if (!applySavedColour())
        return;
    controls_.levelChecked[kNormalLevel] = true;
    controls_.cardCountChecked = false;
    controls_.timerIntervalMs = kLevelIntervalMs[kNormalLevel];
    showControls();
}

void Game::deckClicked() {
    if (!humanMayMove())
        return;
    if (!controls_.timerEnabled) {
        shuffleAndDeal();
        return;
    }
    PileList& stock = table_.lstStack[kStockSlot];
    if (stock.empty())
        return;  // every stock card has been played: nothing to turn
    for (int i = 0; i < 3; ++i)
        stock.rotate();
    show({ImageKind::Stack, kStockSlot});
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
    view_.markComputerMove(from, to);
    if (action.fromSlot == kPersonalSlot && table_.lstPlayer[base + kPersonalSlot].empty()) {
        view_.markGoingOut(from);
        goOut(playerOfBase(base));
    }
}

void Game::pauseCommand() {
    if (ended_ || !controls_.pauseEnabled)
        return;
    // The two flip independently; a deal starts them in step and a reset stops both.
    controls_.timerEnabled = !controls_.timerEnabled;
    controls_.pauseChecked = !controls_.pauseChecked;
    showControls();
}

void Game::levelCommand(int level) {
    if (ended_ || level < 1 || level > kLevelCount)
        return;
    controls_.levelChecked.fill(false);
    controls_.levelChecked[level] = true;
    controls_.timerIntervalMs = kLevelIntervalMs[level];
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
    view_.resetTableColour();
    controls_.cardCountChecked = false;
    showControls();
}

void Game::updateCardCounts() {
    for (int k = 0; k < kSlotsPerPlayer; ++k)
        controls_.counts[k] = table_.lstStack[k].count();
}

void Game::show(PileImage image) {
    view_.showImage(image, table_.cardFor(image));
}

void Game::showControls() {
    view_.showControls();
}

bool Game::applySavedColour() {
    if (view_.applySavedColour())
        return true;
    endProgram();
    return false;
}

void Game::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    controls_.timerEnabled = false;
    view_.endProgram();
}

}  // namespace zanfel
