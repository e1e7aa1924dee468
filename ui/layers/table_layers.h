// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "card.h"
#include "controls.h"
#include "face_set.h"
#include "layers/own_moves.h"
#include "player_record.h"
#include "table.h"
#include "table_sounds.h"

class CardDrag;
class CardFlight;
class CardTable;
class DropTargets;
class KeyboardPlay;
class MoveMarks;
class PauseVeil;
class QPixmap;
class SeatCaptions;
class QWidget;
class SoundPlayer;

namespace zanfel {
class GameFront;
}

// The card table and everything drawn over its places: the computer players' flying cards and
// the marks of their moves, the human's card in the air with the places that would take it, the
// keyboard's pick, the pause veil, the names of a network game's seats; and the table's sounds. It
// is told what happened on the table (an image shown anew, the controls changed, a computer
// player's move, a player going out, a hand scored, a window about to come up over the table),
// keeps every layer in step with it and asks for each moment's sound once; the player's clicks,
// drags and keys on the table go from here to the game, played here or hosted elsewhere. A new
// layer is made and told here, nowhere else.
class TableLayers : public QObject {
    Q_OBJECT
public:
    // The table becomes a child of `window`, whose keys play the cards. Without a player of
    // sounds the table is heard through the desktop's sound library, opened at the first sound.
    TableLayers(zanfel::GameFront& game, QWidget* window, SoundPlayer* soundPlayer = nullptr);
    ~TableLayers() override;
    // The game the table shows and plays from now on, seen from its own seat.
    void setGame(zanfel::GameFront& game);

    CardTable* table() const { return table_; }
    TableSounds& sounds() { return sounds_; }

    // One image shows `card` now. A flight to it has nothing left to show and lands.
    void showImage(zanfel::PileImage image, zanfel::CardNumber card);
    // The hint, the stuck cue, the counts, whether cards can be lifted, the veil, and between
    // hands and while paused no pick.
    void showControls(const zanfel::Controls& controls);
    // A computer player's card went from `from` to `to`, both already shown anew.
    void computerMoved(zanfel::PileImage from, zanfel::PileImage to);
    // This emptied personal pile ends the hand: it stays marked until the announcement is closed.
    void goingOut(zanfel::PileImage emptiedPile);
    void goingOutAnnounced();
    // A hand was scored; it may have ended the game.
    void handScored(const zanfel::HandResult& hand);
    // A move of the player's that was shown has been put back: the host refused it.
    void ownMoveRefused();
    // The same, with the card flying back from `to` to `from`, both already shown anew.
    void moveTakenBack(zanfel::PileImage from, zanfel::PileImage to);
    // A window is about to come up over the table, or the program ends: nothing stays in the air.
    void settle();
    // Whether the computer players' cards fly; when they stop, a card in the air lands.
    void setAnimateMoves(bool animate);
    // Whether the table says so when the human is stuck (Controls::stuck).
    void setStuckCue(bool shown);
    // The faces as the player likes them, at once on every place, on a card flying and on the
    // card in the player's hand.
    void setFaces(zanfel::artwork::FaceSet faces);
    // In a network game each seat is named beside its deck, and the veil says who paused.
    void setNetworkGame(bool network);
    // A guest's link to the host is lost and being taken up again: the table lies under the veil,
    // which says so; an empty text lifts it.
    void showLinkLost(const QString& text);

    const MoveMarks& moveMarks() const { return *moveMarks_; }
    const CardFlight& flight() const { return *flight_; }
    const DropTargets& dropTargets() const { return *targets_; }
    const PauseVeil& veil() const { return *veil_; }
    const KeyboardPlay& keyboard() const { return *keyboard_; }
    const SeatCaptions& captions() const { return *captions_; }

private:
    void flyCard(zanfel::PileImage from, zanfel::PileImage to, int durationMs);
    QPixmap coveredPicture(zanfel::PileImage to) const;
    void followVeil();

    zanfel::GameFront* game_;
    std::unique_ptr<SoundPlayer> ownSoundPlayer_;
    TableSounds sounds_;
    OwnMoves moves_;
    CardTable* table_;
    SeatCaptions* captions_;
    MoveMarks* moveMarks_;
    CardFlight* flight_;
    DropTargets* targets_;
    CardDrag* drag_;
    PauseVeil* veil_;
    KeyboardPlay* keyboard_;
    bool animateMoves_ = true;
    bool stuckCue_ = true;
    zanfel::PileImage flightTo_{};
    zanfel::Hint hint_ = zanfel::Hint::BeforeStartUp;
    QString linkLost_;
    // What each image showed before its last change: the card a flight covers until it lands.
    std::array<zanfel::CardNumber, zanfel::kImageCount> shownBefore_{};
};
