#include <gtest/gtest.h>

#include "card.h"
#include "pile_list.h"

namespace zanfel {
namespace {

TEST(Card, EncodingGivesRankSuitColourAndPicture) {
    EXPECT_EQ(suitOf(1), Suit::Spades);
    EXPECT_EQ(suitOf(4), Suit::Diamonds);  // n mod 4 = 0 is diamonds
    EXPECT_EQ(rankOf(4), 1);
    EXPECT_EQ(rankOf(52), 13);
    EXPECT_TRUE(isRed(10));
    EXPECT_FALSE(isRed(49));
    EXPECT_EQ(faceResourceId(1), 101);
    for (CardNumber n = 0; n <= 5; ++n)
        EXPECT_EQ(isAce(n), n >= 1 && n <= 4) << n;
}

// Checked for every pair against rank and colour, which the rule's own suit-by-suit
// differences must agree with.
TEST(Card, BuildingDownNeedsTheNextRankUpInTheOtherColour) {
    for (CardNumber card = 1; card <= 52; ++card) {
        for (CardNumber top = 1; top <= 52; ++top) {
            const bool expected = rankOf(top) == rankOf(card) + 1 && isRed(top) != isRed(card);
            EXPECT_EQ(buildsDownOn(card, top), expected) << card << " on " << top;
        }
    }
}

TEST(PileList, KeepsTopFirstOrderThroughFrontEndAndRotation) {
    PileList list;
    for (CardNumber n = 1; n <= 52; ++n)
        list.addEnd(n);
    for (int i = 0; i < 1000; ++i)
        list.rotate();  // 1000 mod 52 = 12 steps on
    EXPECT_EQ(list.count(), 52);
    EXPECT_EQ(list.top(), 13);
    EXPECT_EQ(list.item(51), 12);
    list.clear();
    list.addEnd(7);
    list.addFront(3);
    EXPECT_EQ(list.top(), 3);
    list.removeFirst();
    EXPECT_EQ(list.top(), 7);
}

}  // namespace
}  // namespace zanfel
