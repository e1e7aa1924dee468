#include <gtest/gtest.h>

#include "fake_table_view.h"

namespace zanfel {
namespace {

using testing::GameFixture;
using testing::setPile;

class GoingOut : public ::testing::Test {
protected:
    GoingOut() { f.game.shuffleAndDeal(); }

    // The human has played every card: the hand scores 52 for them and -26 for the others,
    // who have played nothing.
    void humanPlaysEverything() {
        for (auto& list : f.game.table().lstStack) list.clear();
        f.game.humanGoesOut();
    }
    // The left player's personal pile is down to an ace; its next turn plays it out.
    void leftPlayerAboutToGoOut() { setPile(f.game.table().lstPlayer[kLeftBase + kPersonalSlot], {1}); }
    // The middle player's turn comes just before the left player's.
    void tickUntilLeftMoves() {
        while (f.game.playerBase() != kMiddleBase) f.game.tick();
        f.game.tick();
    }

    GameFixture f;
};

TEST_F(GoingOut, StopsTheHandAnnouncesScoresAndResetsInThatOrder) {
    f.view.whileAnnouncing = [&] {
        EXPECT_FALSE(f.game.controls().timerEnabled);
        EXPECT_EQ(f.game.controls().hint, "Click the back of the red deck to deal");
        EXPECT_EQ(f.game.table().lstPlayer[0].count(), 35);  // the final position is still there
        EXPECT_EQ(f.game.handNumber(), 0);
    };
    humanPlaysEverything();
    ASSERT_EQ(f.view.announcements.size(), 1u);
    EXPECT_EQ(f.view.announcements[0].caption, "You won this hand !!");
    EXPECT_EQ(f.view.announcements[0].picture, Picture::Youout);
    ASSERT_EQ(f.view.sheetsShown.size(), 1u);
    EXPECT_EQ(f.view.sheetsShown[0].lblScore[kHuman], "52\n\r");
    EXPECT_EQ(f.view.sheetsShown[0].lblTotal[kLeftPlayer], "-26");
    EXPECT_TRUE(f.view.questions.empty());
    EXPECT_EQ(f.game.handNumber(), 1);
    EXPECT_EQ(f.game.gameOverChoice(), 0);
    EXPECT_TRUE(f.game.controls().dealEnabled);
    EXPECT_FALSE(f.game.controls().timerEnabled);
    EXPECT_TRUE(f.game.table().lstPlayer[0].empty());
}

TEST_F(GoingOut, AComputerPlayerGoesOutWithinItsTick) {
    leftPlayerAboutToGoOut();
    f.game.tick();  // the first tick of the run moves the left player
    ASSERT_EQ(f.view.announcements.size(), 1u);
    EXPECT_EQ(f.view.announcements[0].caption, "Someone else called...");
    EXPECT_EQ(f.view.announcements[0].picture, Picture::Theyout);
    EXPECT_EQ(f.game.handNumber(), 1);
    EXPECT_EQ(f.view.sheetsShown[0].lblScore[kLeftPlayer], std::to_string(52 - 39) + "\n\r");
    EXPECT_TRUE(f.game.controls().dealEnabled);
}

TEST_F(GoingOut, TwoHandsWonByDifferentSidesAnnounceEachItsOwnWay) {
    humanPlaysEverything();
    f.game.deckClicked();
    leftPlayerAboutToGoOut();
    tickUntilLeftMoves();
    ASSERT_EQ(f.view.announcements.size(), 2u);
    EXPECT_EQ(f.view.announcements[1].caption, "Someone else called...");
    EXPECT_EQ(f.view.announcements[1].picture, Picture::Theyout);
    EXPECT_EQ(f.view.sheetsShown[1].lblScore[kHuman], "52\n\r-26\n\r");
}

TEST_F(GoingOut, OkAtTheEndOfAGameStartsANewOneWithHandOneNext) {
    humanPlaysEverything();  // 52
    f.game.deckClicked();
    f.view.answer = Answer::Ok;
    humanPlaysEverything();  // 104: the game is over
    ASSERT_EQ(f.view.questions.size(), 1u);
    EXPECT_EQ(f.view.questions[0], "You Won !!\r\nDo you want to play again?");
    EXPECT_EQ(f.view.sheetHides, 1);
    EXPECT_EQ(f.game.gameOverChoice(), 1);
    EXPECT_EQ(f.game.handNumber(), 0);
    EXPECT_EQ(f.game.scoreSheet().lblScore[kHuman], "");
    EXPECT_EQ(f.game.handScores().row(1)[kHuman], 0);
    EXPECT_EQ(f.view.coloursApplied, 2);  // start-up and the new game
    EXPECT_FALSE(f.game.ended());
    EXPECT_FALSE(f.game.controls().timerEnabled);  // nothing is dealt

    f.game.scoreCommand();  // the finished game's sheet never asks again
    EXPECT_EQ(f.view.sheetsShown.size(), 2u);

    f.game.deckClicked();
    humanPlaysEverything();
    EXPECT_EQ(f.game.handNumber(), 1);
    EXPECT_EQ(f.view.sheetsShown.back().lblScore[kHuman], "52\n\r");
    EXPECT_EQ(f.view.questions.size(), 1u);
}

TEST_F(GoingOut, CancelAtTheEndOfAGameEndsTheProgram) {
    humanPlaysEverything();
    f.game.deckClicked();
    f.view.answer = Answer::Cancel;
    humanPlaysEverything();
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
        for (PileList* stock : {&table.lstStack[0], &table.lstPlayer[0], &table.lstPlayer[6], &table.lstPlayer[12]})
            for (CardNumber n = 1; n <= 52; ++n) stock->addEnd(n);
        if (hand == 21) table.lstPlayer[6].removeFirst();  // the left player got one card out
        f.game.humanGoesOut();
        f.game.deckClicked();
    }
    EXPECT_EQ(f.game.handNumber(), 21);
    EXPECT_EQ(f.game.handScores().row(21)[kLeftPlayer], 1);
    EXPECT_EQ(f.game.scoreSheet().lblTotal[kLeftPlayer], "1");
    EXPECT_EQ(std::count(f.game.scoreSheet().lblScore[kHuman].begin(), f.game.scoreSheet().lblScore[kHuman].end(), '\n'), 21);
    EXPECT_TRUE(f.view.questions.empty());
}

TEST_F(GoingOut, NewGameMidHandAbandonsItWithoutScoringOrDealing) {
    f.game.pauseCommand();
    f.game.newGameCommand();
    EXPECT_TRUE(f.view.announcements.empty());
    EXPECT_TRUE(f.view.sheetsShown.empty());
    EXPECT_FALSE(f.game.controls().pauseChecked);
    EXPECT_FALSE(f.game.controls().pauseEnabled);
    EXPECT_FALSE(f.game.controls().timerEnabled);
    EXPECT_TRUE(f.game.controls().dealEnabled);
    EXPECT_TRUE(f.game.table().lstStack[0].empty());
    EXPECT_EQ(f.game.handNumber(), 0);
    f.game.deckClicked();  // the next click deals again, unpaused
    EXPECT_TRUE(f.game.controls().timerEnabled);
    EXPECT_FALSE(f.game.controls().pauseChecked);
}

TEST_F(GoingOut, NewGameClearsScoresButLeavesTheTotalsForTheNextTally) {
    humanPlaysEverything();
    f.game.newGameCommand();
    EXPECT_EQ(f.game.handNumber(), 0);
    EXPECT_EQ(f.game.scoreSheet().lblScore[kHuman], "");
    EXPECT_EQ(f.game.scoreSheet().lblTotal[kHuman], "52");
    f.game.scoreCommand();
    EXPECT_EQ(f.view.sheetsShown.size(), 1u);  // Score shows nothing before a hand is scored
}

TEST_F(GoingOut, ScoreDuringAHandShowsTheSheetAndLeavesThePlayersRunning) {
    humanPlaysEverything();
    f.game.deckClicked();
    f.game.scoreCommand();
    ASSERT_EQ(f.view.sheetsShown.size(), 2u);
    EXPECT_TRUE(f.view.questions.empty());
    EXPECT_TRUE(f.game.controls().timerEnabled);
}

TEST_F(GoingOut, AHandEndingUnderTheScoreSheetClosesItBeforeTheAnnouncement) {
    humanPlaysEverything();
    f.game.deckClicked();
    leftPlayerAboutToGoOut();
    while (f.game.playerBase() != kMiddleBase) f.game.tick();
    int baseAfterGoingOut = -1;
    f.view.whileSheetOpen = [&] {
        f.view.whileSheetOpen = nullptr;
        f.game.tick();  // the left player goes out while the sheet is up
        EXPECT_EQ(f.view.sheetHides, 1);
        EXPECT_TRUE(f.view.announcements.size() == 1u);  // not yet: the sheet is still closing
        EXPECT_FALSE(f.game.controls().timerEnabled);
        baseAfterGoingOut = f.game.playerBase();
        f.game.tick();  // a stray tick moves no one
        EXPECT_EQ(f.game.playerBase(), baseAfterGoingOut);
    };
    f.game.scoreCommand();
    ASSERT_EQ(f.view.announcements.size(), 2u);
    EXPECT_EQ(f.view.announcements[1].caption, "Someone else called...");
    ASSERT_EQ(f.view.sheetsShown.size(), 3u);  // the Score showing, then the hand's own
    EXPECT_EQ(f.view.sheetsShown[2].lblScore[kHuman], "52\n\r-26\n\r");
    EXPECT_EQ(f.game.handNumber(), 2);
    EXPECT_TRUE(f.game.controls().dealEnabled);
}

}  // namespace
}  // namespace zanfel
