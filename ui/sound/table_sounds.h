// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "card.h"
#include "sound_player.h"
#include "sound_settings.h"

// Which sound each moment of play asks for, and which are let through. Few moments sound at all:
// the deal, a card reaching a foundation, a refused drop, someone going out and the end of a game;
// the stock turning and the computer players' own piles stay quiet. The rivals' cards are heard
// at most three times a second: at Blinding they land ten times a second, and the sounds in
// between are dropped rather than kept for later, when they would no longer mean anything. The
// player's own sounds never wait for the rivals'.
class TableSounds {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds kRivalSpacing{334};

    explicit TableSounds(SoundPlayer& player, Clock clock = &std::chrono::steady_clock::now);

    SoundSettings settings() const { return settings_; }
    // Turning the sound off silences what is sounding at once, not only what comes next.
    void setSettings(const SoundSettings& settings);

    void handDealt();
    // `player` is a player index: the human's own card, or a rival's. A king closes its foundation.
    void cardOnFoundation(int player, zanfel::CardNumber card);
    // A card the player let go over a place the rules do not allow it on.
    void dropRefused();
    // Someone went out: that ends the hand for everyone, so it is heard whoever it was, the
    // rivals' sounds on or off.
    void wentOut();
    void gameEnded();

private:
    void playOwn(Sound sound);
    void playRival(Sound sound);

    SoundPlayer& player_;
    Clock clock_;
    SoundSettings settings_;
    std::optional<std::chrono::steady_clock::time_point> lastRival_;
};
