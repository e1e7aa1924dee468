// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_back.h"

#include <QPainter>

#include "card_face.h"

namespace zanfel::artwork {
namespace {

constexpr int kMargin = 4;  // white between the border and the coloured field
constexpr int kFrameInset = 3;

}  // namespace

QImage drawCardBack(QColor colour) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCardBlank(painter, Qt::black);

    // The field and its frame sit on whole pixels so their edges stay sharp.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect field(kMargin, kMargin, kCardWidth - 2 * kMargin, kCardHeight - 2 * kMargin);
    painter.fillRect(field, colour);
    const QColor frame = QColor::fromRgbF(0.6f * colour.redF() + 0.4f, 0.6f * colour.greenF() + 0.4f,
                                          0.6f * colour.blueF() + 0.4f);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field.adjusted(kFrameInset, kFrameInset, -kFrameInset - 1, -kFrameInset - 1));
    return image;
}

}  // namespace zanfel::artwork
