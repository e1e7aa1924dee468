// SPDX-License-Identifier: GPL-3.0-or-later
// Which sound the table asks for at each moment of play, the rivals' limit, and their settings.
#include <QTest>
#include <vector>

#include "recording_sound_player.h"
#include "table.h"
#include "table_setup.h"
#include "table_sounds.h"

namespace {

using namespace std::chrono_literals;
using namespace zanfel::testing;

constexpr int kLeftGuy = zanfel::kLeftPlayer;

struct FakeClock {
    std::chrono::steady_clock::time_point now{};
    TableSounds::Clock clock() {
        return [this] { return now; };
    }
};

}  // namespace

class TableSoundsTest : public QObject {
    Q_OBJECT

private slots:
    // The window test hears every other moment from real play; a king closing a foundation is rare there.
    void aKingClosingAFoundationIsHeardAndRivalsOffSilencesTheirs() {
        RecordingSoundPlayer player;
        FakeClock time;
        TableSounds sounds(player, time.clock());
        sounds.cardOnFoundation(zanfel::kRightPlayer, of(13, H));
        sounds.setSettings({true, false});
        time.now += 1s;
        sounds.cardOnFoundation(kLeftGuy, of(13, C));
        QCOMPARE(player.played, std::vector<Sound>{Sound::FoundationClosed});
    }

    // Blinding: a rival's card every 100 ms for three seconds, the player's own every 250 ms.
    void atBlindingRivalsAreHeardThreeTimesASecondAndYoursAlways() {
        RecordingSoundPlayer player;
        FakeClock time;
        TableSounds sounds(player, time.clock());
        std::vector<int> rivalHeardAtMs;
        for (int ms = 0; ms < 3000; ms += 50) {
            time.now = std::chrono::steady_clock::time_point(std::chrono::milliseconds(ms));
            const std::size_t before = player.played.size();
            if (ms % 100 == 0)
                sounds.cardOnFoundation(kLeftGuy, of(ms / 100 % 12 + 1, C));
            if (player.played.size() > before)
                rivalHeardAtMs.push_back(ms);
            if (ms % 250 == 0)
                sounds.cardOnFoundation(zanfel::kHuman, of(5, H));
        }
        QCOMPARE(rivalHeardAtMs, (std::vector<int>{0, 400, 800, 1200, 1600, 2000, 2400, 2800}));
        QCOMPARE(std::count(player.played.begin(), player.played.end(), Sound::OwnCard), 12);
        // Dropped, not kept for later: the next sound comes alone.
        player.played.clear();
        sounds.dropRefused();
        QCOMPARE(player.played, std::vector<Sound>{Sound::Refused});
    }
};

QTEST_MAIN(TableSoundsTest)
#include "table_sounds_test.moc"
