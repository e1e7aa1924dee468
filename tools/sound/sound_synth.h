// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The building blocks of the game's sounds: noise shaped by filters and envelopes for the cards,
// a few decaying partials for the chimes. Plain arithmetic on floats at one rate, so that the same
// sources give the same samples on every machine.
namespace zanfel::sound {

constexpr int kSampleRate = 22050;

using Samples = std::vector<float>;

// Silence of the given length.
Samples silence(double seconds);
int sampleCount(double seconds);

// White noise from a fixed seed: the same burst every time the generator runs.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    float next();  // in [-1, 1)

private:
    std::uint32_t state_;
};

// A second-order filter after the well-known audio cookbook formulas.
class Biquad {
public:
    static Biquad lowPass(double hz, double q);
    static Biquad bandPass(double hz, double q);  // 0 dB at the centre
    float process(float x);

private:
    Biquad(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A strike: a smooth rise over `attack` seconds, then an exponential fall with time constant `decay`.
double strike(double t, double attack, double decay);

// A burst of filtered noise: the brush of a card's edge, or its flat slap on the cloth.
Samples noiseBurst(Noise& noise, Biquad filter, double seconds, double attack, double decay);

// A low thump whose pitch sinks from `fromHz` to `toHz`: the weight of a card landing.
Samples thump(double fromHz, double toHz, double seconds, double decay);

// One partial of a struck tone: a multiple of the fundamental, its level and its own decay.
struct Partial {
    double ratio;
    double gain;
    double decay;
};
// A struck tone: a sum of decaying partials, as a small bell or a mallet on a bar.
Samples struckTone(double hz, const std::vector<Partial>& partials, double seconds, double attack);

// Adds `part` into `into` from `atSeconds` on, times `gain`; `into` grows to hold it.
void mixIn(Samples& into, const Samples& part, double atSeconds, double gain);

// Brings the last `seconds` down to nothing along a half cosine, so no sound ends in a click.
void fadeOut(Samples& samples, double seconds);

// Scales the sound so that its highest sample is `dbfs` below full scale.
void scaleToPeak(Samples& samples, double dbfs);

// Peak and RMS level, in dB below full scale.
double peakDbfs(const std::vector<std::int16_t>& pcm);
double rmsDbfs(const std::vector<std::int16_t>& pcm);

// 16-bit samples, rounded; a sample scaled past full scale would be clamped, never wrapped.
std::vector<std::int16_t> toPcm16(const Samples& samples);

}  // namespace zanfel::sound
