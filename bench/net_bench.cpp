// SPDX-License-Identifier: GPL-3.0-or-later
// What the network game costs: the bytes a whole hand sends one guest, the host's work for a
// tick at Blinding with three guests told of it, and the round trip of a guest's move to the
// host and back over the loopback interface.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "frame_reader.h"
#include "guest_feed.h"
#include "guest_game.h"
#include "host.h"
#include "message_codec.h"
#include "quiet_game.h"

namespace zanfel::net {
namespace {

qint64 frameBytes(const Message& message) {
    return framed(encodeMessage(message)).size();
}

// The host's side of a hand without sockets: after every tick, as after every pass of the event
// loop at Blinding, the guest is told what changed, and once a second it is pinged.
class CountingView final : public TableView {
public:
    GuestFeed feed{kMiddlePlayer};
    Game* game = nullptr;
    qint64 bytes = 0;
    int handsEnded = 0;
    void showImage(PileImage, CardNumber) override {}
    void showControls() override {}
    void announceGoingOut(int player) override {
        tell();
        bytes += frameBytes(WentOut{player});
        ++handsEnded;
    }
    void recordHand(const HandResult& hand) override {
        bytes += frameBytes(
            HandScored{1, {hand.scores.begin(), hand.scores.end()}, {0, 0, 0, 0}, 0, 5, false, false, 0});
    }
    void showScoreSheet() override { game->scoreSheetActivated(); }
    void hideScoreSheet() override {}
    Answer askPlayAgain(const GameOutcome&) override { return Answer::Ok; }
    bool applySavedColour() override { return true; }
    void resetTableColour() override {}
    void endProgram() override {}
    void markComputerMove(PileImage from, PileImage to) override { feed.noteMove(from, to); }
    void tell() {
        for (const Message& message : feed.take(*game))
            bytes += frameBytes(message);
    }
};

// The cards on the foundations and the work piles: it grows whenever anyone gets a card out.
int cardsOut(const Table& table) {
    int out = 0;
    for (CardNumber top : table.pileTop)
        out += top == kNoCard ? 0 : rankOf(top);
    for (int player = 0; player < kPlayers; ++player)
        for (int slot = kFirstWorkSlot; slot <= kLastWorkSlot; ++slot)
            out += table.pileOf(player, slot).count();
    return out;
}

// Whole hands at Blinding with a guest in the middle seat, the host idle, the left and right
// computer players playing; with state.range(0) the guest plays too, every third tick the first
// card that goes to a foundation, or a turn of its stock. When no card has come out for 30
// seconds the host chooses "No one can play", as people at the table would.
void BM_BytesPerHandToOneGuest(benchmark::State& state) {
    CountingView view;
    CountingRandom random;
    Game game(view, random);
    view.game = &game;
    game.startUp();
    game.levelCommand(5);
    game.setSeat(kMiddlePlayer, Seat{SeatKind::Elsewhere, "Guest"});
    std::int64_t ticks = 0, hands = 0, stopped = 0;
    for (auto _ : state) {
        dealAfresh(game);
        const int before = view.handsEnded;
        int lastOut = 0, stillFor = 0;
        for (int tick = 0; view.handsEnded == before && tick < kTickLimit; ++tick, ++ticks) {
            game.tick();
            if (state.range(0) && tick % 3 == 0) {
                const bool played = game.playToFoundation(kMiddlePlayer, kPersonalSlot) ||
                                    game.playToFoundation(kMiddlePlayer, kStockSlot) ||
                                    game.deckClicked(kMiddlePlayer);
                view.bytes += frameBytes(MoveAnswer{tick & 0xffff, played, Refusal::None});
            }
            if (const int out = cardsOut(game.table()); std::exchange(lastOut, out) != out)
                stillFor = 0;
            else if (++stillFor == 300)
                game.noOneCanPlayCommand();
            view.tell();
            if (tick % 10 == 0)  // a ping a second at ten ticks a second, and its answer
                view.bytes += frameBytes(Ping{tick & 0xffff});
        }
        stopped += view.handsEnded == before;
        ++hands;
    }
    state.counters["bytes_per_hand"] = static_cast<double>(view.bytes) / hands;
    state.counters["ticks_per_hand"] = static_cast<double>(ticks) / hands;
    state.counters["bytes_per_minute"] = static_cast<double>(view.bytes) / ticks * 600;
    state.counters["hands_stopped"] = static_cast<double>(stopped);
}
BENCHMARK(BM_BytesPerHandToOneGuest)->Arg(0)->Arg(1)->Iterations(100)->Unit(benchmark::kMillisecond);

// One tick at Blinding and each of three guests told of it: what the host adds per tick. Ten
// ticks a second, so a microsecond here is a thousandth of a percent of a core.
void BM_HostTickTellingThreeGuests(benchmark::State& state) {
    QuietGame quiet;
    std::array<GuestFeed, 3> feeds{GuestFeed(1), GuestFeed(2), GuestFeed(3)};
    dealAfresh(quiet.game);
    qint64 bytes = 0;
    int ticksThisHand = 0;
    for (auto _ : state) {
        quiet.game.tick();
        for (GuestFeed& feed : feeds)
            for (const Message& message : feed.take(quiet.game))
                bytes += frameBytes(message);
        if (++ticksThisHand == kTickLimit || !quiet.game.controls().timerEnabled) {
            state.PauseTiming();
            dealAfresh(quiet.game);
            ticksThisHand = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_HostTickTellingThreeGuests);

// A guest's stock turned: the click goes to the host, the host turns it, the guest hears the
// answer. Loopback, Nagle off, both ends in this process.
void BM_MoveRoundTripOverLoopback(benchmark::State& state) {
    SilentView window;
    CountingRandom random;
    Game game(window, random);
    window.game = &game;
    game.startUp();
    HostLimits limits;
    limits.moveBurst = limits.messageBurst = 1 << 30;
    limits.movesPerSecond = limits.messagesPerSecond = 1 << 30;
    Host host(game, window, QStringLiteral("Host"), limits);
    host.listen(QHostAddress::LocalHost, 0);
    SilentView screen;
    GuestSession session(QStringLiteral("Guest"));
    GuestGame guest(session, screen);
    int answers = 0;
    QObject::connect(&session, &GuestSession::received,
                     [&](const Message& m) { answers += std::holds_alternative<MoveAnswer>(m); });
    session.join(QStringLiteral("127.0.0.1"), host.port());
    const auto waitFor = [](const auto& done) {
        while (!done())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    waitFor([&] { return session.state() == GuestSession::State::Lobby; });
    host.start();
    game.dealCommand();
    waitFor([&] { return guest.controls().noOneCanPlayEnabled; });
    for (auto _ : state) {
        const int before = answers;
        guest.deckClicked();
        waitFor([&] { return answers > before; });
    }
}
BENCHMARK(BM_MoveRoundTripOverLoopback)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace zanfel::net

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
