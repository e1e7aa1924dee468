// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zanfel::sound {
namespace {

// Every part ends along a short fade: a part cut while still sounding would click.
constexpr double kPartEnd = 0.008;

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kFullScale = 32767.0;

double dbfs(double level) {
    return level > 0 ? 20 * std::log10(level / kFullScale) : -std::numeric_limits<double>::infinity();
}

}  // namespace

int sampleCount(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

Samples silence(double seconds) {
    return Samples(sampleCount(seconds), 0.0f);
}

// xorshift32: small, fast and the same everywhere, unlike the standard distributions.
float Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

Biquad::Biquad(double b0, double b1, double b2, double a0, double a1, double a2)
    : b0_(b0 / a0), b1_(b1 / a0), b2_(b2 / a0), a1_(a1 / a0), a2_(a2 / a0) {}

Biquad Biquad::lowPass(double hz, double q) {
    const double w = kTwoPi * hz / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Biquad((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::bandPass(double hz, double q) {
    const double w = kTwoPi * hz / kSampleRate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    return Biquad(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

// The rise is a quarter sine, which starts and ends without a corner, so it adds no click.
double strike(double t, double attack, double decay) {
    if (t < attack)
        return std::sin(t / attack * std::numbers::pi / 2);
    return std::exp(-(t - attack) / decay);
}

Samples noiseBurst(Noise& noise, Biquad filter, double seconds, double attack, double decay) {
    Samples out = silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = static_cast<float>(filter.process(noise.next()) * strike(t, attack, decay));
    }
    fadeOut(out, kPartEnd);
    return out;
}

Samples thump(double fromHz, double toHz, double seconds, double decay) {
    Samples out = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = toHz + (fromHz - toHz) * std::exp(-t / decay);
        phase += kTwoPi * hz / kSampleRate;
        out[i] = static_cast<float>(std::sin(phase) * strike(t, 0.002, decay));
    }
    fadeOut(out, kPartEnd);
    return out;
}

Samples struckTone(double hz, const std::vector<Partial>& partials, double seconds, double attack) {
    Samples out = silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sum = 0;
        for (const Partial& p : partials)
            sum += p.gain * std::sin(kTwoPi * hz * p.ratio * t) * strike(t, attack, p.decay);
        out[i] = static_cast<float>(sum);
    }
    fadeOut(out, kPartEnd);
    return out;
}

void mixIn(Samples& into, const Samples& part, double atSeconds, double gain) {
    const std::size_t start = sampleCount(atSeconds);
    into.resize(std::max(into.size(), start + part.size()), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i)
        into[start + i] += static_cast<float>(part[i] * gain);
}

void fadeOut(Samples& samples, double seconds) {
    const std::size_t n = std::min<std::size_t>(sampleCount(seconds), samples.size());
    const std::size_t first = samples.size() - n;
    for (std::size_t i = 0; i < n; ++i)
        samples[first + i] *= static_cast<float>(0.5 + 0.5 * std::cos(std::numbers::pi * (i + 1) / n));
}

void scaleToPeak(Samples& samples, double dbfs) {
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak == 0)
        return;
    const double gain = std::pow(10.0, dbfs / 20) / peak;
    for (float& s : samples)
        s = static_cast<float>(s * gain);
}

double peakDbfs(const std::vector<std::int16_t>& pcm) {
    int peak = 0;
    for (std::int16_t s : pcm)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return dbfs(peak);
}

double rmsDbfs(const std::vector<std::int16_t>& pcm) {
    double sum = 0;
    for (std::int16_t s : pcm)
        sum += static_cast<double>(s) * s;
    return pcm.empty() ? dbfs(0) : dbfs(std::sqrt(sum / pcm.size()));
}

std::vector<std::int16_t> toPcm16(const Samples& samples) {
    std::vector<std::int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float s) {
        return static_cast<std::int16_t>(std::clamp(std::lround(s * kFullScale), -32768L, 32767L));
    });
    return pcm;
}

}  // namespace zanfel::sound
