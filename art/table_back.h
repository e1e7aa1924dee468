// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace zanfel::artwork {

// A back for the 57 x 73 place filling `pixels` device pixels, its lines sized for `factor`
// device pixels per logical pixel: black rounded border, white margin and a field of `colour`
// with a lighter frame line, every edge on whole device pixels.
QImage drawTableBack(QColor colour, QSize pixels, double factor);

// The empty place at card size: a black outline crossed by thin diagonals six logical
// pixels apart, transparent elsewhere so the table colour shows through.
QImage drawTableEmptyPlace(QSize pixels, double factor);

}  // namespace zanfel::artwork
