// SPDX-License-Identifier: GPL-3.0-or-later
#include "indexed_icon.h"

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace zanfel::artwork {
namespace {

constexpr int kPaletteSize = 256;

// Every fully transparent pixel is the same colour, whatever its RGB says.
QRgb normalised(QRgb pixel) {
    return qAlpha(pixel) == 0 ? 0 : pixel;
}

QList<QRgb> popularColours(const QImage& argb) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            ++counts[normalised(argb.pixel(x, y))];
        }
    }
    std::vector<std::pair<int, QRgb>> ranked;
    for (const auto& [colour, count] : counts) {
        ranked.emplace_back(-count, colour);
    }
    std::sort(ranked.begin(), ranked.end());
    QList<QRgb> palette;
    for (int i = 0; i < std::min<int>(kPaletteSize, ranked.size()); ++i) {
        palette.append(ranked[i].second);
    }
    return palette;
}

int distance(QRgb a, QRgb b) {
    const int da = qAlpha(a) - qAlpha(b);
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return da * da + dr * dr + dg * dg + db * db;
}

int nearestIndex(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(palette[i], colour);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace

QImage reduceToIndexed(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const QList<QRgb> palette = popularColours(argb);
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < argb.height(); ++y) {
        uchar* row = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            row[x] = static_cast<uchar>(nearestIndex(palette, normalised(argb.pixel(x, y))));
        }
    }
    return indexed;
}

}  // namespace zanfel::artwork
