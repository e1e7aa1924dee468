// SPDX-License-Identifier: GPL-3.0-or-later
// zanfel-sounds OUTPUT_FOLDER: makes the game's sounds and writes each as NAME.wav, then says how
// long and how loud each one came out.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "event_sounds.h"
#include "wav_file.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zanfel::sound;
    if (argc != 2) {
        std::fputs("usage: zanfel-sounds OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const EventSound& sound : eventSounds()) {
        const std::vector<std::int16_t> pcm = toPcm16(sound.make());
        const auto path = folder / (sound.name + ".wav");
        if (!writeFile(path, encodeWav(pcm, kSampleRate))) {
            std::fprintf(stderr, "zanfel-sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%-22s %4.0f ms  peak %6.1f dBFS  RMS %6.1f dBFS  %s\n", path.filename().c_str(),
                    1000.0 * pcm.size() / kSampleRate, peakDbfs(pcm), rmsDbfs(pcm), sound.heardFor.c_str());
    }
    return 0;
}
