// SPDX-License-Identifier: GPL-3.0-or-later
// Each screen's own seat at the bottom, and what a seat may see of the table.
#include <gtest/gtest.h>

#include "fake_table_view.h"
#include "seat_view.h"
#include "visible_table.h"

namespace zanfel {

namespace {

using enum ImageKind;
using namespace testing;

// Seen from each seat, clockwise from the bottom: who sits left, across and right.
TEST(Perspective, EachScreenSeesItsOwnSeatAtTheBottomAndTheOthersClockwiseAsTheHostDoes) {
    struct Expected {
        int viewer, left, across, right;
    };
    for (auto [viewer, left, across, right] : {Expected{kHuman, kLeftPlayer, kMiddlePlayer, kRightPlayer},
                                               Expected{kLeftPlayer, kMiddlePlayer, kRightPlayer, kHuman},
                                               Expected{kMiddlePlayer, kRightPlayer, kHuman, kLeftPlayer},
                                               Expected{kRightPlayer, kHuman, kLeftPlayer, kMiddlePlayer}}) {
        EXPECT_EQ(localImage(viewer, imageOf(viewer, 5)), (PileImage{Stack, 5})) << viewer;
        EXPECT_EQ(localImage(viewer, imageOf(left, 2)), (PileImage{Player, kLeftBase + 2})) << viewer;
        EXPECT_EQ(localImage(viewer, imageOf(across, 0)), (PileImage{Player, kMiddleBase})) << viewer;
        EXPECT_EQ(localImage(viewer, imageOf(right, 4)), (PileImage{Player, kRightBase + 4})) << viewer;
        EXPECT_EQ(localImage(viewer, {Foundation, 9}), (PileImage{Foundation, 9})) << viewer;
        // Every image maps back to where it came from, so no two land on one place, nor any seat on another.
        for (auto [kind, count] :
             {std::pair{Stack, kSlotsPerPlayer}, {Player, kComputerLists}, {Foundation, kFoundations}})
            for (int index = 0; index < count; ++index)
                EXPECT_EQ(hostImage(viewer, localImage(viewer, {kind, index})), (PileImage{kind, index}))
                    << viewer << " " << index;
    }
}

// Lays every pile two deep: a top anyone may see over a card that lies face down or under a top.
Table tableWithUnders(CardNumber under) {
    Table table;
    for (int player = 0; player < kPlayers; ++player)
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
            setPile(table.pileOf(player, slot), {of(slot + 1, S), under, of(13, H)});
    return table;
}

// Changing a card a seat may not see changes nothing it is told; the loopback test shows it gets the rest.
TEST(VisibleTable, ASeatSeesEveryTopAndCountButOnlyItsOwnWorkPilesCardBeneath) {
    for (int viewer = 0; viewer < kPlayers; ++viewer) {
        const VisibleTable seen = visibleTo(tableWithUnders(of(7, D)), viewer);
        for (int player = 0; player < kPlayers; ++player) {
            Table changed = tableWithUnders(of(7, D));
            for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
                PileList& pile = changed.pileOf(player, slot);
                setPile(pile, {pile.top(), player == viewer && isWorkSlot(slot) ? pile.item(1) : of(8, C),
                               of(12, S)});
            }
            EXPECT_EQ(visibleTo(changed, viewer), seen) << viewer << " " << player;
        }
        const VisibleTable ownUnder = visibleTo(tableWithUnders(of(9, D)), viewer);
        EXPECT_EQ(ownUnder.ownBeneath,
                  (std::array<CardNumber, 6>{0, of(9, D), of(9, D), of(9, D), of(9, D), 0}));
    }
}

}  // namespace
}  // namespace zanfel
