// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace zanfel::artwork {

// A card back: black border, white margin and a solid field of `colour`, with a thin
// lighter frame line set into the field.
QImage drawCardBack(QColor colour);

}  // namespace zanfel::artwork
