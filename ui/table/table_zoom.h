// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <optional>

// How large the table is shown: a few fixed steps, in percent of the size it was drawn at.
inline constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 175, 200, 250, 300};
inline constexpr int kActualSize = 100;

// A length in twips at `percent`, half pixels rounding up; at 100 % the drawing's own pixels.
constexpr int zoomedPx(int twips, int percent) {
    return (twips * percent + 750) / 1500;
}

// A place given in twips, at `percent`. Each edge is rounded on its own rather than the size,
// so every edge stands where the drawing puts it scaled, and neighbouring places keep their gaps.
constexpr QRect zoomedRect(const QRect& twips, int percent) {
    const int x = zoomedPx(twips.x(), percent);
    const int y = zoomedPx(twips.y(), percent);
    return {x, y, zoomedPx(twips.x() + twips.width(), percent) - x,
            zoomedPx(twips.y() + twips.height(), percent) - y};
}

// The next step up or down from `percent`, if there is one.
std::optional<int> zoomStepAbove(int percent);
std::optional<int> zoomStepBelow(int percent);

// The largest step at which a window around the table fits into `available`: `tableTwips` is
// the table's size in twips, `chrome` what the window adds around it in pixels (menu bar,
// frame). The table is never made smaller than it was drawn, so 100 % when nothing larger fits.
int largestFittingZoom(QSize tableTwips, QSize chrome, QSize available);

// The zoom kept from the last run, as read from its text: nothing saved is 100 %; a step up to
// `limit` is that step; anything else (no step, or too large for this screen) is `limit`.
int zoomFromSaved(const QString& text, int limit);
