// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_back.h"

#include <QPainter>
#include <cmath>

#include "table_face.h"

namespace zanfel::artwork {
namespace {

constexpr double kCornerRadius = 3.5;
constexpr double kMargin = 3;  // white between the border and the field
constexpr double kFrameInset = 2;
constexpr double kHatchSpacing = 6;

// A length in logical pixels as a whole number of device pixels, never less than one.
int wholePixels(double logical, double factor) {
    return std::max(1, static_cast<int>(std::floor(logical * factor + 0.5)));
}

QColor frameOf(QColor colour) {
    return QColor::fromRgbF(0.6f * colour.redF() + 0.4f, 0.6f * colour.greenF() + 0.4f,
                            0.6f * colour.blueF() + 0.4f);
}

// Dashes three lines long and dots one line long, each followed by a gap of two.
int dashOf(FrameLine style) {
    return style == FrameLine::Dashed ? 3 : 1;
}
constexpr int kGap = 2;

// The frame line of a back: a ring `line` device pixels wide just inside `outer`, broken into
// dashes or dots along each side from its corner, every dash and gap whole device pixels, or
// doubled a line further in.
void paintFrameLine(QPainter& painter, const QRect& outer, int line, QColor ink, FrameLine style) {
    const QRect top(outer.left(), outer.top(), outer.width(), line);
    const QRect bottom(outer.left(), outer.bottom() - line + 1, outer.width(), line);
    const QRect left(outer.left(), outer.top(), line, outer.height());
    const QRect right(outer.right() - line + 1, outer.top(), line, outer.height());
    if (style == FrameLine::Solid || style == FrameLine::Double) {
        for (const QRect& side : {top, bottom, left, right})
            painter.fillRect(side, ink);
        if (style == FrameLine::Double)
            paintFrameLine(painter, outer.adjusted(2 * line, 2 * line, -2 * line, -2 * line), line, ink,
                           FrameLine::Solid);
        return;
    }
    const int dash = dashOf(style) * line;
    const int step = dash + kGap * line;
    // By the distance along the side: a dash begun past the end is cut away whole.
    for (int along = 0; along < outer.width(); along += step)
        for (const QRect& side : {top, bottom})
            painter.fillRect(QRect(outer.left() + along, side.top(), dash, line) & side, ink);
    for (int along = 0; along < outer.height(); along += step)
        for (const QRect& side : {left, right})
            painter.fillRect(QRect(side.left(), outer.top() + along, line, dash) & side, ink);
}

}  // namespace

QImage drawTableBack(QColor colour, QSize pixels, double factor, FrameLine line) {
    QImage image = blankPlaceImage(pixels);
    QPainter painter(&image);
    const int border = wholePixels(1, factor);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, border));
    painter.setBrush(Qt::white);
    const double half = border / 2.0;
    painter.drawRoundedRect(QRectF(image.rect()).adjusted(half, half, -half, -half), kCornerRadius * factor,
                            kCornerRadius * factor);

    painter.setRenderHint(QPainter::Antialiasing, false);
    const int margin = border + wholePixels(kMargin, factor);
    const QRect field = image.rect().adjusted(margin, margin, -margin, -margin);
    painter.fillRect(field, colour);
    const int inset = wholePixels(kFrameInset, factor);
    const QRect outer = field.adjusted(inset, inset, -inset, -inset);
    paintFrameLine(painter, outer, wholePixels(1, factor), frameOf(colour), line);
    return image;
}

QImage drawTableEmptyPlace(QSize pixels, double factor) {
    QImage image = blankPlaceImage(pixels);
    const int line = static_cast<int>(std::floor(factor));
    const int spacing = wholePixels(kHatchSpacing, factor);
    const int right = image.width() - line;
    const int bottom = image.height() - line;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool edge = x < line || y < line || x >= right || y >= bottom;
            if (edge || (x + y) % spacing < line)
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    return image;
}

}  // namespace zanfel::artwork
