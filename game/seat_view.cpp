// SPDX-License-Identifier: GPL-3.0-or-later
#include "seat_view.h"

#include <array>

namespace zanfel {

namespace {

// The host's places clockwise from the bottom.
constexpr std::array<int, kPlayers> kClockwise{kHuman, kLeftPlayer, kMiddlePlayer, kRightPlayer};

constexpr int turnOf(int player) {
    for (int turn = 0; turn < kPlayers; ++turn)
        if (kClockwise[turn] == player)
            return turn;
    return 0;
}

// The player index an image belongs to, with its slot; foundations belong to nobody.
struct Owner {
    int player;
    int slot;
};

Owner ownerOf(PileImage image) {
    if (image.kind == ImageKind::Stack)
        return {kHuman, image.index};
    return {playerOfBase(playerBaseOf(image.index)), image.index % kSlotsPerPlayer};
}

PileImage remap(PileImage image, int (*player)(int, int), int viewer) {
    if (image.kind == ImageKind::Foundation)
        return image;
    const Owner owner = ownerOf(image);
    return imageOf(player(viewer, owner.player), owner.slot);
}

}  // namespace

// Seen from the viewer, the host's player sits as many places on clockwise as it does from
// the host's bottom, less the viewer's own.
int localPlayer(int viewer, int player) {
    return kClockwise[(turnOf(player) - turnOf(viewer) + kPlayers) % kPlayers];
}

int hostPlayer(int viewer, int local) {
    return kClockwise[(turnOf(local) + turnOf(viewer)) % kPlayers];
}

PileImage localImage(int viewer, PileImage hostImage) {
    return remap(hostImage, localPlayer, viewer);
}

PileImage hostImage(int viewer, PileImage localImage) {
    return remap(localImage, hostPlayer, viewer);
}

}  // namespace zanfel
