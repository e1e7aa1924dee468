// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>

#include "card_id.h"

class QPainter;

namespace zanfel::artwork {

// Suit outline filling the unit box [-0.5, 0.5]², point up (spades) or lobes up (hearts).
QPainterPath suitPath(Suit suit);

// Fills the suit symbol `height` pixels tall centred on `centre` in `ink`, upside down if asked.
void paintSuit(QPainter& painter, Suit suit, const QColor& ink, QPointF centre, double height,
               bool upsideDown = false);

}  // namespace zanfel::artwork
