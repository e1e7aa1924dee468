// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/foundation_frame.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "table/device_pixels.h"

#include "table/table_ink.h"

FoundationFrame::FoundationFrame(QWidget* table) : QWidget(table) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FoundationFrame::setZoom(qreal zoom) {
    zoom_ = zoom;
    update();
}

// A pen centred on the edge would put half the line outside the frame, where nothing is
// painted: at a desktop scale of 1.5 the top line vanished so. The lines are laid inside the
// frame's whole device pixels instead, one pixel wide at 100 % and as wide as the scale, rounded.
void FoundationFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect pixels = wholeDevicePixels(painter, rect());
    const int line = std::max(1, static_cast<int>(std::floor(zoom_ * devicePixelRatioF() + 0.5)));
    paintInDevicePixels(painter);
    const QColor ink = lineInk(palette().color(QPalette::Window));
    painter.fillRect(QRect(pixels.left(), pixels.top(), pixels.width(), line), ink);
    painter.fillRect(QRect(pixels.left(), pixels.bottom() - line + 1, pixels.width(), line), ink);
    painter.fillRect(QRect(pixels.left(), pixels.top(), line, pixels.height()), ink);
    painter.fillRect(QRect(pixels.right() - line + 1, pixels.top(), line, pixels.height()), ink);
}
