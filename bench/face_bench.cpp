// SPDX-License-Identifier: GPL-3.0-or-later
// What switching the card faces costs mid-hand at 200 %: every face on a dealt table drawn anew in the
// other face set and the table drawn whole, once with nothing of that set drawn before (the first switch),
// once with its pictures kept (switching back). The target is under 50 ms for the first.
#include <benchmark/benchmark.h>

#include <QPixmapCache>

#include "layers/table_layers.h"
#include "main_window.h"
#include "qt_benchmark_main.h"
#include "scripted_random.h"
#include "table/card_table.h"

namespace {

constexpr zanfel::artwork::FaceSet kToday{};
constexpr zanfel::artwork::FaceSet kBoth{.fourColour = true, .largeIndices = true};

// A dealt hand at 200 % with an ace on every foundation, so the table shows as many faces as a hand does.
struct DealtTable {
    zanfel::testing::FirstPlaceRandom random;
    MainWindow window{&random};
    CardTable* table = window.findChild<CardTable*>(QStringLiteral("table"));
    TableLayers* layers = window.findChild<TableLayers*>();

    DealtTable() {
        window.game().deckClicked();
        for (int j = 0; j < zanfel::kFoundations; ++j)
            table->showCard({zanfel::ImageKind::Foundation, j}, zanfel::CardNumber(1 + j % 4 + 4 * (j / 4)));
        table->setZoom(200);
        table->grab();
    }
    void switchTo(zanfel::artwork::FaceSet faces) {
        layers->setFaces(faces);
        benchmark::DoNotOptimize(table->grab());
    }
};

void BM_SwitchFacesAt200DrawingEveryFace(benchmark::State& state) {
    DealtTable dealt;
    for (auto _ : state) {
        state.PauseTiming();
        dealt.switchTo(kToday);
        QPixmapCache::clear();
        dealt.table->grab();
        state.ResumeTiming();
        dealt.switchTo(kBoth);
    }
}
BENCHMARK(BM_SwitchFacesAt200DrawingEveryFace)->Unit(benchmark::kMillisecond);

void BM_SwitchFacesAt200PicturesKept(benchmark::State& state) {
    DealtTable dealt;
    dealt.switchTo(kBoth);
    for (auto _ : state) {
        state.PauseTiming();
        dealt.switchTo(kToday);
        state.ResumeTiming();
        dealt.switchTo(kBoth);
    }
}
BENCHMARK(BM_SwitchFacesAt200PicturesKept)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv);
}
