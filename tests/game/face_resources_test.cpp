// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the game keeps, as committed: the faces and backs as bare DIBs, and the reference
// of what the program draws at 100 %. No Qt.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kHeight = 96, kRowBytes = 216;  // 71 pixels of 3 bytes, padded to a multiple of 4

std::uint32_t number(const Bytes& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b.at(at + i);
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

Bytes readFile(const std::string& name) {
    std::ifstream in(std::filesystem::path(ZANFEL_RESOURCE_DIR) / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A BITMAPINFOHEADER and the pixels, with no file header: 71 x 96, bottom-up, 24 bits, BI_RGB,
// no colour table.
Bytes bareDib(const std::string& name) {
    const Bytes dib = readFile(name);
    EXPECT_EQ(dib.size(), 40u + kRowBytes * kHeight) << name;
    const std::tuple<int, int, std::uint32_t> fields[] = {{0, 4, 40},  {4, 4, 71}, {8, 4, 96},
                                                          {14, 2, 24}, {16, 4, 0}, {32, 4, 0}};
    for (const auto& [at, bytes, value] : fields)
        EXPECT_EQ(number(dib, at, bytes), value) << name << " byte " << at;
    return dib;  // a short file throws on the first pixel read
}

// Even cards are hearts and diamonds, odd ones spades and clubs: a misfiled face shows by its
// colour. Each back is its deck's colour.
TEST(FaceResources, FacesAndBacksAreDrawnBareDibsOfTheirColour) {
    auto inked = [](std::uint32_t c) { return (c & 0xF0F0F0) != 0xF0F0F0; };  // a channel below 240
    auto red = [](std::uint32_t c) { return c >> 16 >= 150 && (c >> 8 & 255) <= 90 && (c & 255) <= 90; };
    for (int card = 1; card <= 52; ++card) {
        const Bytes dib = bareDib("faces/" + std::to_string(100 + card) + ".dib");
        EXPECT_GT(countPixels(dib, inked, 2, 3, 12, 22), 20) << card;  // the index in the top left corner,
        EXPECT_EQ(countPixels(dib, inked, 58, 3, 11, 22), 0) << card;  // the top right plain: not upside down
        EXPECT_EQ(countPixels(dib, red, 0, 0, 71, kHeight) > 0, card % 2 == 0) << card;
    }
    for (auto [name, colour] : {std::pair{"deck", 0xC00000u},
                                {"player_deck_0", 0x008000u},
                                {"player_deck_1", 0x000080u},
                                {"player_deck_2", 0x008080u}})
        EXPECT_EQ(pixel(bareDib("backs/" + std::string(name) + ".dib"), 35, 48), colour) << name;
}

// Width and height open the IHDR chunk, 16 bytes in, big-endian.
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& name) {
    Bytes png = readFile(name);
    png.resize(24);
    const auto at = [&](int i) {
        return std::uint32_t(png[i] << 24 | png[i + 1] << 16 | png[i + 2] << 8 | png[i + 3]);
    };
    return {at(16), at(20)};
}

// The reference set holds the card places at 57 x 73 and the pictures at 200 and 172 pixels
// square, as the program draws them at 100 % on a screen of ratio 1.
TEST(FaceResources, TheReferenceArtworkIsDrawnAtItsPlacesSize) {
    std::vector<std::string> places{"deck", "player_deck_0", "player_deck_1", "player_deck_2", "empty_place"};
    for (int id = 101; id <= 152; ++id)
        places.push_back(std::to_string(id));
    for (const std::string& place : places)
        EXPECT_EQ(pngSize("cards/1x/" + place + ".png"), std::pair(57u, 73u)) << place;
    for (auto [picture, side] : {std::pair{"youout", 200u}, {"theyout", 200u}, {"about", 172u}})
        EXPECT_EQ(pngSize("pictures/1x/" + std::string(picture) + ".png"), std::pair(side, side)) << picture;
    EXPECT_EQ(pngSize("zanfel_icon.png"), std::pair(64u, 64u));
    EXPECT_EQ(pngSize("zanfel_icon_256.png"), std::pair(256u, 256u));
}

}  // namespace
