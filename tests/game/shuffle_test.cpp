#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "fake_table_view.h"
#include "shuffle.h"

namespace zanfel {
namespace {

using testing::landOn;
using testing::ScriptedRandom;

std::vector<int> shuffled(std::vector<float> draws) {
    ShuffleArrays arrays;
    arrays.refillSourceDeck();
    ScriptedRandom random(std::move(draws));
    shuffleDeck(arrays, random);
    return {arrays.dealOrder.begin() + 1, arrays.dealOrder.end()};
}

TEST(Shuffle, DrawsLandOnPlacesOneToFiftyTwo) {
    EXPECT_EQ(drawPlace(0.0f), 1);
    EXPECT_EQ(drawPlace(0.99999994f), 52);  // the largest float below one
    for (int place = 1; place <= 52; ++place)
        EXPECT_EQ(drawPlace(landOn(place)), place);
}

TEST(Shuffle, AnAlreadyDrawnPlaceProbesUpwardAndWrapsFromFiftyTwoToOne) {
    std::vector<int> inOrder(52);
    std::iota(inOrder.begin(), inOrder.end(), 1);
    EXPECT_EQ(shuffled(testing::decksFrom({1})), inOrder);  // every draw on 1 finds the lowest card left
    // 52 first, then 1 and 2; then 52 again, which is gone: the search wraps and takes 3.
    std::vector<float> draws{landOn(52), landOn(1), landOn(2), landOn(52)};
    draws.resize(52, landOn(1));
    const std::vector<int> wrapped = shuffled(draws);
    EXPECT_EQ(std::vector<int>(wrapped.begin(), wrapped.begin() + 5), (std::vector<int>{52, 1, 2, 3, 4}));
}

// A reseed that replaced the state with the clock would give one value over and over here.
TEST(ClockRandomSource, AFrozenClockStillGivesSpreadValuesInRange) {
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
    EXPECT_LT(*seen.begin(), 0.01f);
    EXPECT_GT(*seen.rbegin(), 0.99f);
}

}  // namespace
}  // namespace zanfel
