// SPDX-License-Identifier: GPL-3.0-or-later
#include "hosted_table_view.h"

#include "host.h"

namespace zanfel::net {

void HostedTableView::showImage(PileImage image, CardNumber card) {
    window_.showImage(image, card);
    host_.flushSoon();
}

void HostedTableView::showControls() {
    window_.showControls();
    host_.flushSoon();
}

// The guests hear of it before the host's own announcement holds everything up.
void HostedTableView::announceGoingOut(int player) {
    host_.wentOut(player);
    window_.announceGoingOut(player);
}

void HostedTableView::recordHand(const HandResult& hand) {
    window_.recordHand(hand);
    host_.handScored(hand);
}

void HostedTableView::showScoreSheet() {
    host_.flush();
    window_.showScoreSheet();
}

void HostedTableView::endProgram() {
    host_.hostEnding();
    window_.endProgram();
}

void HostedTableView::markComputerMove(PileImage from, PileImage to) {
    window_.markComputerMove(from, to);
    host_.noteMove(from, to);
}

void HostedTableView::noteOwnMove(PileImage from, PileImage to) {
    host_.noteMove(from, to);
}

void HostedTableView::markPersonMove(int player, PileImage from, PileImage to) {
    window_.markPersonMove(player, from, to);
    host_.noteMove(from, to);
}

}  // namespace zanfel::net
