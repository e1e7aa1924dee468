// SPDX-License-Identifier: GPL-3.0-or-later
// The real player, through libcanberra and ALSA. One process a case: ALSA reads its set-up once.
#include <link.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <thread>

#include "canberra_sound_player.h"

namespace {

// libcanberra told to use ALSA even where a sound server runs.
void useAlsaConfiguration(const QTemporaryDir& folder, const QByteArray& defaultDevice) {
    const QString path = folder.filePath(QStringLiteral("asound.conf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<confdir:alsa.conf>\npcm.!default {\n" + defaultDevice + "\n}\npcm.nowhere { type null }\n");
    file.close();
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(path));
    qputenv("CANBERRA_DRIVER", "alsa");
}

// A device that writes what it plays to a file.
QByteArray writingTo(const QString& path) {
    return "type file\nslave.pcm nowhere\nformat raw\nfile \"" + QFile::encodeName(path) + '"';
}

bool alsaOutputLoaded() {
    bool loaded = false;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            *static_cast<bool*>(found) |= std::string_view(info->dlpi_name).ends_with("/libcanberra-alsa.so");
            return 0;
        },
        &loaded);
    return loaded;
}

}  // namespace

class CanberraPlayerTest : public QObject {
    Q_OBJECT

private slots:
    // The device writes what it gets to a file: each sound's own samples, every next sound's as the first's.
    void playsTheSoundsOwnSamples() {
        QTemporaryDir folder;
        const QString played = folder.filePath(QStringLiteral("played.raw"));
        useAlsaConfiguration(folder, writingTo(played));
        CanberraSoundPlayer player(QStringLiteral(ZANFEL_SOUND_DIR));
        for (Sound sound : {Sound::Deal, Sound::OwnCard, Sound::RivalCard, Sound::Refused,
                            Sound::FoundationClosed, Sound::GoingOut, Sound::GameOver}) {
            QFile wav(QDir(ZANFEL_SOUND_DIR).filePath(soundFileName(sound)));
            QVERIFY(wav.open(QIODevice::ReadOnly));
            const QByteArray samples = wav.readAll().mid(44);
            player.play(sound);
            player.waitUntilIdle();
            const auto heard = [&] {
                QFile out(played);
                return out.open(QIODevice::ReadOnly) && out.readAll().contains(samples);
            };
            QVERIFY2(QTest::qWaitFor(heard, 10000), qPrintable(wav.fileName()));
        }
    }

    // Players ended a little later each time, until one ends just as the library's own thread
    // for a sound is on its way out of the ALSA output: the run goes on, and that output stays
    // loaded for any such thread.
    void endsWhileItsSoundsAreEnding() {
        QTemporaryDir folder;
        useAlsaConfiguration(folder, writingTo(folder.filePath(QStringLiteral("played.raw"))));
        for (int later = 0; later < 16; ++later) {
            CanberraSoundPlayer player(QStringLiteral(ZANFEL_SOUND_DIR));
            player.play(Sound::OwnCard);
            player.play(Sound::RivalCard);
            player.waitUntilIdle();
            std::this_thread::sleep_for(std::chrono::milliseconds(8 * later));
        }
        QVERIFY(alsaOutputLoaded());
    }

    // No card at all: the sound is given up without a word and nothing waits for it.
    void withoutSoundCardSaysNothing() {
        QTemporaryDir folder;
        useAlsaConfiguration(folder, "type plug\nslave.pcm \"hw:7\"");
        const QString errors = folder.filePath(QStringLiteral("stderr.txt"));
        std::fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        QVERIFY(std::freopen(QFile::encodeName(errors).constData(), "w", stderr));
        {
            CanberraSoundPlayer player(QStringLiteral(ZANFEL_SOUND_DIR));
            player.play(Sound::Deal);
            player.waitUntilIdle();
        }
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        QFile said(errors);
        QVERIFY(said.open(QIODevice::ReadOnly));
        QCOMPARE(said.readAll(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(CanberraPlayerTest)
#include "canberra_player_test.moc"
