// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "card.h"

namespace zanfel::artwork {

// How the player likes the faces on the table: today's faces, or either aid, or both.
// Four-colour suits give each suit an ink of its own; large indices give each corner a rank
// and suit twice as tall, with the pips drawn smaller between the two corners.
struct FaceSet {
    bool fourColour = false;
    bool largeIndices = false;
    friend bool operator==(const FaceSet&, const FaceSet&) = default;
};

// The four inks keep the red and black alternation of the work piles at a glance: the red suits
// in two warm colours (hearts crimson, diamonds burnt orange), the black ones in two dark cool
// ones (spades black, clubs cobalt blue), every one at least 4.5 to 1 against the white card.
// Under the common colour-vision deficiencies the warm pair still reads as yellow-brown against
// the black and the blue, and the two warm inks differ in lightness as well as in hue.
inline const QColor kFourColourSpades{0x10, 0x10, 0x10};
inline const QColor kFourColourHearts{0xDC, 0x14, 0x3C};
inline const QColor kFourColourClubs{0x17, 0x45, 0x9E};
inline const QColor kFourColourDiamonds{0xA0, 0x40, 0x00};

QColor suitInk(Suit suit, const FaceSet& faces);

}  // namespace zanfel::artwork
