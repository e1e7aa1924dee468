// SPDX-License-Identifier: GPL-3.0-or-later
// The committed reference bitmaps: faces 101 to 152 and the four backs, each a bare 71 x 96 DIB of 24 bits
// as the README states, the faces in card order and the backs in their colours. No Qt.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "card_backs.h"
#include "table_setup.h"

namespace {

using namespace zanfel::testing;

constexpr int kWidth = 71;
constexpr int kHeight = 96;
constexpr int kRowBytes = 216;  // 71 pixels of three bytes, padded to a multiple of four
constexpr std::size_t kFileBytes = 40 + kRowBytes * kHeight;

// A bitmap as its file holds it: a 40-byte header, then the rows from the bottom up, each pixel B, G, R.
class Dib {
public:
    explicit Dib(const std::string& name) {
        std::ifstream in(ZANFEL_RESOURCE_DIR "/" + name, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t size() const { return bytes_.size(); }
    std::uint32_t field(std::size_t at, int length) const {
        std::uint32_t value = 0;
        for (int i = length - 1; i >= 0; --i)
            value = value << 8 | bytes_.at(at + i);
        return value;
    }
    // 0xRRGGBB at (x, y) from the top left.
    std::uint32_t pixel(int x, int y) const { return field(40 + (kHeight - 1 - y) * kRowBytes + x * 3, 3); }
    // The pixels of a rectangle with some channel below 240, or red ones.
    int inked(int left, int top, int width, int height, bool red = false) const {
        int count = 0;
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                if (red ? isRed(pixel(x, y)) : (pixel(x, y) & 0xF0F0F0) != 0xF0F0F0)
                    ++count;
        return count;
    }
    static bool isRed(std::uint32_t rgb) {
        return rgb >> 16 >= 150 && (rgb >> 8 & 0xFF) <= 90 && (rgb & 0xFF) <= 90;
    }

private:
    std::vector<unsigned char> bytes_;
};

std::string faceFile(zanfel::CardNumber card) {
    return "faces/" + std::to_string(zanfel::faceResourceId(card)) + ".dib";
}

// The header by offset and length: its size, width, height (positive: bottom-up), planes, bits, compression
// (none) and colour table (none).
void expectBareDib(const std::string& name) {
    const Dib dib(name);
    ASSERT_EQ(dib.size(), kFileBytes) << name;
    for (const auto& [at, length, value] : {std::tuple{0, 4, 40},
                                            {4, 4, kWidth},
                                            {8, 4, kHeight},
                                            {12, 2, 1},
                                            {14, 2, 24},
                                            {16, 4, 0},
                                            {32, 4, 0}})
        EXPECT_EQ(dib.field(at, length), std::uint32_t(value)) << name << " at byte " << at;
}

// The human's red deck, then the left, middle and right players' backs.
std::string backFile(int player) {
    const int deck = zanfel::playerDeckOf(player);
    return deck < 0 ? "backs/deck.dib" : "backs/player_deck_" + std::to_string(deck) + ".dib";
}

}  // namespace

TEST(FaceResources, EveryPictureIsABareDibOfTheStatedSize) {
    for (zanfel::CardNumber card = of(1, S); card <= of(13, D); ++card)
        expectBareDib(faceFile(card));
    for (int player = zanfel::kHuman; player <= zanfel::kRightPlayer; ++player)
        expectBareDib(backFile(player));
}

// A misfiled face shows: the index at the top left only, red for the red suits, the ace's one big pip in
// the middle, the number cards' ink growing with their pips, and the courts' panels in their colours.
TEST(FaceResources, FacesLieInCardOrder) {
    for (zanfel::CardNumber card = of(1, S); card <= of(13, D); ++card) {
        const Dib face(faceFile(card));
        EXPECT_GT(face.inked(2, 3, 12, 22), 20) << faceFile(card);
        EXPECT_EQ(face.inked(58, 3, 11, 22), 0) << faceFile(card);
        EXPECT_EQ(face.inked(0, 0, kWidth, kHeight, true) > 0, zanfel::isRed(card)) << faceFile(card);
    }
    for (const zanfel::Suit suit : {S, H, C, D}) {
        EXPECT_EQ(Dib(faceFile(of(1, suit))).inked(34, 47, 3, 3), 9);
        for (int rank = 2; rank < 10; ++rank)
            EXPECT_LT(Dib(faceFile(of(rank, suit))).inked(15, 8, 41, 80),
                      Dib(faceFile(of(rank + 1, suit))).inked(15, 8, 41, 80))
                << faceFile(of(rank, suit));
        EXPECT_EQ(Dib(faceFile(of(11, suit))).pixel(21, 45), 0xC4DEF4u);
        EXPECT_EQ(Dib(faceFile(of(12, suit))).pixel(21, 45), 0xF4CEE0u);
        EXPECT_EQ(Dib(faceFile(of(13, suit))).pixel(21, 45), 0xF4D478u);
    }
}

TEST(FaceResources, BacksAreInTheirColours) {
    for (int player = zanfel::kHuman; player <= zanfel::kRightPlayer; ++player)
        EXPECT_EQ(Dib(backFile(player)).pixel(35, 48), zanfel::backColourOf(player)) << backFile(player);
}
