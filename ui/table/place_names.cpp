// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/place_names.h"

#include <QCoreApplication>
#include <array>

#include "names.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PlaceNames", text);
}

QString ownerOf(zanfel::PileImage image) {
    if (image.kind == zanfel::ImageKind::Stack)
        return ownerName(zanfel::kHuman);
    return ownerName(zanfel::playerOfBase(zanfel::playerBaseOf(image.index)));
}

QString slotName(int slot) {
    if (slot == zanfel::kStockSlot)
        return tr("stock");
    if (slot == zanfel::kPersonalSlot)
        return tr("personal pile");
    return tr("work pile %1").arg(slot);
}

bool isPersonalPile(zanfel::PileImage image) {
    return image.kind != zanfel::ImageKind::Foundation &&
           image.index % zanfel::kSlotsPerPlayer == zanfel::kPersonalSlot;
}

}  // namespace

QString cardName(zanfel::CardNumber card) {
    static const std::array<const char*, 14> kRanks{"",     "ace",  "two",   "three", "four",
                                                    "five", "six",  "seven", "eight", "nine",
                                                    "ten",  "jack", "queen", "king"};
    // In the order of zanfel::Suit.
    static const std::array<const char*, 4> kSuits{"diamonds", "spades", "hearts", "clubs"};
    if (card == zanfel::kHiddenCard)
        return tr("a card face down");
    if (card < 1 || card > zanfel::kDeckSize)
        return tr("empty");
    return tr("%1 of %2")
        .arg(tr(kRanks[zanfel::rankOf(card)]), tr(kSuits[static_cast<int>(zanfel::suitOf(card))]));
}

QString placeName(zanfel::PileImage image, const QString& owner) {
    if (image.kind == zanfel::ImageKind::Foundation)
        return tr("Foundation %1").arg(image.index + 1);
    return (owner.isEmpty() ? ownerOf(image) : owner) + QLatin1Char(' ') +
           slotName(image.index % zanfel::kSlotsPerPlayer);
}

QString placeText(zanfel::PileImage image, zanfel::CardNumber card, const QString& owner) {
    return placeName(image, owner) + QStringLiteral(": ") + cardName(card);
}

QString placeTip(zanfel::PileImage image, zanfel::CardNumber card, const QString& count,
                 const QString& owner) {
    QString tip = placeText(image, card, owner);
    if (!count.isEmpty())
        tip += tr(", %1 cards").arg(count);
    if (isPersonalPile(image))
        tip += QLatin1Char('\n') + tr("Whoever empties a personal pile first goes out and ends the hand.");
    return tip;
}
