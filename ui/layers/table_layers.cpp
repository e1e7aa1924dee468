// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/table_layers.h"

#include "game_front.h"
#include "layers/card_drag.h"
#include "layers/card_flight.h"
#include "layers/drop_targets.h"
#include "layers/keyboard_play.h"
#include "layers/move_marks.h"
#include "layers/pause_veil.h"
#include "table/card_image.h"
#include "table/card_table.h"
#include "table/pictures.h"

// The layers are made in the order they lie over the table, the lowest first.
TableLayers::TableLayers(zanfel::GameFront& game, QWidget* window)
    : QObject(window),
      game_(&game),
      table_(new CardTable(window)),
      moveMarks_(new MoveMarks(table_)),
      flight_(new CardFlight(table_)),
      targets_(new DropTargets(table_, game)),
      drag_(new CardDrag(table_, targets_, game, [this](int slot) { dropRefused(slot); })),
      veil_(new PauseVeil(table_)),
      keyboard_(new KeyboardPlay(window, table_, game, table_->humanPiles(), targets_)) {
    table_->showHint(game_->controls().hint);
    connect(table_, &CardTable::deckClicked, this, [this] { game_->deckClicked(); });
    connect(table_, &CardTable::stackDoubleClicked, this,
            [this](int slot) { game_->playToFoundation(slot); });
}

void TableLayers::setGame(zanfel::GameFront& game) {
    settle();
    game_ = &game;
    targets_->setGame(game);
    drag_->setGame(game);
    keyboard_->setGame(game);
}

void TableLayers::showImage(zanfel::PileImage image, zanfel::CardNumber card) {
    CardImage* place = table_->image(image);
    if (flight_->target() == place)
        flight_->land();
    shownBefore_[zanfel::flatIndex(image)] = place->card();
    table_->showCard(image, card);
    targets_->refresh();
}

void TableLayers::showControls(const zanfel::Controls& controls) {
    table_->showHint(controls.hint);
    table_->setCounts(controls.counts);
    table_->setCountsVisible(controls.cardCountChecked);
    // A pick belongs to the hand it was made in: the table's reset puts the ring away.
    if (controls.dealEnabled)
        keyboard_->clearPick();
    table_->setDragsEnabled(!controls.pauseChecked);
    if (controls.pauseChecked)
        drag_->cancel();  // a card in the air when play stops goes back
    veil_->follow(controls.pauseChecked);
}

void TableLayers::computerMoved(zanfel::PileImage from, zanfel::PileImage to) {
    const int tickMs = game_->controls().timerIntervalMs;
    moveMarks_->showMove(from, table_->image(from), table_->image(to), tickMs);
    if (animateMoves_)
        flyCard(from, to, CardFlight::durationFor(tickMs));
}

void TableLayers::dropRefused(int /*slot*/) {}

void TableLayers::moveTakenBack(zanfel::PileImage from, zanfel::PileImage to) {
    if (animateMoves_)
        flyCard(to, from, CardFlight::kLongestMs);
    dropRefused(from.index);
}

// The target already shows the moved card: it flies from there, over the card it covered.
void TableLayers::flyCard(zanfel::PileImage from, zanfel::PileImage to, int durationMs) {
    const CardImage* target = table_->image(to);
    const PlaceArt art =
        PlaceArt::forPlace(target->size(), table_->zoom() / 100.0, target->devicePixelRatioF());
    const zanfel::CardNumber covered = shownBefore_[zanfel::flatIndex(to)];
    const QPixmap under = covered == zanfel::kNoCard ? emptyPlacePicture(art) : facePicture(covered, art);
    flight_->fly(table_->image(from), target, target->picture(), under, durationMs);
}

void TableLayers::goingOut(zanfel::PileImage emptiedPile) {
    moveMarks_->showGoingOut(table_->image(emptiedPile), MoveMarks::ownerColour(emptiedPile));
}

void TableLayers::goingOutAnnounced() {
    moveMarks_->clearGoingOut();
}

void TableLayers::settle() {
    flight_->land();
    drag_->cancel();
}

void TableLayers::setAnimateMoves(bool animate) {
    animateMoves_ = animate;
    if (!animate)
        flight_->land();
}
