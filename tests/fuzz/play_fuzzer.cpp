// libFuzzer reads its input as a game played move by move (see RandomPlay); the first two bytes
// choose the decks. A broken invariant aborts with its description.
#include <cstdio>
#include <cstdlib>

#include "random_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zanfel::testing::Choices choices{{data, size}};
    const std::uint64_t low = choices.next();
    zanfel::testing::RandomPlay play(choices, low | choices.next() << 8);
    while (play.step()) {
    }
    if (!play.failure.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", play.failure.c_str());
        std::abort();
    }
    return 0;
}
