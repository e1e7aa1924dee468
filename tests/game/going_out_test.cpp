#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::setPile;

class GoingOut : public ::testing::Test {
protected:
    GoingOut() { f.game.shuffleAndDeal(); }

    // The human has played every card: 52 for the human, -26 for the others, who played nothing.
    void humanPlaysEverything() {
        for (auto& list : f.game.table().lstStack)
            list.clear();
        f.game.humanGoesOut();
    }
    void nextHandHumanWins() {
        f.game.deckClicked();
        humanPlaysEverything();
    }
    // The left player's personal pile is down to an ace; its next turn, after the middle
    // player's, plays it out.
    void leftPlayerAboutToGoOut() {
        setPile(f.game.table().lstPlayer[kLeftBase + kPersonalSlot], {1});
        while (f.game.playerBase() != kMiddleBase)
            f.game.tick();
    }
    const Announcement& lastAnnouncement() const { return f.view.announcements.back(); }

    testing::GameFixture f;
};

TEST_F(GoingOut, StopsTheHandAnnouncesScoresAndResetsInThatOrder) {
    f.view.whileAnnouncing = [&] {
        EXPECT_EQ(f.game.controls().hint, "Click the back of the red deck to deal");
        EXPECT_TRUE(f.view.sheetsShown.empty());
    };
    humanPlaysEverything();
    EXPECT_EQ(lastAnnouncement().caption, "You won this hand !!");
    EXPECT_EQ(lastAnnouncement().picture, Picture::Youout);
    ASSERT_EQ(f.view.sheetsShown.size(), 1u);
    EXPECT_EQ(f.view.sheetsShown[0].lblScore[kHuman], "52\n\r");
    EXPECT_EQ(f.view.sheetsShown[0].lblTotal[kLeftPlayer], "-26");
}

TEST_F(GoingOut, OkAtTheEndOfAGameStartsANewOneWithHandOneNext) {
    humanPlaysEverything();  // 52
    nextHandHumanWins();     // 104: the game is over, and OK asks for another
    ASSERT_EQ(f.view.questions.size(), 1u);
    EXPECT_EQ(f.view.questions[0], "You Won !!\r\nDo you want to play again?");
    EXPECT_EQ(f.view.sheetHides, 1);
    EXPECT_EQ(f.game.gameOverChoice(), 1);
    EXPECT_EQ(f.game.handScores().row(1)[kHuman], 0);
    EXPECT_EQ(f.view.coloursApplied, 2);  // start-up and the new game

    f.game.scoreCommand();  // the finished game's sheet never asks again
    EXPECT_EQ(f.view.sheetsShown.size(), 2u);
    nextHandHumanWins();
    EXPECT_EQ(f.view.sheetsShown.back().lblScore[kHuman], "52\n\r");
}

TEST_F(GoingOut, CancelAtTheEndOfAGameEndsTheProgram) {
    humanPlaysEverything();
    f.view.answer = Answer::Cancel;
    nextHandHumanWins();
    EXPECT_EQ(f.game.gameOverChoice(), 2);
    EXPECT_TRUE(f.game.ended());
    EXPECT_EQ(f.view.programEnds, 1);
    EXPECT_EQ(f.game.handNumber(), 2);  // no new game was started
}

TEST_F(GoingOut, TheTwentyFirstHandIsKeptLikeAnyOther) {
    // Everyone holds a whole deck in the stock, so every hand scores 0 all round and no
    // total ever passes 99: the game runs on past twenty hands.
    for (int hand = 1; hand <= 21; ++hand) {
        Table& table = f.game.table();
        table.clear();
        for (PileList* stock :
             {&table.lstStack[0], &table.lstPlayer[0], &table.lstPlayer[6], &table.lstPlayer[12]})
            for (CardNumber n = 1; n <= 52; ++n)
                stock->addEnd(n);
        if (hand == 21)
            table.lstPlayer[6].removeFirst();  // the left player got one card out
        f.game.humanGoesOut();
        f.game.deckClicked();
    }
    EXPECT_EQ(f.game.handNumber(), 21);
    EXPECT_EQ(f.game.handScores().row(21)[kLeftPlayer], 1);
    EXPECT_EQ(f.game.scoreSheet().lblTotal[kLeftPlayer], "1");
    const std::string& lines = f.game.scoreSheet().lblScore[kHuman];
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 21);
    EXPECT_TRUE(f.view.questions.empty());
}

TEST_F(GoingOut, NewGameMidHandAbandonsItAndClearsTheScores) {
    humanPlaysEverything();
    f.game.deckClicked();
    f.game.scoreCommand();  // during a hand: the sheet, and the players keep running
    EXPECT_EQ(f.view.sheetsShown.size(), 2u);
    EXPECT_TRUE(f.game.controls().timerEnabled);
    f.game.pauseCommand();
    f.game.newGameCommand();
    EXPECT_EQ(f.view.announcements.size(), 1u);
    EXPECT_EQ(f.game.scoreSheet().lblTotal[kHuman], "52");  // rebuilt by the next tally
    f.game.scoreCommand();
    EXPECT_EQ(f.view.sheetsShown.size(), 2u);  // nothing scored in this game yet
}

TEST_F(GoingOut, AHandEndingUnderTheScoreSheetClosesItBeforeTheAnnouncement) {
    humanPlaysEverything();
    f.game.deckClicked();
    leftPlayerAboutToGoOut();
    f.view.whileSheetOpen = [&] {
        f.view.whileSheetOpen = nullptr;
        f.game.tick();  // the left player goes out while the sheet is up
        EXPECT_EQ(f.view.sheetHides, 1);
        EXPECT_EQ(f.view.announcements.size(), 1u);  // not yet: the sheet is still closing
        EXPECT_FALSE(f.game.controls().timerEnabled);
        f.game.tick();  // a stray tick moves no one
        EXPECT_EQ(f.game.playerBase(), kLeftBase);
    };
    f.game.scoreCommand();
    ASSERT_EQ(f.view.announcements.size(), 2u);
    EXPECT_EQ(lastAnnouncement().caption, "Someone else called...");
    EXPECT_EQ(lastAnnouncement().picture, Picture::Theyout);
    ASSERT_EQ(f.view.sheetsShown.size(), 3u);  // the Score showing, then the hand's own
    EXPECT_EQ(f.view.sheetsShown[2].lblScore[kHuman], "52\n\r-26\n\r");
    EXPECT_EQ(f.view.sheetsShown[2].lblScore[kLeftPlayer], "-26\n\r" + std::to_string(52 - 39) + "\n\r");
}

}  // namespace
}  // namespace zanfel
