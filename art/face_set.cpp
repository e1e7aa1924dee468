// SPDX-License-Identifier: GPL-3.0-or-later
#include "face_set.h"

#include "card_id.h"

namespace zanfel::artwork {

QColor suitInk(Suit suit, const FaceSet& faces) {
    if (!faces.fourColour)
        return inkOf(suit);
    switch (suit) {
        case Suit::Spades:
            return kFourColourSpades;
        case Suit::Hearts:
            return kFourColourHearts;
        case Suit::Clubs:
            return kFourColourClubs;
        case Suit::Diamonds:
            return kFourColourDiamonds;
    }
    return inkOf(suit);
}

}  // namespace zanfel::artwork
