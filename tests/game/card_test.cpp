#include <gtest/gtest.h>

#include "card.h"
#include "pile_list.h"

namespace zanfel {
namespace {

TEST(Card, EncodingGivesRankSuitAndColour) {
    EXPECT_EQ(suitOf(1), Suit::Spades);
    EXPECT_EQ(suitOf(4), Suit::Diamonds);  // n mod 4 = 0 is diamonds
    EXPECT_EQ(suitOf(52), Suit::Diamonds);
    EXPECT_EQ(rankOf(4), 1);
    EXPECT_EQ(rankOf(49), 13);
    EXPECT_EQ(rankOf(52), 13);
    EXPECT_FALSE(isRed(49));
    EXPECT_TRUE(isRed(10));
    EXPECT_EQ(faceResourceId(1), 101);
    EXPECT_EQ(faceResourceId(52), 152);
}

TEST(Card, OnlyOneToFourAreAces) {
    EXPECT_FALSE(isAce(0));
    for (CardNumber n = 1; n <= 4; ++n) EXPECT_TRUE(isAce(n));
    EXPECT_FALSE(isAce(5));
}

TEST(Card, FoundationTakesAnAceWhenEmptyThenTheSameSuitUpward) {
    EXPECT_TRUE(fitsOnFoundation(0, 3));
    EXPECT_FALSE(fitsOnFoundation(0, 5));
    EXPECT_FALSE(fitsOnFoundation(2, 3));  // an ace never goes on a card
    EXPECT_TRUE(fitsOnFoundation(6, 10));   // three of hearts on the two of hearts
    for (CardNumber top : {5, 8, 14}) EXPECT_FALSE(fitsOnFoundation(top, 10)) << top;
    EXPECT_EQ(foundationSuccessor(49), 53);  // a king closes its foundation
    for (CardNumber king = 49; king <= 52; ++king)
        for (CardNumber card = 1; card <= 52; ++card) EXPECT_FALSE(fitsOnFoundation(king, card));
}

TEST(Card, BuildingDownNeedsTheNextRankUpInTheOtherColour) {
    for (CardNumber red6 : {22, 24}) {
        for (CardNumber top = 1; top <= 52; ++top)
            EXPECT_EQ(buildsDownOn(red6, top), top == 25 || top == 27) << red6 << " on " << top;
    }
    EXPECT_TRUE(buildsDownOn(30, 33));
    EXPECT_TRUE(buildsDownOn(30, 35));
    for (CardNumber top : {34, 36, 37, 25}) EXPECT_FALSE(buildsDownOn(30, top)) << top;
    EXPECT_TRUE(buildsDownOn(4, 5));
    EXPECT_TRUE(buildsDownOn(4, 7));
    EXPECT_TRUE(buildsDownOn(1, 6));
    EXPECT_TRUE(buildsDownOn(1, 8));
    EXPECT_FALSE(buildsDownOn(7, 7));  // never on itself
}

TEST(Card, BuildingDownAgreesWithRankAndColourForEveryPair) {
    for (CardNumber card = 1; card <= 52; ++card) {
        for (CardNumber top = 1; top <= 52; ++top) {
            const bool expected = rankOf(top) == rankOf(card) + 1 && isRed(top) != isRed(card);
            EXPECT_EQ(buildsDownOn(card, top), expected) << card << " on " << top;
        }
    }
}

TEST(PileList, KeepsTopFirstOrderAcrossFrontAndEndOperations) {
    PileList list;
    list.addEnd(7);
    list.addEnd(8);
    list.addFront(3);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.top(), 3);
    EXPECT_EQ(list.item(2), 8);
    list.removeFirst();
    EXPECT_EQ(list.top(), 7);
    list.rotate();
    EXPECT_EQ(list.top(), 8);
    EXPECT_EQ(list.item(1), 7);
    list.clear();
    EXPECT_TRUE(list.empty());
}

TEST(PileList, HoldsAWholeDeckThroughManyRotations) {
    PileList list;
    for (CardNumber n = 1; n <= 52; ++n) list.addEnd(n);
    for (int i = 0; i < 1000; ++i) list.rotate();  // 1000 mod 52 = 12 steps on
    EXPECT_EQ(list.count(), 52);
    EXPECT_EQ(list.top(), 13);
    EXPECT_EQ(list.item(51), 12);
}

}  // namespace
}  // namespace zanfel
