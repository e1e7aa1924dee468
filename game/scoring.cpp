#include "scoring.h"

#include <cctype>

namespace zanfel {

namespace {

int cardsHeld(const Table& table, int player) {
    int held = 0;
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
        held += table.pileOf(player, slot).count();
    return held;
}

}  // namespace

HandRow scoreHand(const Table& table) {
    HandRow row{};
    for (int player = 0; player < kPlayers; ++player) {
        const int score =
            (kDeckSize - cardsHeld(table, player)) - 2 * table.pileOf(player, kPersonalSlot).count();
        row[player] = static_cast<std::int16_t>(score);
    }
    return row;
}

void HandScores::set(int hand, const HandRow& row) {
    if (hand >= rowCount())
        rows_.resize(hand + 1, HandRow{});
    rows_[hand] = row;
}

void rebuildSheet(ScoreSheetText& sheet, const HandScores& scores, int handNumber) {
    for (int player = 0; player < kPlayers; ++player) {
        std::string lines;
        int total = 0;
        for (int hand = 1; hand <= handNumber; ++hand) {
            const int score = scores.row(hand)[player];
            lines += std::to_string(score) + "\n\r";
            total += score;
        }
        sheet.lblScore[player] = lines;
        sheet.lblTotal[player] = std::to_string(total);
    }
}

int leadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        if (value < 1'000'000'000L)
            value = value * 10 + (text[at] - '0');
    }
    return static_cast<int>(negative ? -value : value);
}

GameOutcome judgeTotals(const std::array<int, kPlayers>& totals) {
    GameOutcome outcome;
    for (int total : totals) {
        if (total > kWinningTotal) {
            outcome.over = true;
            break;
        }
    }
    if (!outcome.over)
        return outcome;
    for (int player = 1; player < kPlayers; ++player)
        if (totals[player] > totals[outcome.leader])
            outcome.leader = player;
    for (int player = 0; player < kPlayers; ++player)
        if (player != outcome.leader && totals[player] == totals[outcome.leader])
            outcome.tie = true;
    return outcome;
}

std::string gameOverQuestion(const GameOutcome& outcome) {
    static constexpr std::array<const char*, kPlayers> kWinnerLines{
        "You Won !!", "The middle player won !!", "The left player won !!", "The player on the right won !!"};
    const std::string first = outcome.tie ? "We have a tie !!" : kWinnerLines[outcome.leader];
    return first + "\r\nDo you want to play again?";
}

}  // namespace zanfel
