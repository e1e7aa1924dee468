// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

#include "card_id.h"

class QPainter;

namespace zanfel::artwork {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

// The plain card: white with a thin rounded border. Pixels outside the rounding are a
// light neutral grey, since the 24-bit pictures have no transparency.
void paintCardBlank(QPainter& painter, QColor border);

// Paints a whole face in card coordinates (71 x 96); scale the painter for other sizes.
void paintCardFace(QPainter& painter, CardId card);

QImage drawCardFace(CardId card);

}  // namespace zanfel::artwork
