// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_sounds.h"

namespace zanfel::sound {
namespace {

// Notes of the chimes, in Hz.
constexpr double kC4 = 261.63, kG4 = 392.00, kC5 = 523.25, kE5 = 659.26, kG5 = 783.99, kC6 = 1046.50,
                 kG6 = 1567.98;

// A soft mallet on a small bar: mostly the fundamental, a little of the octave and the twelfth.
std::vector<Partial> mallet(double decay) {
    return {{1, 1.0, decay}, {2, 0.25, decay * 0.5}, {3, 0.08, decay * 0.3}};
}

// A small bell: brighter than the mallet, with one slightly stretched partial for its shimmer.
std::vector<Partial> bell(double decay) {
    return {{1, 1.0, decay}, {2, 0.35, decay * 0.6}, {3, 0.12, decay * 0.4}, {4.2, 0.06, decay * 0.25}};
}

// The player's own card on a foundation: a soft click of the edge over the thump of the card
// landing flat, warm and close.
Samples ownCard() {
    Noise noise(0x2545f491);
    Samples s = silence(0.13);
    mixIn(s, noiseBurst(noise, Biquad::bandPass(2200, 0.9), 0.05, 0.0006, 0.006), 0, 0.9);
    mixIn(s, noiseBurst(noise, Biquad::lowPass(700, 0.7), 0.09, 0.001, 0.018), 0.001, 1.2);
    mixIn(s, thump(160, 105, 0.12, 0.025), 0.002, 0.45);
    fadeOut(s, 0.02);
    scaleToPeak(s, -12);
    return s;
}

// A rival's card: a small, bright, distant tick with a hint of wood and no weight under it, so
// it is told from the player's own by ear alone, and sits well below it.
Samples rivalCard() {
    Noise noise(0x7f4a7c15);
    Samples s = silence(0.08);
    mixIn(s, noiseBurst(noise, Biquad::bandPass(3600, 1.4), 0.04, 0.0005, 0.004), 0, 1.0);
    mixIn(s, noiseBurst(noise, Biquad::bandPass(1250, 9), 0.07, 0.001, 0.012), 0, 1.6);
    fadeOut(s, 0.015);
    scaleToPeak(s, -22);
    return s;
}

// The deal: a quick riffle of card edges, a little uneven as a hand deals, then the deck set down.
Samples deal() {
    Noise noise(0x9e3779b9);
    const struct {
        double at, hz, gain;
    } flicks[] = {
        {0, 3000, 0.9}, {0.034, 2600, 0.75}, {0.071, 3300, 0.8}, {0.104, 2800, 0.7}, {0.142, 3100, 0.8}};
    Samples s = silence(0.26);
    for (const auto& f : flicks)
        mixIn(s, noiseBurst(noise, Biquad::bandPass(f.hz, 1.0), 0.05, 0.002, 0.009), f.at, f.gain);
    mixIn(s, noiseBurst(noise, Biquad::lowPass(600, 0.7), 0.08, 0.001, 0.016), 0.185, 0.9);
    mixIn(s, thump(140, 95, 0.07, 0.02), 0.186, 0.35);
    fadeOut(s, 0.02);
    scaleToPeak(s, -14);
    return s;
}

// A refused drop: two muted knocks on wood, the second lower, like a polite "uh-uh".
Samples refused() {
    Noise noise(0x3c6ef372);
    Samples s = silence(0.2);
    mixIn(s, noiseBurst(noise, Biquad::bandPass(420, 10), 0.09, 0.001, 0.03), 0, 1.0);
    mixIn(s, struckTone(420, mallet(0.025), 0.08, 0.001), 0, 0.25);
    mixIn(s, noiseBurst(noise, Biquad::bandPass(315, 10), 0.1, 0.001, 0.035), 0.085, 1.0);
    mixIn(s, struckTone(315, mallet(0.03), 0.09, 0.001), 0.085, 0.25);
    fadeOut(s, 0.03);
    scaleToPeak(s, -18);
    return s;
}

// A foundation closed by its king: a small bell, a fifth up and again.
Samples foundationClosed() {
    Samples s = silence(0.29);
    mixIn(s, struckTone(kC6, bell(0.12), 0.29, 0.002), 0, 1.0);
    mixIn(s, struckTone(kG6, bell(0.11), 0.22, 0.002), 0.07, 0.8);
    fadeOut(s, 0.06);
    scaleToPeak(s, -18);
    return s;
}

// Someone went out: a short rising arpeggio on soft mallets.
Samples goingOut() {
    Samples s = silence(0.295);
    const double notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i)
        mixIn(s, struckTone(notes[i], mallet(0.15), 0.295 - 0.055 * i, 0.003), 0.055 * i, 1.0 - 0.1 * i);
    fadeOut(s, 0.06);
    scaleToPeak(s, -18);
    return s;
}

// The end of a game: a warm chord strummed upwards and let ring, then brought to rest.
Samples gameOver() {
    Samples s = silence(0.295);
    const double notes[] = {kC4, kG4, kC5, kE5, kG5};
    for (int i = 0; i < 5; ++i)
        mixIn(s, struckTone(notes[i], mallet(0.3), 0.295 - 0.025 * i, 0.006), 0.025 * i, 0.8);
    fadeOut(s, 0.12);
    scaleToPeak(s, -17);
    return s;
}

}  // namespace

const std::vector<EventSound>& eventSounds() {
    static const std::vector<EventSound> sounds{
        {"deal", "a hand is dealt", deal},
        {"own_card", "your card lands on a foundation", ownCard},
        {"rival_card", "a rival's card lands on a foundation", rivalCard},
        {"refused", "a drop the rules refuse", refused},
        {"foundation_closed", "a king closes a foundation", foundationClosed},
        {"going_out", "someone goes out", goingOut},
        {"game_over", "the game ends", gameOver},
    };
    return sounds;
}

}  // namespace zanfel::sound
