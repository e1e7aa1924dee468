// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "card_id.h"

class QPainter;
class QRectF;

namespace zanfel::artwork {

// Where a number card's pips sit, as fractions of the pip field: x 0 left column,
// 0.5 middle, 1 right; y 0 top row to 1 bottom row. Pips below the middle are upside down.
struct PipSpot {
    double x;
    double y;
};

std::vector<PipSpot> pipLayout(int rank);

// Paints a number card's pips in `ink` over `field`: the outer pips are centred on its edges.
void paintPips(QPainter& painter, CardId card, const QColor& ink, const QRectF& field, double pipHeight);

}  // namespace zanfel::artwork
