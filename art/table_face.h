// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "card_id.h"

namespace zanfel::artwork {

// A face drawn for the 57 x 73 place on the table, filling `pixels` device pixels (the place's
// size on screen, see devicePixels()): big corner indices, pips sized for the place, and
// transparent rounded corners.
QImage drawTableFace(CardId card, QSize pixels);

// A transparent image of `pixels`, for the faces, the backs and the empty place alike.
QImage blankPlaceImage(QSize pixels);

}  // namespace zanfel::artwork
