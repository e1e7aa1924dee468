// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <cmath>

namespace zanfel::artwork {

// Each picture the table shows is drawn once for every device pixel ratio the game has a set
// for, into a folder named after the ratio, so a screen never shows a resampled bitmap.
struct ArtScale {
    const char* folder;
    double factor;
};

inline constexpr std::array<ArtScale, 3> kArtScales = {{{"1x", 1.0}, {"1.5x", 1.5}, {"2x", 2.0}}};

// Half pixels round up: a 57 x 73 place is 86 x 110 device pixels at 1.5.
inline QSize devicePixels(QSize logical, double factor) {
    return {static_cast<int>(std::floor(logical.width() * factor + 0.5)),
            static_cast<int>(std::floor(logical.height() * factor + 0.5))};
}

// The size of a card place on the table, in logical pixels.
inline constexpr QSize kPlaceSize(57, 73);

}  // namespace zanfel::artwork
