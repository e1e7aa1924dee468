// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures: faces and backs as bare DIBs (what is drawn is the artwork test's). No Qt.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "card.h"

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kHeight = 96, kRowBytes = 216;  // 71 pixels of 3 bytes, padded to a multiple of 4
constexpr zanfel::CardNumber kAceOfSpades = 1, kKingOfDiamonds = 52;

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

// A BITMAPINFOHEADER and pixels, no file header: 71 x 96, bottom-up, 24 bits, BI_RGB, no colour table.
Bytes bareDib(const std::string& name) {
    std::ifstream in(ZANFEL_RESOURCE_DIR "/" + name, std::ios::binary);
    const Bytes dib(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(dib.size(), 40u + kRowBytes * kHeight) << name;
    for (const auto& [at, bytes, value] :
         {std::tuple{0, 4, 40u}, {4, 4, 71u}, {8, 4, 96u}, {14, 2, 24u}, {16, 4, 0u}, {32, 4, 0u}})
        EXPECT_EQ(number(dib, at, bytes), value) << name << " byte " << at;
    return dib;  // a short file throws on the first pixel read
}

// Faces by resource number, ace of spades 101 to king of diamonds 152, a misfile shows by colour; backs too.
TEST(FaceResources, FacesAndBacksAreBareDibsOfTheirColour) {
    auto inked = [](std::uint32_t c) { return (c & 0xF0F0F0) != 0xF0F0F0; };  // a channel below 240
    auto red = [](std::uint32_t c) { return c >> 16 >= 150 && (c >> 8 & 255) <= 90 && (c & 255) <= 90; };
    for (zanfel::CardNumber card = kAceOfSpades; card <= kKingOfDiamonds; ++card) {
        const Bytes dib = bareDib("faces/" + std::to_string(zanfel::faceResourceId(card)) + ".dib");
        EXPECT_GT(countPixels(dib, inked, 2, 3, 12, 22), 20) << card;  // the index in the top left corner,
        EXPECT_EQ(countPixels(dib, inked, 58, 3, 11, 22), 0) << card;  // the top right plain: not upside down
        EXPECT_EQ(countPixels(dib, red, 0, 0, 71, kHeight) > 0, zanfel::isRed(card)) << card;
    }
    for (auto [name, colour] : {std::pair{"deck", 0xC00000u},
                                {"player_deck_0", 0x008000u},
                                {"player_deck_1", 0x000080u},
                                {"player_deck_2", 0x008080u}})
        EXPECT_EQ(pixel(bareDib("backs/" + std::string(name) + ".dib"), 35, 48), colour) << name;
}

}  // namespace
