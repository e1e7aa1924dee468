// SPDX-License-Identifier: GPL-3.0-or-later
// What a zoom step costs: the table of a dealt hand laid out at 300 % and drawn whole, once with
// every picture drawn anew for the new size (the first step to a zoom), once with them kept
// (stepping back to a zoom seen before). The target is under 50 ms for the first.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmapCache>

#include "main_window.h"
#include "qt_benchmark_main.h"
#include "scripted_random.h"
#include "table/card_table.h"

namespace {

// A dealt hand with an ace on every foundation, so the table shows as many faces as a hand does.
struct DealtTable {
    zanfel::testing::FirstPlaceRandom random;
    MainWindow window{&random};
    CardTable* table = window.findChild<CardTable*>(QStringLiteral("table"));

    DealtTable() {
        window.game().deckClicked();
        for (int j = 0; j < zanfel::kFoundations; ++j)
            table->showCard({zanfel::ImageKind::Foundation, j}, zanfel::CardNumber(1 + j % 4 + 4 * (j / 4)));
        table->grab();
    }
    void stepTo(int percent) {
        table->setZoom(percent);
        benchmark::DoNotOptimize(table->grab());
    }
};

void BM_ZoomStepTo300DrawingEveryPicture(benchmark::State& state) {
    DealtTable dealt;
    for (auto _ : state) {
        state.PauseTiming();
        dealt.stepTo(250);
        QPixmapCache::clear();
        state.ResumeTiming();
        dealt.stepTo(300);
    }
}
BENCHMARK(BM_ZoomStepTo300DrawingEveryPicture)->Unit(benchmark::kMillisecond);

void BM_ZoomStepTo300PicturesKept(benchmark::State& state) {
    DealtTable dealt;
    for (auto _ : state) {
        state.PauseTiming();
        dealt.stepTo(250);
        state.ResumeTiming();
        dealt.stepTo(300);
    }
}
BENCHMARK(BM_ZoomStepTo300PicturesKept)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv);
}
