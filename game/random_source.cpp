// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <chrono>

namespace zanfel {

namespace {

std::uint64_t systemClockNanoseconds() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

// splitmix64's finaliser: a cheap, well-spread mix of 64 bits.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

ClockRandomSource::ClockRandomSource() : ClockRandomSource(systemClockNanoseconds) {}

ClockRandomSource::ClockRandomSource(Clock clock) : clock_(std::move(clock)) {}

float ClockRandomSource::nextValue() {
    // The reseed mixes the clock into the running state rather than replacing it, so a clock
    // that has not moved since the last draw still gives a new value.
    state_ = mix(state_ + 0x9e3779b97f4a7c15ULL + clock_());
    return static_cast<float>(state_ >> 40) * (1.0f / 16777216.0f);
}

float ClockRandomSource::reseedAndDraw() {
    // A repeat is a one-in-sixteen-million chance with a moving state; a few more draws settle
    // it. Should the state ever stop moving, the next value up is taken rather than waiting.
    constexpr int kRedraws = 4;
    constexpr float kStep = 1.0f / 16777216.0f;
    float value = nextValue();
    for (int i = 0; i < kRedraws && value == previous_; ++i)
        value = nextValue();
    if (value == previous_)
        value = value + kStep < 1.0f ? value + kStep : 0.0f;
    previous_ = value;
    return value;
}

}  // namespace zanfel
