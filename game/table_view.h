// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card.h"
#include "player_record.h"
#include "scoring.h"
#include "table.h"

namespace zanfel {

enum class Answer { Ok = 1, Cancel = 2 };

// What the game needs from the screen. The game calls it after it has changed its own state;
// the screen only shows that state and reports the player's answers. The game speaks in states
// and numbers: every word the player reads is the screen's.
class TableView {
public:
    virtual ~TableView() = default;

    // One image changed: it now shows `card`, or the empty place when card is 0.
    virtual void showImage(PileImage image, CardNumber card) = 0;
    // Menus, hint, counts and the timer follow Game::controls().
    virtual void showControls() = 0;
    // Modal; returns once the player has closed the announcement that `player` (a player
    // index) went out.
    virtual void announceGoingOut(int player) = 0;
    // A hand was played to the end and scored, and the game with it if it ended. Comes before
    // the sheet and the play-again question, whose answer may end the program at once.
    virtual void recordHand(const HandResult& hand) = 0;
    // Modal; shows Game::scoreSheet() and returns once the sheet is hidden. Each showing must
    // call Game::scoreSheetActivated() once the sheet is up.
    virtual void showScoreSheet() = 0;
    virtual void hideScoreSheet() = 0;
    // The game is over as `outcome` says: name the winner or the tie and ask whether to play
    // again, with OK and Cancel; closing the question without a button counts as Cancel.
    virtual Answer askPlayAgain(const GameOutcome& outcome) = 0;
    // Reads the saved table colour and applies it. False when the saved value was unusable:
    // the player has been told, and the program must end.
    virtual bool applySavedColour() = 0;
    // Puts the table back to the button-face colour and saves that as the table colour.
    virtual void resetTableColour() = 0;
    // Ends the program at once, with every window closed.
    virtual void endProgram() = 0;

    // A computer player's card went from one image to another, both already re-shown. The
    // screen may mark them for a moment; the game's state does not depend on it.
    virtual void markComputerMove(PileImage /*from*/, PileImage /*to*/) {}
    // This emptied personal pile is about to end the hand; the screen may mark it until the
    // announcement has been closed.
    virtual void markGoingOut(PileImage /*emptiedPile*/) {}
    // A person at another screen moved a card, as markComputerMove; a screen that does not tell
    // the two apart marks it as a computer player's move.
    virtual void markPersonMove(int /*player*/, PileImage from, PileImage to) { markComputerMove(from, to); }
    // The person at this screen moved a card, which this screen showed as it was made; other
    // screens, where that person is elsewhere, may mark it.
    virtual void noteOwnMove(PileImage /*from*/, PileImage /*to*/) {}
    // On a guest's screen: the host refused a move the screen showed at once, and its card is
    // back from `to` on `from`, both already re-shown.
    virtual void moveTakenBack(PileImage /*from*/, PileImage /*to*/) {}
    // On a guest's screen, once its sheet is up at the end of a game: the host is asking
    // whether to play again, and `outcome` names the winner. Never modal; the host's answer
    // comes as a new game or as the host leaving.
    virtual void showGameOver(const GameOutcome& /*outcome*/) {}
};

}  // namespace zanfel
