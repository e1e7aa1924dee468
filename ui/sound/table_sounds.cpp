// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_sounds.h"

#include "table.h"

namespace {

constexpr int kKing = 13;

Sound landing(bool own, zanfel::CardNumber card) {
    if (zanfel::rankOf(card) == kKing)
        return Sound::FoundationClosed;
    return own ? Sound::OwnCard : Sound::RivalCard;
}

}  // namespace

TableSounds::TableSounds(SoundPlayer& player, Clock clock) : player_(player), clock_(std::move(clock)) {}

void TableSounds::setSettings(const SoundSettings& settings) {
    if (settings_.sound && !settings.sound)
        player_.stopAll();
    settings_ = settings;
}

void TableSounds::handDealt() {
    playOwn(Sound::Deal);
}

void TableSounds::cardOnFoundation(int player, zanfel::CardNumber card) {
    if (player == zanfel::kHuman)
        playOwn(landing(true, card));
    else
        playRival(landing(false, card));
}

void TableSounds::dropRefused() {
    playOwn(Sound::Refused);
}

void TableSounds::wentOut() {
    playOwn(Sound::GoingOut);
}

void TableSounds::gameEnded() {
    playOwn(Sound::GameOver);
}

void TableSounds::playOwn(Sound sound) {
    if (settings_.sound)
        player_.play(sound);
}

void TableSounds::playRival(Sound sound) {
    if (!settings_.sound || !settings_.rivals)
        return;
    const auto now = clock_();
    if (lastRival_ && now - *lastRival_ < kRivalSpacing)
        return;
    lastRival_ = now;
    player_.play(sound);
}
