// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that hold after every action of random play, whatever the player did.
#include <bitset>
#include <sstream>

#include "random_play.h"

namespace zanfel::testing {

namespace {

template <typename... Parts>
std::string say(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

// Foundations cover what players miss, each climbing from the ace by one, so ranks sum to cards played.
// Between hands: empty table, full-deck stock.
std::string cardsAndCounts(const Table& table, const Controls& controls, bool handOnTable) {
    std::array<int, kDeckSize + 1> accounted{};  // players holding the card and foundations covering it
    int held = 0;
    for (int player = 0; player < kPlayers; ++player) {
        std::bitset<kDeckSize + 1> holds;
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
            const PileList& list = table.pileOf(player, slot);
            for (int i = 0; i < list.count(); ++i, ++held) {
                const int card = list.item(i);
                if (card < 1 || card > kDeckSize || holds[card])
                    return say("player ", player, " holds card ", card, " twice or no such card");
                holds[card] = true;
                ++accounted[card];
            }
        }
    }
    int rankSum = 0;
    for (CardNumber top : table.pileTop) {
        rankSum += top == kNoCard ? 0 : rankOf(top);
        for (int card = top; card > 0 && card <= kDeckSize; card -= 4)
            ++accounted[card];
    }
    if (!handOnTable && (held > 0 || table.pileTop != Foundations{}))
        return "a card is on the table between hands";
    for (int card = 1; handOnTable && card <= kDeckSize; ++card)
        if (accounted[card] != kPlayers)
            return say("card ", card, " is held or covered ", accounted[card], " times, not ", kPlayers);
    if (handOnTable && rankSum != kPlayers * kDeckSize - held)
        return say("the foundations' ranks add up to ", rankSum, " with ", held, " cards held");
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
        const int count = handOnTable ? table.lstStack[slot].count() : slot == kStockSlot ? kDeckSize : 0;
        if (controls.counts[slot] != count)
            return say("count ", slot, " reads ", controls.counts[slot], " for ", count, " cards");
    }
    return {};
}

// Per move one foundation stays, takes an ace when empty or its suit's next below a king; reset empties all.
std::string foundationStep(const Foundations& before, const Foundations& after) {
    int changed = 0;
    for (int j = 0; j < kFoundations && after != Foundations{}; ++j) {
        if (after[j] == before[j])
            continue;
        const bool legal = before[j] == kNoCard
                               ? isAce(after[j])
                               : rankOf(before[j]) < rankOf(kDeckSize) && after[j] == before[j] + 4;
        if (!legal || ++changed > 1)
            return say("foundation ", j, " went from ", before[j], " to ", after[j],
                       legal ? " in a second change" : "");
    }
    return {};
}

std::string images(const Table& table, const std::array<CardNumber, kImageCount>& shown) {
    for (auto [kind, count] :
         {std::pair{ImageKind::Stack, kSlotsPerPlayer}, std::pair{ImageKind::Player, kComputerLists},
          std::pair{ImageKind::Foundation, kFoundations}})
        for (int index = 0; index < count; ++index)
            if (const PileImage image{kind, index}; shown[flatIndex(image)] != table.cardFor(image))
                return say("image ", flatIndex(image), " shows ", shown[flatIndex(image)], " instead of ",
                           table.cardFor(image));
    return {};
}

std::string controlsFault(const Controls& controls, bool inHand, bool paused, bool goingOut) {
    if (goingOut)
        return controls.timerEnabled ? "the timer runs while a hand is being closed" : "";
    if (controls.dealEnabled == inHand)
        return inHand ? "Deal is enabled during a hand" : "Deal is disabled between hands";
    if (controls.pauseEnabled != inHand || controls.noOneCanPlayEnabled != inHand)
        return "Pause or No one can play is enabled exactly when no hand runs";
    if (controls.pauseChecked != (inHand && paused))
        return "the Pause mark is not what Pause chose";
    if (controls.timerEnabled != (inHand && !paused))
        return say("the timer ", controls.timerEnabled ? "runs" : "is stopped", " wrongly");
    return {};
}

std::string scoresFault(const Game& game, const std::vector<HandRow>& scores) {
    if (game.handNumber() != static_cast<int>(scores.size()))
        return say("HandNumber is ", game.handNumber(), " after ", scores.size(), " hands scored");
    const ScoreSheetFigures& sheet = game.scoreSheet();
    if (sheet.handsListed != static_cast<int>(scores.size()))
        return say("the sheet lists ", sheet.handsListed, " hands after ", scores.size(), " scored");
    for (int player = 0; player < kPlayers; ++player) {
        int total = 0;
        for (std::size_t hand = 1; hand <= scores.size(); ++hand) {
            const int score = scores[hand - 1][player];
            if (game.handScores().row(static_cast<int>(hand))[player] != score)
                return say("player ", player, "'s hand ", hand, " reads ",
                           game.handScores().row(static_cast<int>(hand))[player], " for ", score);
            total += score;
        }
        if (!scores.empty() && sheet.totals[player] != total)
            return say("player ", player, "'s total reads ", sheet.totals[player], " for ", total);
    }
    return {};
}

}  // namespace

std::string RandomPlay::brokenRule() const {
    const Table& table = game_->table();
    for (const std::string& fault :
         {cardsAndCounts(table, game_->controls(), inHand_ || goingOut_),
          foundationStep(foundations_, table.pileTop), images(table, shown_),
          controlsFault(game_->controls(), inHand_, paused_, goingOut_), scoresFault(*game_, scores_)})
        if (!fault.empty())
            return fault;
    return {};
}

}  // namespace zanfel::testing
