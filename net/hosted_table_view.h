// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table_view.h"

namespace zanfel::net {

class Host;

// The host's screen as its Game sees it during a network game: everything goes on to the host's
// own window as before, modal windows included, and the host tells its guests what changed
// first, without waiting for them.
class HostedTableView final : public TableView {
public:
    HostedTableView(TableView& window, Host& host) : window_(window), host_(host) {}

    void showImage(PileImage image, CardNumber card) override;
    void showControls() override;
    void announceGoingOut(int player) override;
    void recordHand(const HandResult& hand) override;
    void showScoreSheet() override;
    void hideScoreSheet() override { window_.hideScoreSheet(); }
    Answer askPlayAgain(const GameOutcome& outcome) override { return window_.askPlayAgain(outcome); }
    bool applySavedColour() override { return window_.applySavedColour(); }
    void resetTableColour() override { window_.resetTableColour(); }
    void endProgram() override;
    void markComputerMove(PileImage from, PileImage to) override;
    void markGoingOut(PileImage emptiedPile) override { window_.markGoingOut(emptiedPile); }
    void markPersonMove(int player, PileImage from, PileImage to) override;
    void noteOwnMove(PileImage from, PileImage to) override;
    void showGameOver(const GameOutcome& outcome) override { window_.showGameOver(outcome); }

private:
    TableView& window_;
    Host& host_;
};

}  // namespace zanfel::net
