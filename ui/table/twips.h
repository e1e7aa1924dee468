// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The windows were drawn in twips, fifteen to a pixel; a place is kept in twips in the code so it
// can be checked against the drawing, and turned into pixels, half a pixel rounding up.
constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}
