// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>
#include <vector>

#include "random_source.h"

namespace zanfel::testing {

// Every deck in order, never running dry: work piles of(1, S) to of(1, D), the personal pile of(2, S) on top.
struct FirstPlaceRandom final : RandomSource {
    float reseedAndDraw() override { return 0.0f; }
};

// Whole-deck draws: deck d draws all on places[d], coming out places[d], +1, ..., 52, 1, ... probing up.
inline std::vector<float> decksFrom(std::vector<int> places) {
    std::vector<float> draws;
    for (int place : places)
        draws.insert(draws.end(), 52, (place - 1) / 52.0f + 0.001f);
    return draws;
}

// Enough decks in order for the longest test's deals.
inline const std::vector<float> kDecksInOrder = decksFrom(std::vector<int>(4 * 30, 1));

// Draws from a script; more throws (at), so a shuffle drawing where it should probe fails at once, not loops.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = kDecksInOrder) : draws_(std::move(draws)) {}
    float reseedAndDraw() override { return draws_.at(next_++); }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

}  // namespace zanfel::testing
