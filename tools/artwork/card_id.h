#pragma once

#include <QColor>
#include <QString>

namespace zanfel::artwork {

// The game numbers cards 1..52 as 4 * (rank - 1) + suit code, where the code is
// 1 spades, 2 hearts, 3 clubs and 4 (that is, 0 mod 4) diamonds.
enum class Suit { Spades, Hearts, Clubs, Diamonds };

struct CardId {
    int rank;  // 1 ace .. 10, 11 jack, 12 queen, 13 king
    Suit suit;
};

constexpr CardId cardFromNumber(int n) {
    return {(n - 1) / 4 + 1, static_cast<Suit>((n - 1) % 4)};
}
constexpr bool isRed(Suit s) {
    return s == Suit::Hearts || s == Suit::Diamonds;
}

inline const QColor kCardRed{0xC0, 0x00, 0x00};
inline const QColor kCardBlack{0x10, 0x10, 0x10};

inline QColor inkOf(Suit s) {
    return isRed(s) ? kCardRed : kCardBlack;
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
