// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/table_layers.h"

#include <QCoreApplication>

#include "canberra_sound_player.h"
#include "game_front.h"
#include "layers/card_drag.h"
#include "layers/card_flight.h"
#include "layers/drop_targets.h"
#include "layers/keyboard_play.h"
#include "layers/move_marks.h"
#include "layers/pause_veil.h"
#include "layers/seat_captions.h"
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
TableLayers::TableLayers(zanfel::GameFront& game, QWidget* window, SoundPlayer* soundPlayer)
    : QObject(window),
      game_(&game),
      sounds_(choosePlayer(soundPlayer, ownSoundPlayer_)),
      moves_(game, sounds_),
      table_(new CardTable(window)),
      captions_(new SeatCaptions(table_)),
      moveMarks_(new MoveMarks(table_)),
      flight_(new CardFlight(table_)),
      targets_(new DropTargets(table_, game)),
      drag_(new CardDrag(table_, targets_, game, moves_)),
      veil_(new PauseVeil(table_)),
      keyboard_(new KeyboardPlay(window, table_, game, table_->humanPiles(), targets_, drag_, moves_)) {
    table_->showHint(game_->controls().hint);
    captions_->setGame(game);
    connect(table_, &CardTable::deckClicked, this, [this] { game_->deckClicked(); });
    connect(table_, &CardTable::stackDoubleClicked, this,
            [this](int slot) { moves_.playToFoundation(slot); });
    // The mouse takes over from the keys: a card lifted puts the pick's ring away.
    connect(table_, &CardTable::cardLifted, keyboard_, &KeyboardPlay::clearPick);
}

TableLayers::~TableLayers() = default;

void TableLayers::setGame(zanfel::GameFront& game) {
    settle();
    game_ = &game;
    moves_.setGame(game);
    targets_->setGame(game);
    drag_->setGame(game);
    keyboard_->setGame(game);
    captions_->setGame(game);
    table_->setViewer(game.viewer());
    moveMarks_->setViewer(game.viewer());
}

void TableLayers::setNetworkGame(bool network) {
    captions_->setShown(network);
    followVeil();
}

void TableLayers::showLinkLost(const QString& text) {
    linkLost_ = text;
    if (!text.isEmpty())
        drag_->cancel();
    table_->setDragsEnabled(text.isEmpty() && !game_->controls().pauseChecked);
    followVeil();
}

// The veil says who paused in a network game; a lost link covers the table whatever the pause.
void TableLayers::followVeil() {
    const zanfel::Controls& controls = game_->controls();
    QString text = linkLost_;
    if (text.isEmpty() && captions_->shown() && controls.hostDecides)
        text = tr("%1 paused the game").arg(captions_->nameOf(controls.pausedBy));
    else if (text.isEmpty() && captions_->shown())
        text = tr("You paused the game: Ctrl+Z to go on");
    veil_->setText(text);
    veil_->follow(controls.pauseChecked || !linkLost_.isEmpty());
}

void TableLayers::showImage(zanfel::PileImage image, zanfel::CardNumber card) {
    CardImage* place = table_->image(image);
    if (flight_->target() == place)
        flight_->land();
    shownBefore_[zanfel::flatIndex(image)] = place->card();
    table_->showCard(image, card);
    targets_->refresh();
    moves_.shown(image, card);
    if (image.kind != zanfel::ImageKind::Foundation &&
        image.index % zanfel::kSlotsPerPlayer == zanfel::kPersonalSlot)
        captions_->refresh();
}

void TableLayers::showControls(const zanfel::Controls& controls) {
    // The hint turns to the stock when a hand is dealt and only then, here or at a host's table.
    if (controls.hint == zanfel::Hint::TurnStock && hint_ != zanfel::Hint::TurnStock)
        sounds_.handDealt();
    hint_ = controls.hint;
    table_->showHint(controls.hint, controls.hostDecides);
    captions_->refresh();
    table_->setCounts(controls.counts);
    table_->setCountsVisible(controls.cardCountChecked);
    table_->showStuckCue(controls.stuck && stuckCue_);
    // A pick belongs to the hand it was made in: the table's reset puts the ring away. A pause
    // puts it away too, with a card in the air and a flying one: nothing shows where a card
    // could go while the cards are veiled.
    if (controls.dealEnabled || controls.pauseChecked)
        keyboard_->clearPick();
    table_->setDragsEnabled(!controls.pauseChecked && linkLost_.isEmpty());
    if (controls.pauseChecked)
        settle();
    moveMarks_->hold(controls.pauseChecked);
    followVeil();
}

void TableLayers::setStuckCue(bool shown) {
    stuckCue_ = shown;
    table_->showStuckCue(game_->controls().stuck && shown);
}

void TableLayers::computerMoved(zanfel::PileImage from, zanfel::PileImage to) {
    const int tickMs = game_->controls().timerIntervalMs;
    if (to.kind == zanfel::ImageKind::Foundation)
        sounds_.cardOnFoundation(zanfel::playerOfBase(zanfel::playerBaseOf(from.index)), game_->cardFor(to));
    moveMarks_->showMove(from, table_->image(from), table_->image(to), tickMs);
    if (animateMoves_)
        flyCard(from, to, CardFlight::durationFor(tickMs));
}

// The host refused a move of the player's that this screen showed at once: the card flies back
// and the refusal is heard.
void TableLayers::moveTakenBack(zanfel::PileImage from, zanfel::PileImage to) {
    if (animateMoves_)
        flyCard(to, from, CardFlight::kLongestMs);
    ownMoveRefused();
}

// The target already shows the moved card: it flies from there, over the card it covered.
void TableLayers::flyCard(zanfel::PileImage from, zanfel::PileImage to, int durationMs) {
    const CardImage* target = table_->image(to);
    flightTo_ = to;
    flight_->fly(table_->image(from), target, target->picture(), coveredPicture(to), durationMs);
}

QPixmap TableLayers::coveredPicture(zanfel::PileImage to) const {
    const CardImage* place = table_->image(to);
    return place->pictureOf(shownBefore_[zanfel::flatIndex(to)], place->art());
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
