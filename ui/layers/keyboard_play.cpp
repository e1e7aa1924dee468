// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/keyboard_play.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "game_front.h"
#include "layers/card_drag.h"
#include "layers/drop_targets.h"
#include "layers/own_moves.h"
#include "layers/place_outline.h"
#include "table/card_image.h"
#include "table/table_ink.h"

namespace {

// The keys follow the piles from left to right: work piles 1 to 4, the personal pile, the stock.
constexpr std::array<int, 7> kSlotOfKey{-1, 1, 2, 3, 4, zanfel::kPersonalSlot, zanfel::kStockSlot};

void onKey(QWidget* window, QKeySequence key, std::function<void()> action) {
    auto* shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
}

}  // namespace

KeyboardPlay::KeyboardPlay(QWidget* window, QWidget* table, zanfel::GameFront& game, const Piles& piles,
                           DropTargets* targets, const CardDrag* drag, OwnMoves& moves)
    : QObject(window),
      game_(&game),
      moves_(moves),
      piles_(piles),
      targets_(targets),
      drag_(drag),
      ring_(new PlaceOutline(table)) {
    // The stock cannot turn under the card the mouse holds from it.
    onKey(window, QKeySequence(Qt::Key_Space), [this] {
        if (drag_->heldSlot() != zanfel::kStockSlot)
            game_->deckClicked();
    });
    for (int number = 1; number <= 6; ++number)
        onKey(window, QKeySequence(Qt::Key_0 + number), [this, number] { numberKey(number); });
    onKey(window, QKeySequence(Qt::Key_Return), [this] { enterKey(); });
    onKey(window, QKeySequence(Qt::Key_Enter), [this] { enterKey(); });
    onKey(window, QKeySequence(Qt::Key_Escape), [this] { clearPick(); });
}

// With a pile picked, a work pile's number is where its card goes; otherwise a number picks.
void KeyboardPlay::numberKey(int number) {
    const int slot = kSlotOfKey[number];
    if (picked_ < 0 || !zanfel::isWorkSlot(slot)) {
        pick(slot);
        return;
    }
    const int from = picked_;
    clearPick();
    moves_.drop(from, {zanfel::ImageKind::Stack, slot});
}

void KeyboardPlay::enterKey() {
    if (picked_ < 0)
        return;
    const int from = picked_;
    clearPick();
    moves_.playToFoundation(from);
}

// While paused the cards are veiled: no pile is picked, nor are the places for its card shown.
// While the mouse holds a card the outlines are where that card goes: a pick would take them over.
void KeyboardPlay::pick(int slot) {
    if (game_->controls().pauseChecked || drag_->holding())
        return;
    picked_ = slot;
    const QPalette& shades = ring_->palette();
    ring_->surround(piles_[slot], ringInk(shades.color(QPalette::Window), shades.color(QPalette::Highlight)));
    targets_->offer(slot);
}

void KeyboardPlay::clearPick() {
    picked_ = -1;
    ring_->hide();
    if (!drag_->holding())
        targets_->withdraw();
}
