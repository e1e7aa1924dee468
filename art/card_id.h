// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include "card.h"

namespace zanfel::artwork {

// A card as the pictures need it: its rank and suit, from the game's own card numbers.
struct CardId {
    int rank;  // 1 ace .. 10, 11 jack, 12 queen, 13 king
    Suit suit;
};

constexpr CardId cardFromNumber(CardNumber n) {
    return {rankOf(n), suitOf(n)};
}

inline const QColor kCardRed{0xC0, 0x00, 0x00};
inline const QColor kCardBlack{0x10, 0x10, 0x10};

inline QColor inkOf(Suit s) {
    return isRedSuit(s) ? kCardRed : kCardBlack;
}

inline QString rankLabel(int rank) {
    switch (rank) {
        case 1:
            return QStringLiteral("A");
        case 11:
            return QStringLiteral("J");
        case 12:
            return QStringLiteral("Q");
        case 13:
            return QStringLiteral("K");
        default:
            return QString::number(rank);
    }
}

}  // namespace zanfel::artwork
