// The committed pictures the game loads: card faces and backs as bare DIBs, and the PNGs. No Qt.

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

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t number(const Bytes& b, std::size_t at, int bytes, bool bigEndian = false) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | b.at(bigEndian ? at + i : at + bytes - 1 - i);
    return v;
}

// 0xRRGGBB at (x, y) from the top left: rows are stored bottom-up, each pixel as B, G, R.
std::uint32_t pixel(const Bytes& dib, int x, int y) {
    return number(dib, 40 + (kHeight - 1 - y) * kRowBytes + x * 3, 3);
}

int countPixels(const Bytes& dib, bool (*test)(std::uint32_t), int left = 0, int top = 0, int width = kWidth,
                int height = kHeight) {
    int count = 0;
    for (int i = 0; i < width * height; ++i)
        count += test(pixel(dib, left + i % width, top + i / width));
    return count;
}

void expectBareDib(const Bytes& dib) {
    ASSERT_EQ(dib.size(), 40u + kRowBytes * kHeight);
    // biSize 40, biWidth 71, biHeight 96 (positive: bottom-up), biBitCount 24, BI_RGB, no colour table.
    const std::tuple<int, int, std::uint32_t> fields[] = {{0, 4, 40},  {4, 4, 71}, {8, 4, 96},
                                                          {14, 2, 24}, {16, 4, 0}, {32, 4, 0}};
    for (const auto& [at, bytes, value] : fields)
        EXPECT_EQ(number(dib, at, bytes), value) << "byte " << at;
    for (int row = 0; row < kHeight; ++row)
        EXPECT_EQ(number(dib, 40 + row * kRowBytes + 213, 3), 0u);
}

// Even cards are hearts and diamonds, odd ones spades and clubs: a misfiled face shows by its colour.
TEST(FaceResources, EveryFaceIsADrawnBareDibOfItsSuitColour) {
    auto inked = [](std::uint32_t c) { return (c & 0xF0F0F0) != 0xF0F0F0; };  // a channel below 240
    auto red = [](std::uint32_t c) { return c >> 16 >= 150 && (c >> 8 & 255) <= 90 && (c & 255) <= 90; };
    EXPECT_EQ(std::distance(fs::directory_iterator(kResources / "faces"), fs::directory_iterator()), 52);
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(100 + card);
        const Bytes dib = readFile(kResources / "faces" / (std::to_string(100 + card) + ".dib"));
        ASSERT_NO_FATAL_FAILURE(expectBareDib(dib));
        EXPECT_GT(countPixels(dib, inked, 2, 3, 12, 22), 20);  // the index in the top left corner,
        EXPECT_EQ(countPixels(dib, inked, 58, 3, 11, 22), 0);  // the top right plain: not upside down
        EXPECT_EQ(countPixels(dib, red) > 0, card % 2 == 0);
    }
}

TEST(FaceResources, BacksAreBareDibsOfTheirColour) {
    const std::tuple<const char*, std::uint32_t> backs[] = {{"deck.dib", 0xC00000},
                                                            {"player_deck_0.dib", 0x008000},
                                                            {"player_deck_1.dib", 0x000080},
                                                            {"player_deck_2.dib", 0x008080}};
    for (const auto& [name, colour] : backs) {
        SCOPED_TRACE(name);
        const Bytes dib = readFile(kResources / "backs" / name);
        ASSERT_NO_FATAL_FAILURE(expectBareDib(dib));
        EXPECT_EQ(pixel(dib, kWidth / 2, kHeight / 2), colour);
    }
}

// Width and height are the first fields of the IHDR chunk, 16 bytes in, stored big-endian.
void expectPngSize(const fs::path& path, std::uint32_t width, std::uint32_t height) {
    const Bytes png = readFile(path);
    ASSERT_GE(png.size(), 24u) << path;
    EXPECT_EQ(number(png, 16, 4, true), width) << path;
    EXPECT_EQ(number(png, 20, 4, true), height) << path;
}

// The icons, and every set holds the card places at 57 x 73 and the pictures at 200 x 200 and
// 172 x 172 logical pixels, in device pixels of its scale, half pixels rounded up.
TEST(FaceResources, EachScaledSetHoldsEveryPictureAtItsDevicePixelSize) {
    const std::tuple<const char*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t> sets[] = {
        {"1x", 57, 73, 200, 172}, {"1.5x", 86, 110, 300, 258}, {"2x", 114, 146, 400, 344}};
    expectPngSize(kResources / "zanfel_icon.png", 64, 64);
    expectPngSize(kResources / "zanfel_icon_256.png", 256, 256);
    for (const auto& [folder, cardWidth, cardHeight, burst, about] : sets) {
        const fs::path cards = kResources / "cards" / folder;
        EXPECT_EQ(std::distance(fs::directory_iterator(cards), fs::directory_iterator()), 57) << folder;
        for (int id = 101; id <= 152; ++id)
            expectPngSize(cards / (std::to_string(id) + ".png"), cardWidth, cardHeight);
        for (const char* name : {"deck", "player_deck_0", "player_deck_1", "player_deck_2", "empty_place"})
            expectPngSize(cards / (std::string(name) + ".png"), cardWidth, cardHeight);
        const fs::path pictures = kResources / "pictures" / folder;
        expectPngSize(pictures / "youout.png", burst, burst);
        expectPngSize(pictures / "theyout.png", burst, burst);
        expectPngSize(pictures / "about.png", about, about);
    }
}

}  // namespace
