// SPDX-License-Identifier: GPL-3.0-or-later
// What the first sound costs, in a process that shows a window as the game does: whether the sound
// library is in the process before and after it, the time the table's thread spends asking for it
// and for a second one, the time the player's own thread takes to hand it over or give up (on a
// machine without audio: to find out there is none), and the resident memory before and a second
// after. Whether the table's thread ever waited inside play() shows in its voluntary context
// switches there; the involuntary ones are the machine giving the core to someone else. One line per run; run
// it a few times and take the medians:
//   for i in 1 2 3 4 5 6 7; do QT_QPA_PLATFORM=offscreen build/bench/sound_first_play; done
#include <sys/resource.h>
#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "canberra_sound_player.h"
#include "resident_memory.h"

namespace {

using Clock = std::chrono::steady_clock;

bool canberraMapped() {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("libcanberra") != std::string::npos)
            return true;
    return false;
}

// The wall time of a call on this thread, and its context switches: those it asked for by waiting,
// and those imposed on it when the machine gave the core to someone else.
struct CallCost {
    double ms;
    long waited;
    long preempted;
};

template <typename Call>
CallCost cost(Call call) {
    rusage before{}, after{};
    getrusage(RUSAGE_THREAD, &before);
    const auto start = Clock::now();
    call();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    getrusage(RUSAGE_THREAD, &after);
    return {ms, after.ru_nvcsw - before.ru_nvcsw, after.ru_nivcsw - before.ru_nivcsw};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(754, 452);
    window.show();
    CanberraSoundPlayer player(locateSoundFolder(QCoreApplication::applicationDirPath() + "/../ui"));
    // Once the window is up and settled, as a first deal would find it.
    QTimer::singleShot(500, [&] {
        const bool before = canberraMapped();
        const long rssBefore = residentKiB();
        const CallCost first = cost([&] { player.play(Sound::Deal); });
        const CallCost handOver = cost([&] { player.waitUntilIdle(); });
        const CallCost second = cost([&] { player.play(Sound::OwnCard); });
        QTimer::singleShot(1000, [&, before, rssBefore, first, handOver, second] {
            std::printf(
                "library loaded before %s after %s | first play() %.3f ms, handed over or given up %.1f ms "
                "later, second play() %.3f ms, waits in play() %ld (preempted %ld) | RSS %ld KiB -> %ld KiB "
                "(%+ld KiB)\n",
                before ? "yes" : "no", canberraMapped() ? "yes" : "no", first.ms, handOver.ms, second.ms,
                first.waited + second.waited, first.preempted + second.preempted, rssBefore, residentKiB(),
                residentKiB() - rssBefore);
            app.quit();
        });
    });
    return app.exec();
}
