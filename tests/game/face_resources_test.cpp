// The committed pictures the game loads: card faces and backs as bare DIBs. No Qt.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const fs::path kResources{ZANFEL_RESOURCE_DIR};
constexpr int kWidth = 71, kHeight = 96, kRowBytes = 216;  // 71 * 3 = 213 bytes, padded to a multiple of 4

std::uint32_t number(const Bytes& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | b.at(at + bytes - 1 - i);
    return v;
}

// 0xRRGGBB at (x, y) from the top left: rows are stored bottom-up, each pixel as B, G, R.
std::uint32_t pixel(const Bytes& dib, int x, int y) {
    return number(dib, 40 + (kHeight - 1 - y) * kRowBytes + x * 3, 3);
}

int countPixels(const Bytes& dib, bool (*test)(std::uint32_t), int left, int top, int width, int height) {
    int count = 0;
    for (int i = 0; i < width * height; ++i)
        count += test(pixel(dib, left + i % width, top + i / width));
    return count;
}

Bytes bareDib(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const Bytes dib(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(dib.size(), 40u + kRowBytes * kHeight);
    // biSize 40, biWidth 71, biHeight 96 (positive: bottom-up), biBitCount 24, BI_RGB, no colour table.
    const std::tuple<int, int, std::uint32_t> fields[] = {{0, 4, 40},  {4, 4, 71}, {8, 4, 96},
                                                          {14, 2, 24}, {16, 4, 0}, {32, 4, 0}};
    for (const auto& [at, bytes, value] : fields)
        EXPECT_EQ(number(dib, at, bytes), value) << "byte " << at;
    return dib;  // a short file throws on the first pixel read
}

// Even cards are hearts and diamonds, odd ones spades and clubs: a misfiled face shows by its
// colour. Each back is its deck's colour.
TEST(FaceResources, FacesAndBacksAreDrawnBareDibsOfTheirColour) {
    auto inked = [](std::uint32_t c) { return (c & 0xF0F0F0) != 0xF0F0F0; };  // a channel below 240
    auto red = [](std::uint32_t c) { return c >> 16 >= 150 && (c >> 8 & 255) <= 90 && (c & 255) <= 90; };
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(100 + card);
        const Bytes dib = bareDib(kResources / "faces" / (std::to_string(100 + card) + ".dib"));
        EXPECT_GT(countPixels(dib, inked, 2, 3, 12, 22), 20);  // the index in the top left corner,
        EXPECT_EQ(countPixels(dib, inked, 58, 3, 11, 22), 0);  // the top right plain: not upside down
        EXPECT_EQ(countPixels(dib, red, 0, 0, kWidth, kHeight) > 0, card % 2 == 0);
    }
    for (auto [name, colour] : {std::pair{"deck", 0xC00000u},
                                {"player_deck_0", 0x008000u},
                                {"player_deck_1", 0x000080u},
                                {"player_deck_2", 0x008080u}})
        EXPECT_EQ(pixel(bareDib(kResources / "backs" / (std::string(name) + ".dib")), 35, 48), colour)
            << name;
}

}  // namespace
