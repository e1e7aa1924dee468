// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace zanfel::artwork {

// Reduces a picture to an 8-bit indexed one of at most 256 colours: the most used colours
// (alpha included, so soft edges keep their transparency) make the palette and every
// other pixel takes its nearest entry. Ties go to the lower colour value, keeping the
// result the same on every run.
QImage reduceToIndexed(const QImage& picture);

}  // namespace zanfel::artwork
