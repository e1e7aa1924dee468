#include "invariants.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace zanfel::testing {

namespace {

constexpr int kKing = 13;

std::string cardText(int card) {
    return std::to_string(card) + " (rank " + std::to_string(rankOf(static_cast<CardNumber>(card))) + ")";
}

template <typename Each>
void forEachList(const Table& table, Each each) {
    for (int player = 0; player < kPlayers; ++player)
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
            each(player, table.pileOf(player, slot));
}

// Every card leaves its owner only for a foundation of its suit, and each foundation climbs
// from the ace one card at a time; so what is missing from the players is exactly what the
// foundations cover.
std::string checkCardsDuringHand(const Table& table) {
    std::array<std::uint64_t, kPlayers> held{};  // bit n: the player holds card n
    std::array<int, kDeckSize + 1> holders{};
    int heldTotal = 0;
    std::string fault;
    forEachList(table, [&](int player, const PileList& list) {
        for (int i = 0; i < list.count() && fault.empty(); ++i) {
            const int card = list.item(i);
            const std::uint64_t bit = std::uint64_t{1} << (card & 63);
            if (card < 1 || card > kDeckSize || held[player] & bit)
                return void(fault = "player " + std::to_string(player) + " holds card " +
                                    std::to_string(card) + " twice or no such card");
            held[player] |= bit;
            ++holders[card];
            ++heldTotal;
        }
    });
    if (!fault.empty())
        return fault;
    std::array<int, kDeckSize + 1> covered{};
    int rankSum = 0;
    for (CardNumber top : table.pileTop) {
        if (top == kNoCard)
            continue;
        rankSum += rankOf(top);
        for (int card = top; card > 0; card -= 4)
            ++covered[card];
    }
    for (int card = 1; card <= kDeckSize; ++card)
        if (kPlayers - holders[card] != covered[card])
            return "card " + cardText(card) + " is missing from " + std::to_string(kPlayers - holders[card]) +
                   " players but covered by " + std::to_string(covered[card]) + " foundations";
    if (rankSum != 4 * kDeckSize - heldTotal)
        return "the foundations' ranks add up to " + std::to_string(rankSum) + " with " +
               std::to_string(heldTotal) + " cards held";
    return {};
}

std::string checkCounts(const Table& table, const Controls& controls) {
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
        if (controls.counts[slot] != std::to_string(table.lstStack[slot].count()))
            return "count " + std::to_string(slot) + " reads \"" + controls.counts[slot] + "\" for " +
                   std::to_string(table.lstStack[slot].count()) + " cards";
    return {};
}

std::string checkEmptyTable(const Table& table, const Controls& controls) {
    bool empty = std::all_of(table.pileTop.begin(), table.pileTop.end(), [](CardNumber c) { return c == 0; });
    forEachList(table, [&](int, const PileList& list) { empty = empty && list.empty(); });
    if (!empty)
        return "a card is on the table between hands";
    const std::array<std::string, kSlotsPerPlayer> waiting{"52", "0", "0", "0", "0", "0"};
    if (controls.counts != waiting)
        return "the counts between hands read " + controls.counts[0] + "/" + controls.counts[1] + "/...";
    return {};
}

// A foundation stays, takes an ace when empty, or takes the next card of its suit below a king:
// one foundation per move. A reset empties all sixteen.
std::string checkFoundationStep(const std::array<CardNumber, kFoundations>& before,
                                const std::array<CardNumber, kFoundations>& after) {
    if (std::all_of(after.begin(), after.end(), [](CardNumber c) { return c == kNoCard; }))
        return {};
    int changed = 0;
    for (int j = 0; j < kFoundations; ++j) {
        if (after[j] == before[j])
            continue;
        ++changed;
        const bool aceOnEmpty = before[j] == kNoCard && isAce(after[j]);
        const bool nextCard = before[j] != kNoCard && rankOf(before[j]) < kKing && after[j] == before[j] + 4;
        if (!aceOnEmpty && !nextCard)
            return "foundation " + std::to_string(j) + " went from " + std::to_string(before[j]) + " to " +
                   std::to_string(after[j]);
    }
    if (changed > 1)
        return std::to_string(changed) + " foundations changed in one move";
    return {};
}

std::string checkImages(const Table& table, const ShownCards& shown) {
    const std::pair<ImageKind, int> groups[] = {{ImageKind::Stack, kSlotsPerPlayer},
                                                {ImageKind::Player, kComputerLists},
                                                {ImageKind::Pile, kFoundations}};
    for (const auto& [kind, count] : groups) {
        for (int index = 0; index < count; ++index) {
            const PileImage image{kind, index};
            if (shown[flatIndex(image)] != table.cardFor(image))
                return "image " + std::to_string(flatIndex(image)) + " shows " +
                       std::to_string(shown[flatIndex(image)]) + " instead of " +
                       std::to_string(table.cardFor(image));
        }
    }
    return {};
}

std::string checkControls(const Controls& controls, const Expected& expected) {
    if (expected.goingOut)
        return controls.timerEnabled ? "the timer runs while a hand is being closed" : "";
    const bool running = expected.inHand && !expected.paused;
    if (controls.dealEnabled == expected.inHand)
        return expected.inHand ? "Deal is enabled during a hand" : "Deal is disabled between hands";
    if (controls.pauseEnabled != expected.inHand || controls.unstuckEnabled != expected.inHand)
        return "Pause or No one can play is enabled exactly when no hand runs";
    if (controls.pauseChecked != (expected.inHand && expected.paused))
        return controls.pauseChecked ? "the Pause mark is set unpaused"
                                     : "the Pause mark is missing while paused";
    if (controls.timerEnabled != running)
        return controls.timerEnabled ? "the timer runs while it should not"
                                     : "the timer is stopped in a running hand";
    return {};
}

std::string checkScores(const Game& game, const Expected& expected) {
    const int hands = static_cast<int>(expected.scores.size());
    if (game.handNumber() != hands)
        return "HandNumber is " + std::to_string(game.handNumber()) + " after " + std::to_string(hands) +
               " hands scored";
    const ScoreSheetText& sheet = game.scoreSheet();
    for (int player = 0; player < kPlayers; ++player) {
        std::string lines;
        int total = 0;
        for (const HandRow& row : expected.scores)
            lines += std::to_string(row[player]) + "\n\r", total += row[player];
        if (sheet.lblScore[player] != lines)
            return "player " + std::to_string(player) + "'s scores read \"" + sheet.lblScore[player] + "\"";
        if (hands > 0 && sheet.lblTotal[player] != std::to_string(total))
            return "player " + std::to_string(player) + "'s total reads " + sheet.lblTotal[player] +
                   ", not " + std::to_string(total);
    }
    return {};
}

}  // namespace

std::string InvariantChecker::check(const Game& game, const ShownCards& shown, const Expected& expected) {
    const Table& table = game.table();
    const bool handOnTable = expected.inHand || expected.goingOut;
    std::string fault = handOnTable ? checkCardsDuringHand(table) : checkEmptyTable(table, game.controls());
    if (fault.empty() && handOnTable)
        fault = checkCounts(table, game.controls());
    if (fault.empty())
        fault = checkFoundationStep(previous_, table.pileTop);
    if (fault.empty())
        fault = checkImages(table, shown);
    if (fault.empty())
        fault = checkControls(game.controls(), expected);
    if (fault.empty())
        fault = checkScores(game, expected);
    previous_ = table.pileTop;
    return fault;
}

}  // namespace zanfel::testing
