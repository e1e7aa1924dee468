#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

// Each level moves the one mark and sets the pace, between hands, during one and while paused.
TEST(SkillLevel, MovesTheMarkAndSetsThePace) {
    testing::GameFixture f;
    const Controls& c = f.game.controls();
    const std::array<int, 6> intervals{0, 3000, 2000, 1000, 500, 100};
    for (int stage = 0; stage < 3; ++stage) {
        if (stage == 1)
            f.game.deckClicked();
        if (stage == 2)
            f.game.pauseCommand();
        for (int level = 1; level <= 5; ++level) {
            f.game.levelCommand(level);
            EXPECT_EQ(c.timerIntervalMs, intervals[level]);
            EXPECT_EQ(c.checkedLevel(), level);
            EXPECT_EQ(std::count(c.levelChecked.begin(), c.levelChecked.end(), true), 1);
        }
    }
}

TEST(Pause, IsDisabledBetweenHandsAndStopsEvenATickOnItsWay) {
    testing::GameFixture f;
    const Controls& c = f.game.controls();
    f.game.pauseCommand();  // disabled between hands
    EXPECT_FALSE(c.pauseChecked);
    f.game.deckClicked();
    f.game.pauseCommand();
    const int base = f.game.playerBase();
    f.game.tick();  // a tick already on its way when the timer stopped moves no one
    EXPECT_EQ(f.game.playerBase(), base);
}

// The colour goes back while the count mark still stands, then the mark goes; the level and
// the hand in play are left alone, and the counts end hidden even when they already were.
TEST(ResetOptions, ResetsTheColourThenClearsTheCountMarkAndKeepsTheRest) {
    for (bool countsShown : {false, true}) {
        testing::GameFixture f;
        const Controls& c = f.game.controls();
        f.game.deckClicked();
        f.game.levelCommand(5);
        if (countsShown)
            f.game.cardCountCommand();
        f.game.resetOptionsCommand();
        EXPECT_EQ(f.view.countMarkAtColourResets, std::vector<bool>{countsShown});
        EXPECT_FALSE(c.cardCountChecked);
        EXPECT_EQ(c.checkedLevel(), 5);
        EXPECT_EQ(c.timerIntervalMs, 100);
        EXPECT_TRUE(c.timerEnabled && !c.dealEnabled);
    }
}

}  // namespace
}  // namespace zanfel
