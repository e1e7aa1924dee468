// How much one tick of the computer players costs, and a whole hand of them with the human
// idle. Also the deal, which runs four shuffles.
#include <benchmark/benchmark.h>

#include "game.h"

namespace zanfel {
namespace {

// A screen that shows nothing and answers OK: the cost measured is the game's own.
class SilentView final : public TableView {
public:
    void showImage(PileImage, CardNumber) override {}
    void showControls() override {}
    void announceGoingOut(const Announcement&) override { ++handsEnded; }
    void showScoreSheet(const ScoreSheetText&) override {}
    void hideScoreSheet() override {}
    Answer askPlayAgain(const std::string&) override { return Answer::Ok; }
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override {}
    int handsEnded = 0;
};

// The same shuffles every run, so every run plays the same hands.
class CountingRandom final : public RandomSource {
public:
    float reseedAndDraw() override {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>(state_ >> 40) / 16777216.0f;
    }

private:
    std::uint64_t state_ = 7;
};

// A started game that nobody watches.
struct QuietGame {
    SilentView view;
    CountingRandom random;
    Game game{view, random};
    QuietGame() { game.startUp(); }
};

constexpr int kTickLimit = 20000;  // a hand that no longer moves is stopped here

// Ticks of a running hand, through the game as the timer calls it; a hand that has ended or
// no longer moves is dealt afresh outside the timing.
void BM_OneTick(benchmark::State& state) {
    QuietGame quiet;
    Game& game = quiet.game;
    game.shuffleAndDeal();
    int ticksThisHand = 0;
    for (auto _ : state) {
        game.tick();
        if (++ticksThisHand == kTickLimit || !game.controls().timerEnabled) {
            state.PauseTiming();
            game.shuffleAndDeal();
            ticksThisHand = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_OneTick);

void BM_WholeHandOfComputerPlayers(benchmark::State& state) {
    QuietGame quiet;
    Game& game = quiet.game;
    std::int64_t ticks = 0;
    for (auto _ : state) {
        game.shuffleAndDeal();
        const int endedBefore = quiet.view.handsEnded;
        for (int i = 0; i < kTickLimit && quiet.view.handsEnded == endedBefore; ++i, ++ticks)
            game.tick();
    }
    state.counters["ticks_per_hand"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeHandOfComputerPlayers);

void BM_ShuffleAndDeal(benchmark::State& state) {
    QuietGame quiet;
    Game& game = quiet.game;
    for (auto _ : state)
        game.shuffleAndDeal();
}
BENCHMARK(BM_ShuffleAndDeal);

}  // namespace
}  // namespace zanfel
