// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

namespace zanfel::net {

// A bucket of `burst` tokens that refills at `perSecond`: each message takes one, and one that
// finds the bucket empty is beyond the rate. Time is given in milliseconds from any start.
class RateBucket {
public:
    RateBucket(int burst, int perSecond) : burst_(burst), perSecond_(perSecond), tokens_(burst) {}

    bool take(std::int64_t nowMs) {
        const double refill =
            static_cast<double>(std::max<std::int64_t>(nowMs - lastMs_, 0)) * perSecond_ / 1000.0;
        tokens_ = std::min<double>(burst_, tokens_ + refill);
        lastMs_ = nowMs;
        if (tokens_ < 1.0)
            return false;
        tokens_ -= 1.0;
        return true;
    }

private:
    int burst_;
    int perSecond_;
    double tokens_;
    std::int64_t lastMs_ = 0;
};

}  // namespace zanfel::net
