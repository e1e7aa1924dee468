// Checks the committed pictures the game loads by id: the 52 faces and 4 backs as bare
// 71 x 96 24-bit DIBs, and the sizes of the PNGs. Reads the files directly, no Qt.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const fs::path kResources{ZANFEL_RESOURCE_DIR};
constexpr int kWidth = 71;
constexpr int kHeight = 96;
constexpr std::size_t kHeaderBytes = 40;
constexpr std::size_t kRowBytes = 216;  // 71 * 3 = 213, padded to a multiple of four
constexpr std::size_t kDibBytes = kHeaderBytes + kRowBytes * kHeight;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le(const Bytes& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | b.at(at + i);
    }
    return v;
}

std::uint32_t be32(const Bytes& b, std::size_t at) {
    return std::uint32_t{b.at(at)} << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 | b.at(at + 3);
}

// (x, y) counted from the top left as the picture is seen; rows are stored bottom-up.
Rgb pixel(const Bytes& dib, int x, int y) {
    const std::size_t at = kHeaderBytes + (kHeight - 1 - y) * kRowBytes + x * 3;
    return {dib.at(at + 2), dib.at(at + 1), dib.at(at)};
}

bool isWhite(Rgb p) {
    return p.r >= 250 && p.g >= 250 && p.b >= 250;
}
bool isStronglyRed(Rgb p) {
    return p.r >= 150 && p.g <= 90 && p.b <= 90;
}

int countPixels(const Bytes& dib, int x0, int y0, int x1, int y1, bool (*test)(Rgb)) {
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            count += test(pixel(dib, x, y)) ? 1 : 0;
        }
    }
    return count;
}

// The middle of a face, between the two corner indices.
constexpr int kFieldLeft = 15, kFieldRight = 57, kFieldTop = 7, kFieldBottom = 89;

// Only clearly inked pixels count, so the soft edges between close pips do not join them.
bool inkedInField(const Bytes& dib, int x, int y) {
    if (x < kFieldLeft || x >= kFieldRight || y < kFieldTop || y >= kFieldBottom) {
        return false;
    }
    const Rgb p = pixel(dib, x, y);
    return p.r + p.g + p.b < 3 * 150;
}

void markConnected(const Bytes& dib, std::vector<bool>& seen, int x, int y) {
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        const auto [cx, cy] = stack.back();
        stack.pop_back();
        if (!inkedInField(dib, cx, cy) || seen[cy * kWidth + cx]) {
            continue;
        }
        seen[cy * kWidth + cx] = true;
        stack.insert(stack.end(), {{cx + 1, cy}, {cx - 1, cy}, {cx, cy + 1}, {cx, cy - 1}});
    }
}

// Separate marks in the middle of a face: its pips, or the one big pip of an ace.
int marksInField(const Bytes& dib) {
    std::vector<bool> seen(kWidth * kHeight, false);
    int marks = 0;
    for (int y = kFieldTop; y < kFieldBottom; ++y) {
        for (int x = kFieldLeft; x < kFieldRight; ++x) {
            if (inkedInField(dib, x, y) && !seen[y * kWidth + x]) {
                ++marks;
                markConnected(dib, seen, x, y);
            }
        }
    }
    return marks;
}

void expectBareDib(const Bytes& dib) {
    ASSERT_EQ(dib.size(), kDibBytes);
    EXPECT_EQ(le(dib, 0, 4), 40u);                     // biSize
    EXPECT_EQ(le(dib, 4, 4), std::uint32_t{kWidth});   // biWidth
    EXPECT_EQ(le(dib, 8, 4), std::uint32_t{kHeight});  // biHeight, positive: bottom-up
    EXPECT_EQ(le(dib, 12, 2), 1u);                     // biPlanes
    EXPECT_EQ(le(dib, 14, 2), 24u);                    // biBitCount
    EXPECT_EQ(le(dib, 16, 4), 0u);                     // biCompression, BI_RGB
    EXPECT_EQ(le(dib, 20, 4), kRowBytes * kHeight);    // biSizeImage
    EXPECT_EQ(le(dib, 32, 4), 0u);                     // biClrUsed: no colour table
    EXPECT_EQ(le(dib, 36, 4), 0u);                     // biClrImportant
    for (int row = 0; row < kHeight; ++row) {
        for (std::size_t i = kWidth * 3; i < kRowBytes; ++i) {
            ASSERT_EQ(dib[kHeaderBytes + row * kRowBytes + i], 0) << "padding of row " << row;
        }
    }
}

fs::path facePath(int card) {
    return kResources / "faces" / (std::to_string(card + 100) + ".dib");
}

TEST(FaceResources, FolderHoldsExactlyTheFiftyTwoFaces) {
    std::set<std::string> expected, found;
    for (int card = 1; card <= 52; ++card) {
        expected.insert(facePath(card).filename().string());
    }
    for (const auto& entry : fs::directory_iterator(kResources / "faces")) {
        found.insert(entry.path().filename().string());
    }
    EXPECT_EQ(found, expected);
}

TEST(FaceResources, EveryFaceIsABareDib) {
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(facePath(card).string());
        expectBareDib(readFile(facePath(card)));
    }
}

// The index sits at the top left and, turned round, at the bottom right; the other two
// corners stay plain. A picture stored top-down or mirrored fails this.
TEST(FaceResources, IndexCornersAreTheTopLeftAndBottomRight) {
    auto notWhite = [](Rgb p) { return !isWhite(p); };
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(facePath(card).string());
        const Bytes dib = readFile(facePath(card));
        ASSERT_EQ(dib.size(), kDibBytes);
        EXPECT_GT(countPixels(dib, 2, 3, 14, 25, notWhite), 20);
        EXPECT_GT(countPixels(dib, 57, 71, 69, 93, notWhite), 20);
        EXPECT_EQ(countPixels(dib, 58, 3, 69, 25, notWhite), 0);
        EXPECT_EQ(countPixels(dib, 2, 71, 13, 93, notWhite), 0);
        EXPECT_GT(countPixels(dib, 0, 0, kWidth, kHeight, isWhite), kWidth * kHeight / 3);
    }
}

// Odd cards are spades and clubs, even cards hearts and diamonds.
TEST(FaceResources, OnlyHeartsAndDiamondsAreRed) {
    for (int card = 1; card <= 52; ++card) {
        SCOPED_TRACE(facePath(card).string());
        const Bytes dib = readFile(facePath(card));
        ASSERT_EQ(dib.size(), kDibBytes);
        const int red = countPixels(dib, 0, 0, kWidth, kHeight, isStronglyRed);
        if (card % 2 == 0) {
            EXPECT_GT(red, 50);
        } else {
            EXPECT_EQ(red, 0);
        }
    }
}

// Card n has rank (n - 1) / 4 + 1: aces one big pip, number cards as many pips as their
// rank, and jacks, queens and kings a panel, each rank's in its own colour.
TEST(FaceResources, EachFaceShowsItsRank) {
    for (int card = 1; card <= 40; ++card) {
        SCOPED_TRACE(facePath(card).string());
        const Bytes dib = readFile(facePath(card));
        ASSERT_EQ(dib.size(), kDibBytes);
        EXPECT_EQ(marksInField(dib), card <= 4 ? 1 : (card - 1) / 4 + 1);
        EXPECT_TRUE(isWhite(pixel(dib, 53, 27)));
    }
    for (int suit = 1; suit <= 4; ++suit) {
        std::set<std::tuple<int, int, int>> panels;
        for (int card = 40 + suit; card <= 52; card += 4) {
            const Rgb panel = pixel(readFile(facePath(card)), 53, 27);
            EXPECT_FALSE(isWhite(panel)) << facePath(card);
            EXPECT_GT(panel.r + panel.g + panel.b, 3 * 150) << facePath(card);
            panels.insert({panel.r, panel.g, panel.b});
        }
        EXPECT_EQ(panels.size(), 3u) << "jack, queen and king panels of suit " << suit;
    }
}

TEST(FaceResources, BacksAreBareDibsOfTheirColour) {
    const std::pair<const char*, Rgb> backs[] = {
        {"deck.dib", {0xC0, 0x00, 0x00}},
        {"player_deck_0.dib", {0x00, 0x80, 0x00}},
        {"player_deck_1.dib", {0x00, 0x00, 0x80}},
        {"player_deck_2.dib", {0x00, 0x80, 0x80}},
    };
    for (const auto& [name, colour] : backs) {
        SCOPED_TRACE(name);
        const Bytes dib = readFile(kResources / "backs" / name);
        expectBareDib(dib);
        ASSERT_EQ(dib.size(), kDibBytes);
        EXPECT_EQ(pixel(dib, kWidth / 2, kHeight / 2), colour);
        EXPECT_EQ(pixel(dib, kWidth / 2, 1), (Rgb{255, 255, 255}));  // the white margin
        EXPECT_EQ(pixel(dib, kWidth / 2, 0), (Rgb{0, 0, 0}));        // the black border
    }
}

// Width and height are the first fields of the IHDR chunk; bit depth and colour type follow.
TEST(FaceResources, PicturesHaveTheirSizes) {
    const struct {
        const char* name;
        std::uint32_t width, height;
        int colourType;  // 2 RGB, 3 palette, 6 RGB with alpha
    } pictures[] = {
        {"empty_place.png", 48, 48, 6}, {"youout.png", 200, 200, 2}, {"theyout.png", 200, 200, 2},
        {"zanfel_icon.png", 64, 64, 3}, {"about.png", 360, 280, 2},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const Bytes png = readFile(kResources / picture.name);
        ASSERT_GE(png.size(), 26u);
        EXPECT_EQ(be32(png, 0), 0x89504E47u);   // "\x89PNG"
        EXPECT_EQ(be32(png, 12), 0x49484452u);  // "IHDR"
        EXPECT_EQ(be32(png, 16), picture.width);
        EXPECT_EQ(be32(png, 20), picture.height);
        EXPECT_EQ(png[24], 8);  // bits per sample (or per palette index)
        EXPECT_EQ(png[25], picture.colourType);
    }
}

}  // namespace
