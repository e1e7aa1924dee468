#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

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
