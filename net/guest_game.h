// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <deque>
#include <optional>

#include "game_front.h"
#include "guest_session.h"
#include "guest_table.h"
#include "table_view.h"

namespace zanfel::net {

// The game on a guest's screen: a stand-in for the host's Game that the window drives exactly
// as it drives a game played here. Moves go to the host as requests; the guest's own show at
// once and go back if the host refuses them. Everything is seen from the guest's own seat at
// the bottom. Only the host deals, starts a new game, pauses, sets the level and answers "play
// again": those commands do nothing here, and the controls say so (Controls::hostDecides).
class GuestGame : public QObject, public GameFront {
    Q_OBJECT
public:
    // Make it before the game starts (at joining): it follows the session from then on.
    GuestGame(GuestSession& session, TableView& view, QObject* parent = nullptr);

    void deckClicked() override;
    void dealCommand() override {}
    void tick() override {}
    void newGameCommand() override {}
    void scoreCommand() override;
    void pauseCommand() override {}
    void levelCommand(int) override {}
    void cardCountCommand() override;
    void resetOptionsCommand() override;
    void exitCommand() override;
    void noOneCanPlayCommand() override;
    void scoreSheetActivated() override;
    bool dropOnFoundation(int sourceSlot, int foundation) override;
    bool dropOnStack(int sourceSlot, int target) override;
    bool playToFoundation(int sourceSlot) override;
    PlacesTaking placesTaking(int sourceSlot) const override;

    const Controls& controls() const override { return controls_; }
    const ScoreSheetFigures& scoreSheet() const override { return sheet_; }
    const HandScores& handScores() const override { return scores_; }
    const Seats& seats() const override { return seats_; }
    bool ended() const override { return ended_; }
    CardNumber cardFor(PileImage image) const override;
    CardNumber cardBeneath(int slot) const override;
    int countOf(PileImage image) const override;

    // The guest's seat as the host numbers it; 0 until welcomed.
    int seat() const { return seat_; }
    int viewer() const override { return seat_; }
    // The host's word on the table, without the guest's own moves still unanswered.
    const GuestTable& table() const { return table_; }

private:
    void restart();
    void take(const Message& message);
    void answered(const MoveAnswer& answer);
    void sessionEnded();
    void hold(const Message& message);
    void handle(const Message& message);
    void tableChanged(const TableChanges& changes);
    void controlsChanged(const ControlsState& state);
    void handScored(const HandScored& scored);
    void history(const ScoreHistory& rows);
    void seatsChanged(const LobbySeats& lobby);
    void modal(void (TableView::*call)());
    void announce(int player);
    void drain();
    void refresh();
    HandRow localRow(const std::vector<int>& hostRow) const;
    Totals localTotals(const std::vector<int>& hostTotals) const;
    bool mayMove() const;
    int nextSeq();
    VisiblePile shownPile(PileImage image) const;

    GuestSession& session_;
    TableView& view_;
    int seat_ = 0;
    GuestTable table_{0};
    VisibleTable shown_;
    std::array<CardNumber, kImageCount> onScreen_{};
    Controls controls_;
    ScoreSheetFigures sheet_;
    HandScores scores_;
    Seats seats_ = aloneSeats();
    std::optional<GameOutcome> gameOver_;
    int seq_ = 0;
    bool ended_ = false;
    bool sessionOver_ = false;  // the screen hears nothing more from this game
    bool inHand_ = false;
    bool awaiting_ = true;  // the table is still being told anew
    // While the screen is in a modal window the table is kept up to date unseen, and the rest
    // waits its turn.
    int modalDepth_ = 0;
    std::deque<Message> held_;
};

}  // namespace zanfel::net
