// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/beside_window.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kGap = 8;

// `start` moved as little as it takes for `length` from it to lie within [low, high).
int within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

QPoint besideWindow(const QRect& other, const QSize& size, const QRect& screen) {
    const int centredLeft = other.center().x() - size.width() / 2;
    const std::array<QPoint, 4> places{
        QPoint(other.right() + 1 + kGap, other.top()),
        QPoint(other.left() - kGap - size.width(), other.top()),
        QPoint(centredLeft, other.bottom() + 1 + kGap),
        QPoint(centredLeft, other.top() - kGap - size.height()),
    };
    for (const QPoint& place : places)
        if (screen.contains(QRect(place, size)))
            return place;
    return {within(places[0].x(), size.width(), screen.left(), screen.left() + screen.width()),
            within(places[0].y(), size.height(), screen.top(), screen.top() + screen.height())};
}
