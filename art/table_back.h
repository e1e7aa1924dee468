// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <array>

namespace zanfel::artwork {

// How a seat's lines are drawn: its back's frame line, and the frames that mark its moves, so
// that seats are told apart by the line as well as by the colour.
enum class FrameLine { Solid, Dashed, Dotted, Double };

// The human's red deck, and the computer players' by the place of their back on the table (the
// left, middle and right players'), as the game lists their colours.
inline constexpr FrameLine kDeckLine = FrameLine::Double;
inline constexpr std::array<FrameLine, 3> kPlayerDeckLines{FrameLine::Solid, FrameLine::Dashed,
                                                           FrameLine::Dotted};

// A back for the 57 x 73 place filling `pixels` device pixels, its lines sized for `factor`
// device pixels per logical pixel: black rounded border, white margin and a field of `colour`
// with a lighter frame line drawn as `line`, every edge on whole device pixels.
QImage drawTableBack(QColor colour, QSize pixels, double factor, FrameLine line = FrameLine::Solid);

// The empty place at card size: a black outline crossed by thin diagonals six logical
// pixels apart, transparent elsewhere so the table colour shows through.
QImage drawTableEmptyPlace(QSize pixels, double factor);

}  // namespace zanfel::artwork
