#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

TEST(SkillLevel, MovesTheOneMarkAndSetsTheInterval) {
    testing::GameFixture f;
    const std::array<int, 6> intervals{0, 3000, 2000, 1000, 500, 100};
    for (int level = 1; level <= 5; ++level) {
        f.game.levelCommand(level);
        EXPECT_EQ(f.game.controls().timerIntervalMs, intervals[level]);
        EXPECT_EQ(f.game.controls().checkedLevel(), level);
        EXPECT_EQ(
            std::count(f.game.controls().levelChecked.begin(), f.game.controls().levelChecked.end(), true),
            1);
    }
    f.game.levelCommand(0);
    f.game.levelCommand(6);
    EXPECT_EQ(f.game.controls().checkedLevel(), 5);
}

TEST(SkillLevel, ChangesThePaceButNotWhetherThePlayersRun) {
    testing::GameFixture f;
    f.game.levelCommand(1);
    EXPECT_FALSE(f.game.controls().timerEnabled);  // between hands
    f.game.deckClicked();
    EXPECT_EQ(f.game.controls().timerIntervalMs, 3000);
    f.game.pauseCommand();
    f.game.levelCommand(5);
    EXPECT_EQ(f.game.controls().timerIntervalMs, 100);
    EXPECT_FALSE(f.game.controls().timerEnabled);
    f.game.pauseCommand();
    EXPECT_TRUE(f.game.controls().timerEnabled);
}

TEST(Pause, StopsAndResumesThePlayersWithTheMarkFollowing) {
    testing::GameFixture f;
    f.game.pauseCommand();  // disabled between hands
    EXPECT_FALSE(f.game.controls().pauseChecked);
    f.game.deckClicked();
    f.game.pauseCommand();
    EXPECT_TRUE(f.game.controls().pauseChecked);
    EXPECT_FALSE(f.game.controls().timerEnabled);
    const int base = f.game.playerBase();
    f.game.tick();  // a tick already on its way when the timer stopped moves no one
    EXPECT_EQ(f.game.playerBase(), base);
    f.game.pauseCommand();
    EXPECT_FALSE(f.game.controls().pauseChecked);
    EXPECT_TRUE(f.game.controls().timerEnabled);
}

TEST(CardCount, TogglesTheMarkWhileTheCountsStayCurrent) {
    testing::GameFixture f;
    f.game.cardCountCommand();
    EXPECT_TRUE(f.game.controls().cardCountChecked);
    f.game.deckClicked();
    EXPECT_EQ(f.game.controls().counts[5], "13");
    f.game.cardCountCommand();
    EXPECT_FALSE(f.game.controls().cardCountChecked);
}

}  // namespace
}  // namespace zanfel
