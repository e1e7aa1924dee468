// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace zanfel {

// Where the shuffle's draws come from. Every draw is preceded by a reseed from the clock,
// so the production source folds the clock into its state on each call.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseed from the clock, then return a value r with 0 <= r < 1.
    virtual float reseedAndDraw() = 0;
};

class ClockRandomSource final : public RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;

    ClockRandomSource();  // reads the system clock in nanoseconds
    explicit ClockRandomSource(Clock clock);

    float reseedAndDraw() override;

private:
    float nextValue();

    Clock clock_;
    std::uint64_t state_ = 0x5a4e46454cULL;
    float previous_ = -1.0f;
};

}  // namespace zanfel
