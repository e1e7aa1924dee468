// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "scoring.h"
#include "seats.h"
#include "table.h"

namespace zanfel {

// The game as one screen drives and reads it, from that screen's own seat: the Game itself
// when it is played here, or a stand-in for a game hosted on another computer. Slots, images
// and player indices are the screen's own: its player is kHuman at the bottom. The window
// cannot tell the two apart; what it shows comes through TableView either way.
class GameFront {
public:
    virtual ~GameFront() = default;

    // The player's and the timer's events, as the window forwards them.
    virtual void deckClicked() = 0;
    virtual void dealCommand() = 0;
    virtual void tick() = 0;
    virtual void newGameCommand() = 0;
    virtual void scoreCommand() = 0;
    virtual void pauseCommand() = 0;
    virtual void levelCommand(int level) = 0;
    virtual void cardCountCommand() = 0;
    virtual void resetOptionsCommand() = 0;
    virtual void exitCommand() = 0;
    virtual void noOneCanPlayCommand() = 0;
    virtual void scoreSheetActivated() = 0;
    // The player's own moves: true when the move is made, shown before the call returns; false
    // when it is refused and nothing changed. On a guest's screen a move made here may still be
    // refused by the host later, and then goes back.
    virtual bool dropOnFoundation(int sourceSlot, int foundation) = 0;
    virtual bool dropOnStack(int sourceSlot, int target) = 0;
    virtual bool playToFoundation(int sourceSlot) = 0;
    virtual PlacesTaking placesTaking(int sourceSlot) const = 0;

    // What the screen shows.
    virtual const Controls& controls() const = 0;
    virtual const ScoreSheetFigures& scoreSheet() const = 0;
    virtual const HandScores& handScores() const = 0;
    virtual const Seats& seats() const = 0;
    virtual bool ended() const = 0;
    // The card an image shows now, kNoCard for the empty place.
    virtual CardNumber cardFor(PileImage image) const = 0;
    // The card beneath the top of the screen's own pile `slot`, shown while the top card is in
    // the air; kHiddenCard when a card lies there that this screen may not see.
    virtual CardNumber cardBeneath(int slot) const = 0;
    // How many cards a player's pile holds; 0 for a foundation.
    virtual int countOf(PileImage image) const = 0;
    // The screen's own seat as the host of a network game numbers players: the host's and a
    // game alone's is the bottom one.
    virtual int viewer() const { return kHuman; }
};

}  // namespace zanfel
