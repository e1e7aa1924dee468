// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "table.h"

namespace zanfel {

// Every screen shows its own player at the bottom and the others round the table in the order
// the host sees them, clockwise: bottom, left, top, right. The foundations stay where they are.
// A viewer is the player index of the screen's own seat as the host numbers it; a local
// player index is where that screen draws a player (kHuman the bottom, kLeftPlayer the left,
// kMiddlePlayer across, kRightPlayer the right). For the host, viewer 0, both are the same.

// Where the viewer's screen draws the host's `player`.
int localPlayer(int viewer, int player);
// The host's player drawn at the viewer's local place `local`.
int hostPlayer(int viewer, int local);

// The image on the viewer's screen that shows the host's image, and back.
PileImage localImage(int viewer, PileImage hostImage);
PileImage hostImage(int viewer, PileImage localImage);

}  // namespace zanfel
