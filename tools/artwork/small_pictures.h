#pragma once

#include <QImage>

namespace zanfel::artwork {

// The marker for an empty place on the table: a black square outline crossed by thin
// diagonal lines, transparent everywhere else so the table colour shows through.
QImage drawEmptyPlace();

// The window icon, a small fan of three cards, already reduced to 256 colours.
QImage drawIcon();

}  // namespace zanfel::artwork
