// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/table_layers.h"

#include <QCoreApplication>

#include "canberra_sound_player.h"
#include "game.h"
#include "layers/card_drag.h"
#include "layers/card_flight.h"
#include "layers/drop_targets.h"
#include "layers/keyboard_play.h"
#include "layers/move_marks.h"
#include "layers/pause_veil.h"
#include "table/card_image.h"
#include "table/card_table.h"
#include "table/pictures.h"

namespace {

// Only the player of sounds is made here: nothing of its library is loaded before the first sound.
SoundPlayer& choosePlayer(SoundPlayer* given, std::unique_ptr<SoundPlayer>& own) {
    if (given)
        return *given;
    own = std::make_unique<CanberraSoundPlayer>(locateSoundFolder(QCoreApplication::applicationDirPath()));
    return *own;
}

}  // namespace

// The layers are made in the order they lie over the table, the lowest first.
TableLayers::TableLayers(zanfel::Game& game, QWidget* window, SoundPlayer* soundPlayer)
    : QObject(window),
      game_(game),
      sounds_(choosePlayer(soundPlayer, ownSoundPlayer_)),
      moves_(game, sounds_),
      table_(new CardTable(window)),
      moveMarks_(new MoveMarks(table_)),
      flight_(new CardFlight(table_)),
      targets_(new DropTargets(table_, game)),
      drag_(new CardDrag(table_, targets_, game, moves_)),
      veil_(new PauseVeil(table_)),
      keyboard_(new KeyboardPlay(window, table_, game, table_->humanPiles(), targets_, moves_)) {
    table_->showHint(game_.controls().hint);
    connect(table_, &CardTable::deckClicked, this, [this] { game_.deckClicked(); });
    connect(table_, &CardTable::stackDoubleClicked, this,
            [this](int slot) { moves_.playToFoundation(slot); });
}

TableLayers::~TableLayers() = default;

void TableLayers::showImage(zanfel::PileImage image, zanfel::CardNumber card) {
    CardImage* place = table_->image(image);
    if (flight_->target() == place)
        flight_->land();
    shownBefore_[zanfel::flatIndex(image)] = place->card();
    table_->showCard(image, card);
    targets_->refresh();
    moves_.shown(image, card);
}

void TableLayers::showControls(const zanfel::Controls& controls) {
    // The hint turns to the stock when a hand is dealt and only then, here or at a host's table.
    if (controls.hint == zanfel::Hint::TurnStock && hint_ != zanfel::Hint::TurnStock)
        sounds_.handDealt();
    hint_ = controls.hint;
    table_->showHint(controls.hint);
    table_->setCounts(controls.counts);
    table_->setCountsVisible(controls.cardCountChecked);
    table_->showStuckCue(controls.stuck && stuckCue_);
    // A pick belongs to the hand it was made in: the table's reset puts the ring away. A pause
    // puts it away too, with a card in the air and a flying one: nothing shows where a card
    // could go while the cards are veiled.
    if (controls.dealEnabled || controls.pauseChecked)
        keyboard_->clearPick();
    table_->setDragsEnabled(!controls.pauseChecked);
    if (controls.pauseChecked)
        settle();
    moveMarks_->hold(controls.pauseChecked);
    veil_->follow(controls.pauseChecked);
}

void TableLayers::setStuckCue(bool shown) {
    stuckCue_ = shown;
    table_->showStuckCue(game_.controls().stuck && shown);
}

void TableLayers::computerMoved(zanfel::PileImage from, zanfel::PileImage to) {
    if (to.kind == zanfel::ImageKind::Foundation)
        sounds_.cardOnFoundation(zanfel::playerOfBase(zanfel::playerBaseOf(from.index)), game_.cardFor(to));
    moveMarks_->showMove(from, table_->image(from), table_->image(to), game_.controls().timerIntervalMs);
    if (animateMoves_)
        flyComputerCard(from, to);
}

// The target already shows the moved card: it flies from there, over the card it covered.
void TableLayers::flyComputerCard(zanfel::PileImage from, zanfel::PileImage to) {
    const CardImage* target = table_->image(to);
    flightTo_ = to;
    flight_->fly(table_->image(from), target, target->picture(), coveredPicture(to),
                 CardFlight::durationFor(game_.controls().timerIntervalMs));
}

QPixmap TableLayers::coveredPicture(zanfel::PileImage to) const {
    const PlaceArt art = table_->image(to)->art();
    const zanfel::CardNumber covered = shownBefore_[zanfel::flatIndex(to)];
    return covered == zanfel::kNoCard ? emptyPlacePicture(art) : facePicture(covered, art);
}

void TableLayers::goingOut(zanfel::PileImage emptiedPile) {
    moveMarks_->showGoingOut(emptiedPile, table_->image(emptiedPile));
    sounds_.wentOut();
}

void TableLayers::goingOutAnnounced() {
    moveMarks_->clearGoingOut();
}

void TableLayers::handScored(const zanfel::HandResult& hand) {
    if (hand.gameOver)
        sounds_.gameEnded();
}

void TableLayers::ownMoveRefused() {
    moves_.refuse();
}

void TableLayers::settle() {
    flight_->land();
    drag_->cancel();
}

void TableLayers::setFaces(zanfel::artwork::FaceSet faces) {
    table_->setFaces(faces);
    if (flight_->inFlight())
        flight_->redraw(table_->image(flightTo_)->picture(), coveredPicture(flightTo_));
    drag_->redraw();
}

void TableLayers::setAnimateMoves(bool animate) {
    animateMoves_ = animate;
    if (!animate)
        flight_->land();
}
