// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/device_pixels.h"

#include <QPainter>
#include <cmath>

namespace {
// Edges computed as 204.0000001 still lie on the pixel boundary.
constexpr qreal kTolerance = 1e-6;
}  // namespace

QRect wholeDevicePixels(const QPainter& painter, const QRect& logical) {
    const QRectF covered = painter.deviceTransform().mapRect(QRectF(logical));
    const QPoint topLeft(static_cast<int>(std::ceil(covered.left() - kTolerance)),
                         static_cast<int>(std::ceil(covered.top() - kTolerance)));
    const QPoint end(static_cast<int>(std::floor(covered.right() + kTolerance)),
                     static_cast<int>(std::floor(covered.bottom() + kTolerance)));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

void paintInDevicePixels(QPainter& painter) {
    painter.setWorldTransform(painter.deviceTransform().inverted(), true);
}
