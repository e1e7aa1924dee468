// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer_player.h"

#include <optional>

namespace zanfel {

namespace {

constexpr int kStockTurn = 3;

// A work pile takes any card when empty. It takes a fitting card from the personal pile or
// the stock, and from a work pile only that pile's last card, so a built pile stays whole.
std::optional<int> firstTakingWorkPile(const Table& table, int base, int fromSlot, CardNumber card) {
    const bool mayBuild =
        fromSlot == kPersonalSlot || fromSlot == kStockSlot || table.lstPlayer[base + fromSlot].count() == 1;
    for (int j = kFirstWorkSlot; j <= kLastWorkSlot; ++j) {
        const PileList& target = table.lstPlayer[base + j];
        if (target.empty() || (mayBuild && buildsDownOn(card, target.top())))
            return j;
    }
    return std::nullopt;
}

std::optional<ComputerAction> findMove(const Table& table, int base, int fromSlot) {
    const PileList& source = table.lstPlayer[base + fromSlot];
    if (source.empty())
        return std::nullopt;  // an empty stock gives nothing to play
    const CardNumber card = source.top();
    // An ace goes to the lowest empty foundation, any other card to the lowest it follows.
    if (const int j = table.lowestFoundationTaking(card); j >= 0)
        return ComputerAction{ComputerActionKind::ToFoundation, fromSlot, j};
    if (auto j = firstTakingWorkPile(table, base, fromSlot, card))
        return ComputerAction{ComputerActionKind::ToWorkPile, fromSlot, *j};
    return std::nullopt;
}

void makeMove(Table& table, int base, const ComputerAction& action) {
    PileList& source = table.lstPlayer[base + action.fromSlot];
    const CardNumber card = source.top();
    if (action.kind == ComputerActionKind::ToFoundation)
        table.pileTop[action.to] = card;
    else
        table.lstPlayer[base + action.to].addFront(card);
    source.removeFirst();
}

}  // namespace

ComputerAction playComputerTurn(Table& table, int base) {
    for (int slot = kPersonalSlot; slot >= kStockSlot; --slot) {
        if (auto move = findMove(table, base, slot)) {
            makeMove(table, base, *move);
            return *move;
        }
    }
    PileList& stock = table.lstPlayer[base + kStockSlot];
    if (stock.empty())
        return ComputerAction{ComputerActionKind::Pass, kStockSlot, 0};
    for (int i = 0; i < kStockTurn; ++i)
        stock.rotate();
    return ComputerAction{ComputerActionKind::TurnStock, kStockSlot, 0};
}

}  // namespace zanfel
