// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame of a computer card's flight costs: the table painted again where the card was
// and where it is now, cards, cloth and the flying card together, as the window does on every
// step of the animation. At Blinding about thirty such frames are drawn a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "layers/card_flight.h"
#include "qt_benchmark_main.h"
#include "table/card_image.h"
#include "table/card_table.h"
#include "table/pictures.h"

namespace {

void BM_FlightFrame(benchmark::State& state) {
    CardTable table;
    table.show();
    const zanfel::PileImage from{zanfel::ImageKind::Player, 10}, to{zanfel::ImageKind::Foundation, 0};
    table.showCard(from, 20);
    table.showCard(to, 4);
    CardFlight flight(&table);
    const CardImage* target = table.image(to);
    flight.fly(table.image(from), target, target->picture(), emptyPlacePicture(PlaceArt{}), 300);
    QPixmap frame(table.size());
    qreal progress = 0;
    for (auto _ : state) {
        // One animation step of a 300 ms flight at sixty frames a second.
        const QRect dirty = flight.cardRectAt(progress) | flight.cardRectAt(progress + 1.0 / 18);
        table.render(&frame, dirty.topLeft(), QRegion(dirty));
        progress = progress > 0.9 ? 0 : progress + 1.0 / 18;
    }
}
BENCHMARK(BM_FlightFrame);

}  // namespace

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv);
}
