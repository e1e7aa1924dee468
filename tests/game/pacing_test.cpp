#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

// Each level moves the one mark and sets the pace, between hands, during one and while
// paused, without ever starting or stopping the players.
TEST(SkillLevel, SetsThePaceButNotWhetherThePlayersRun) {
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
            EXPECT_EQ(c.timerEnabled, stage == 1);
        }
    }
}

TEST(Pause, StopsAndResumesThePlayersWithTheMarkFollowing) {
    testing::GameFixture f;
    const Controls& c = f.game.controls();
    f.game.pauseCommand();  // disabled between hands
    EXPECT_FALSE(c.pauseChecked);
    f.game.deckClicked();
    f.game.pauseCommand();
    EXPECT_TRUE(c.pauseChecked && !c.timerEnabled);
    const int base = f.game.playerBase();
    f.game.tick();  // a tick already on its way when the timer stopped moves no one
    EXPECT_EQ(f.game.playerBase(), base);
    f.game.pauseCommand();
    EXPECT_TRUE(!c.pauseChecked && c.timerEnabled);
    f.game.cardCountCommand();  // the other mark the game keeps
    EXPECT_TRUE(c.cardCountChecked);
}

}  // namespace
}  // namespace zanfel
