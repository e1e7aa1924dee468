// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_zoom.h"

#include <algorithm>

namespace {

bool isStep(int percent) {
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

}  // namespace

std::optional<int> zoomStepAbove(int percent) {
    const auto above = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return above == kZoomSteps.end() ? std::nullopt : std::optional<int>(*above);
}

std::optional<int> zoomStepBelow(int percent) {
    const auto below = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return below == kZoomSteps.begin() ? std::nullopt : std::optional<int>(*(below - 1));
}

int largestFittingZoom(QSize tableTwips, QSize chrome, QSize available) {
    int largest = kActualSize;
    for (int percent : kZoomSteps) {
        const QSize window(zoomedPx(tableTwips.width(), percent) + chrome.width(),
                           zoomedPx(tableTwips.height(), percent) + chrome.height());
        if (window.width() <= available.width() && window.height() <= available.height())
            largest = std::max(largest, percent);
    }
    return largest;
}

int zoomFromSaved(const QString& text, int limit) {
    if (text.isEmpty())
        return kActualSize;
    bool number = false;
    const int percent = text.toInt(&number);
    return number && isStep(percent) && percent <= limit ? percent : limit;
}
