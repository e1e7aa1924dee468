// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card_id.h"

class QPainter;

namespace zanfel::artwork {

// Jacks, queens and kings get a framed panel with a big letter between an emblem and the
// suit. Each rank has its own panel colour and emblem (plume, coronet, crown) so the three
// are told apart at a glance even when the cards are shown small. The frame, the letter, the
// emblem and the suit are in `ink`.
void paintCourtPanel(QPainter& painter, CardId card, const QColor& ink);

}  // namespace zanfel::artwork
