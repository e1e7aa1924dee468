// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/own_moves.h"

#include "game_front.h"
#include "table_sounds.h"

OwnMoves::OwnMoves(zanfel::GameFront& game, TableSounds& sounds) : game_(&game), sounds_(sounds) {}

void OwnMoves::drop(int slot, zanfel::PileImage place) {
    if (place.kind == zanfel::ImageKind::Foundation)
        make(slot, true, [&] { return game_->dropOnFoundation(slot, place.index); });
    else if (place.index != slot)
        make(slot, false, [&] { return game_->dropOnStack(slot, place.index); });
}

void OwnMoves::playToFoundation(int slot) {
    make(slot, true, [&] { return game_->playToFoundation(slot); });
}

void OwnMoves::refuse() {
    sounds_.dropRefused();
}

void OwnMoves::shown(zanfel::PileImage image, zanfel::CardNumber card) {
    if (!landing_ || image.kind != zanfel::ImageKind::Foundation)
        return;
    landing_ = false;
    sounds_.cardOnFoundation(zanfel::kHuman, card);
}

// The game answers at once; a move that empties the personal pile returns only after the hand's
// end has been announced and scored, so its landing is heard as it is shown, not here.
void OwnMoves::make(int slot, bool toFoundation, const std::function<bool()>& move) {
    const bool tried = game_->cardFor({zanfel::ImageKind::Stack, slot}) != zanfel::kNoCard &&
                       !game_->controls().pauseChecked;
    landing_ = toFoundation;
    const bool made = move();
    landing_ = false;
    if (!made && tried)
        refuse();
}
