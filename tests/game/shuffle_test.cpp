#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "fake_table_view.h"
#include "shuffle.h"

namespace zanfel {
namespace {

using testing::ScriptedRandom;

std::vector<int> dealt(const ShuffleArrays& arrays) {
    return {arrays.dealOrder.begin() + 1, arrays.dealOrder.end()};
}

constexpr float landOn(int place) {
    return (place - 1) / 52.0f + 0.001f;
}

TEST(Shuffle, DrawsLandOnPlacesOneToFiftyTwo) {
    EXPECT_EQ(drawPlace(0.0f), 1);
    EXPECT_EQ(drawPlace(0.5f), 27);
    EXPECT_EQ(drawPlace(0.99999994f), 52);  // the largest float below one
    for (int place = 1; place <= 52; ++place)
        EXPECT_EQ(drawPlace(landOn(place)), place);
}

TEST(Shuffle, EveryDrawOnOneDealsTheDeckInOrder) {
    ShuffleArrays arrays;
    arrays.refillSourceDeck();
    ScriptedRandom random({0.0f});
    shuffleDeck(arrays, random);
    std::vector<int> inOrder(52);
    std::iota(inOrder.begin(), inOrder.end(), 1);
    EXPECT_EQ(dealt(arrays), inOrder);
    EXPECT_TRUE(
        std::all_of(arrays.sourceDeck.begin(), arrays.sourceDeck.end(), [](int n) { return n == 0; }));
}

TEST(Shuffle, ADrawOnADrawnFiftyTwoWrapsToTheLowestCardLeft) {
    ShuffleArrays arrays;
    arrays.refillSourceDeck();
    // 52 first, then 1 and 2; then 52 again, which is gone: the search wraps to 1, 2, 3.
    ScriptedRandom random({landOn(52), landOn(1), landOn(2), landOn(52)});
    shuffleDeck(arrays, random);
    EXPECT_EQ(arrays.dealOrder[1], 52);
    EXPECT_EQ(arrays.dealOrder[2], 1);
    EXPECT_EQ(arrays.dealOrder[3], 2);
    EXPECT_EQ(arrays.dealOrder[4], 3);
    EXPECT_EQ(arrays.dealOrder[5], 4);  // and on upward from there
}

TEST(ClockRandomSource, AFrozenClockStillGivesNewValuesInRange) {
    ClockRandomSource random([] { return std::uint64_t{42}; });
    float previous = random.reseedAndDraw();
    std::set<float> seen{previous};
    for (int i = 0; i < 10000; ++i) {
        const float value = random.reseedAndDraw();
        ASSERT_NE(value, previous);
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        previous = value;
        seen.insert(value);
    }
    EXPECT_GT(seen.size(), 9900u);
}

TEST(ClockRandomSource, TheSystemClockGivesAShuffleOfEveryCard) {
    ClockRandomSource random;
    ShuffleArrays arrays;
    arrays.refillSourceDeck();
    shuffleDeck(arrays, random);
    const std::vector<int> cards = dealt(arrays);
    EXPECT_EQ(std::set<int>(cards.begin(), cards.end()).size(), 52u);
}

}  // namespace
}  // namespace zanfel
