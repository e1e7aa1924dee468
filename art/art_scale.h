// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <cmath>

namespace zanfel::artwork {

// A picture is drawn for the device pixels it covers on screen: its logical size times the
// factor of device pixels to a logical one (the table's zoom times the screen's ratio), half
// pixels rounding up: a 57 x 73 place is 86 x 110 device pixels at 1.5, 71 x 91 at 1.25.
inline QSize devicePixels(QSize logical, double factor) {
    return {static_cast<int>(std::floor(logical.width() * factor + 0.5)),
            static_cast<int>(std::floor(logical.height() * factor + 0.5))};
}

// The size of a card place on the table, in logical pixels at 100 %.
inline constexpr QSize kPlaceSize(57, 73);

// The announcements' pictures and the About box's square, in logical pixels.
inline constexpr QSize kGoingOutSize(200, 200);
inline constexpr QSize kAboutSquare(172, 172);

}  // namespace zanfel::artwork
