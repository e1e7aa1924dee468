#pragma once

#include <QImage>

#include "card_id.h"

namespace zanfel::artwork {

// A face drawn for the 57 x 73 place on the table at `factor` device pixels per logical
// pixel: big corner indices, pips sized for the place, and transparent rounded corners.
QImage drawTableFace(CardId card, double factor);

// An image of the place's size at `factor`, cleared, with a painter scaled so that the
// drawing is done in the place's logical pixels.
QImage blankPlaceImage(double factor);
double devicePixel(const QImage& image);

}  // namespace zanfel::artwork
