// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer's input is a game played move by move (see RandomPlay); a broken invariant aborts with its words.
#include <cstdio>
#include <cstdlib>

#include "random_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zanfel::testing::RandomPlay play({data, size});
    while (play.step()) {
    }
    if (!play.failure.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", play.failure.c_str());
        std::abort();
    }
    return 0;
}
