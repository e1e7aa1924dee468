// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/place_names.h"

#include <QCoreApplication>
#include <array>

#include "names.h"

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(PlaceNames)
};

// The ranks by rank number, 1 the ace, and the suits in the order of zanfel::Suit.
constexpr std::array<const char*, 14> kRanks{
    "",
    QT_TRANSLATE_NOOP("PlaceNames", "ace"),
    QT_TRANSLATE_NOOP("PlaceNames", "two"),
    QT_TRANSLATE_NOOP("PlaceNames", "three"),
    QT_TRANSLATE_NOOP("PlaceNames", "four"),
    QT_TRANSLATE_NOOP("PlaceNames", "five"),
    QT_TRANSLATE_NOOP("PlaceNames", "six"),
    QT_TRANSLATE_NOOP("PlaceNames", "seven"),
    QT_TRANSLATE_NOOP("PlaceNames", "eight"),
    QT_TRANSLATE_NOOP("PlaceNames", "nine"),
    QT_TRANSLATE_NOOP("PlaceNames", "ten"),
    QT_TRANSLATE_NOOP("PlaceNames", "jack"),
    QT_TRANSLATE_NOOP("PlaceNames", "queen"),
    QT_TRANSLATE_NOOP("PlaceNames", "king"),
};
constexpr std::array<const char*, 4> kSuits{
    QT_TRANSLATE_NOOP("PlaceNames", "diamonds"),
    QT_TRANSLATE_NOOP("PlaceNames", "spades"),
    QT_TRANSLATE_NOOP("PlaceNames", "hearts"),
    QT_TRANSLATE_NOOP("PlaceNames", "clubs"),
};

// Whose place it is and what kind, said as one phrase: languages put the owner in different
// places ("Left Guy's stock", "Vorrat von Left Guy"), so neither half is joined on by hand.
// An empty `owner` is the screen's own player.
QString pileName(int slot, const QString& owner) {
    const QString number = QString::number(slot);
    if (owner.isEmpty()) {
        if (slot == zanfel::kStockSlot)
            return Words::tr("Your stock");
        if (slot == zanfel::kPersonalSlot)
            return Words::tr("Your personal pile");
        return Words::tr("Your work pile %1").arg(number);
    }
    if (slot == zanfel::kStockSlot)
        return Words::tr("%1's stock").arg(owner);
    if (slot == zanfel::kPersonalSlot)
        return Words::tr("%1's personal pile").arg(owner);
    return Words::tr("%1's work pile %2").arg(owner, number);
}

bool isPersonalPile(zanfel::PileImage image) {
    return image.kind != zanfel::ImageKind::Foundation &&
           image.index % zanfel::kSlotsPerPlayer == zanfel::kPersonalSlot;
}

}  // namespace

QString cardName(zanfel::CardNumber card) {
    if (card == zanfel::kHiddenCard)
        return Words::tr("a card face down");
    if (card < 1 || card > zanfel::kDeckSize)
        return Words::tr("empty");
    //: A card: "nine of clubs"; %1 is the rank, %2 the suit.
    return Words::tr("%1 of %2")
        .arg(Words::tr(kRanks[zanfel::rankOf(card)]),
             Words::tr(kSuits[static_cast<int>(zanfel::suitOf(card))]));
}

QString deckName(int player, const QString& owner) {
    if (player == zanfel::kHuman)
        return Words::tr("Your deck");
    return Words::tr("%1's deck").arg(owner.isEmpty() ? ownerName(player) : owner);
}

QString placeName(zanfel::PileImage image, const QString& owner) {
    if (image.kind == zanfel::ImageKind::Foundation)
        return Words::tr("Foundation %1").arg(image.index + 1);
    const int slot = image.index % zanfel::kSlotsPerPlayer;
    if (image.kind == zanfel::ImageKind::Stack)
        return pileName(slot, {});
    const int player = zanfel::playerOfBase(zanfel::playerBaseOf(image.index));
    return pileName(slot, owner.isEmpty() ? ownerName(player) : owner);
}

QString placeText(zanfel::PileImage image, zanfel::CardNumber card, const QString& owner) {
    //: A place and the card it shows: "Your work pile 2: nine of clubs".
    return Words::tr("%1: %2").arg(placeName(image, owner), cardName(card));
}

QString placeTip(zanfel::PileImage image, zanfel::CardNumber card, std::optional<int> count,
                 const QString& owner) {
    QString tip = placeText(image, card, owner);
    if (count) {
        //: A place, its card and how many cards it holds: "Your stock: ace of spades, 14 cards".
        tip = Words::tr("%1, %n cards", "", *count).arg(tip);
    }
    if (isPersonalPile(image))
        tip += QLatin1Char('\n') +
               Words::tr("Whoever empties a personal pile first goes out and ends the hand.");
    return tip;
}
