// SPDX-License-Identifier: GPL-3.0-or-later
// What the game itself costs: one tick of the computer players, a deal of four decks, one
// drop by the player, and a whole hand of the computer players with the player idle.
#include <benchmark/benchmark.h>

#include "quiet_game.h"

namespace zanfel {
namespace {

// Ticks of a running hand, through the game as the timer calls it; a hand that has ended or
// no longer moves is dealt afresh outside the timing.
void BM_OneTick(benchmark::State& state) {
    QuietGame quiet;
    Game& game = quiet.game;
    dealAfresh(game);
    int ticksThisHand = 0;
    for (auto _ : state) {
        game.tick();
        if (++ticksThisHand == kTickLimit || !game.controls().timerEnabled) {
            state.PauseTiming();
            dealAfresh(game);
            ticksThisHand = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_OneTick);

void BM_ShuffleAndDeal(benchmark::State& state) {
    QuietGame quiet;
    for (auto _ : state)
        dealAfresh(quiet.game);
}
BENCHMARK(BM_ShuffleAndDeal);

// The five of spades goes back and forth between two work piles: onto the six of hearts, then
// back onto its own pile, now empty. Both drops are accepted, so nothing is reset between
// iterations; one iteration is one drop.
void BM_PlayerDrop(benchmark::State& state) {
    constexpr CardNumber kFiveOfSpades = 17;
    constexpr CardNumber kSixOfHearts = 22;
    QuietGame quiet;
    Game& game = quiet.game;
    dealAfresh(game);
    PileList& first = game.tableForSetUp().lstStack[kFirstWorkSlot];
    PileList& second = game.tableForSetUp().lstStack[kFirstWorkSlot + 1];
    first.clear();
    first.addFront(kFiveOfSpades);
    second.clear();
    second.addFront(kSixOfHearts);
    int from = kFirstWorkSlot;
    int to = kFirstWorkSlot + 1;
    for (auto _ : state) {
        game.dropOnStack(from, to);
        std::swap(from, to);
    }
    if (first.count() + second.count() != 2 || second.item(second.count() - 1) != kSixOfHearts)
        state.SkipWithError("a drop was refused");
}
BENCHMARK(BM_PlayerDrop);

void BM_WholeHandOfComputerPlayers(benchmark::State& state) {
    QuietGame quiet;
    std::int64_t ticks = 0;
    for (auto _ : state)
        playHandOut(quiet, ticks);
    state.counters["ticks_per_hand"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeHandOfComputerPlayers);

}  // namespace
}  // namespace zanfel
