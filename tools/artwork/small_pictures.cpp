// SPDX-License-Identifier: GPL-3.0-or-later
#include "small_pictures.h"

#include <QPainter>
#include <optional>

#include "card_face.h"
#include "indexed_icon.h"
#include "suit_paths.h"

namespace zanfel::artwork {
namespace {

constexpr int kIconSize = 64;

// One card of the icon fan, turned `angle` degrees about the fan's foot: a face with a pip
// of `suit` at `pip` (the top left shows when a card is partly covered), or with no suit a
// back with a blue field.
void paintFanCard(QPainter& painter, double angle, std::optional<Suit> suit, QPointF pip = {15, 21},
                  double pipHeight = 22) {
    constexpr double w = 30;
    constexpr double h = 42;
    constexpr double footGap = 6;  // cards turn about a point this far below their bottom edge
    painter.save();
    painter.translate(kIconSize / 2.0, 56);
    painter.rotate(angle);
    painter.translate(-w / 2, -h - footGap);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0, 0, w, h), 3.5, 3.5);
    if (suit) {
        paintSuit(painter, *suit, inkOf(*suit), pip, pipHeight);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x18, 0x3C, 0xA8));
        painter.drawRoundedRect(QRectF(3.5, 3.5, w - 7, h - 7), 1.5, 1.5);
    }
    painter.restore();
}

}  // namespace

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(size) / kIconSize, static_cast<double>(size) / kIconSize);
    paintFanCard(painter, -20, std::nullopt);
    paintFanCard(painter, 0, Suit::Hearts, {9, 11.5}, 12);
    paintFanCard(painter, 20, Suit::Spades);
    painter.end();
    return size == kIconSize ? reduceToIndexed(image) : image;
}

}  // namespace zanfel::artwork
