// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "card_id.h"

namespace zanfel::artwork {

// A face drawn for the 57 x 73 place on the table at `factor` device pixels per logical
// pixel: big corner indices, pips sized for the place, and transparent rounded corners.
QImage drawTableFace(CardId card, double factor);

// A transparent image of the place's size at `factor` device pixels per logical pixel, for
// the faces, the backs and the empty place alike.
QImage blankPlaceImage(double factor);

}  // namespace zanfel::artwork
