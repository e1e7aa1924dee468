// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/card_drag.h"

#include <QLabel>

#include "game_front.h"
#include "layers/drop_targets.h"
#include "layers/own_moves.h"
#include "table/card_image.h"
#include "table/card_table.h"

namespace {

zanfel::PileImage humanPile(int slot) {
    return {zanfel::ImageKind::Stack, slot};
}

}  // namespace

CardDrag::CardDrag(CardTable* table, DropTargets* targets, zanfel::GameFront& game, OwnMoves& moves)
    : QObject(table),
      table_(table),
      targets_(targets),
      game_(&game),
      moves_(moves),
      held_(new QLabel(table)) {
    held_->setObjectName(QStringLiteral("heldCard"));
    held_->setAttribute(Qt::WA_TransparentForMouseEvents);
    held_->setScaledContents(true);
    held_->hide();
    connect(table, &CardTable::cardLifted, this, &CardDrag::lift);
    connect(table, &CardTable::cardCarried, this, &CardDrag::carry);
    connect(table, &CardTable::cardLetGo, this, &CardDrag::letGo);
}

// The card is drawn as its place showed it, and the place then shows what lies beneath.
void CardDrag::lift(int slot, QPoint hotSpot) {
    CardImage* pile = table_->image(humanPile(slot));
    slot_ = slot;
    hotSpot_ = hotSpot;
    held_->setPixmap(pile->picture());
    held_->setGeometry(pile->geometry());
    pile->showCard(game_->cardBeneath(slot));
    targets_->offer(slot);
    held_->raise();
    held_->show();
}

void CardDrag::carry(int slot, QPoint pointer) {
    if (slot != slot_)
        return;
    const QRect card = heldRect(pointer);
    held_->move(card.topLeft());
    targets_->hover(pointer, card);
}

// The card goes back on its pile first; a move the game accepts then shows it on its new place.
void CardDrag::letGo(int slot, QPoint pointer) {
    if (slot != slot_)
        return;
    const std::optional<zanfel::PileImage> place = targets_->landing(pointer, heldRect(pointer));
    const bool refused = !place && targets_->refusedAt(pointer);
    cancel();
    if (place)
        moves_.drop(slot, *place);
    else if (refused)
        moves_.refuse();
}

void CardDrag::cancel() {
    if (slot_ < 0)
        return;
    const int slot = slot_;
    slot_ = -1;
    held_->hide();
    held_->setPixmap(QPixmap());
    targets_->withdraw();
    table_->showCard(humanPile(slot), game_->cardFor(humanPile(slot)));
}

void CardDrag::redraw() {
    if (slot_ < 0)
        return;
    const CardImage* pile = table_->image(humanPile(slot_));
    held_->setPixmap(pile->pictureOf(game_->cardFor(humanPile(slot_)), pile->art()));
}

QRect CardDrag::heldRect(QPoint pointer) const {
    return QRect(pointer - hotSpot_, held_->size());
}
