// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "card_face.h"
#include "fonts.h"

namespace zanfel::artwork {
namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 280;
constexpr double kCardScale = 1.25;
constexpr double kCorner = 4.5;
const QPointF kFanPivot(180, 330);
const QSizeF kCardSize(kCardWidth* kCardScale, kCardHeight* kCardScale);

// Card numbers of the fan, left to right: ace of hearts, king of spades, queen of diamonds,
// jack of clubs, ten of hearts.
constexpr std::array<int, 5> kFan = {2, 49, 48, 43, 38};
constexpr double kFanStep = 13;  // degrees between neighbouring cards

void paintFelt(QPainter& painter) {
    QRadialGradient felt(QPointF(kWidth / 2.0, kHeight * 0.4), kWidth * 0.7);
    felt.setColorAt(0, QColor(0x2F, 0x8A, 0x3E));
    felt.setColorAt(1, QColor(0x12, 0x4A, 0x1E));
    painter.fillRect(QRect(0, 0, kWidth, kHeight), felt);
}

// A face with its corners cut round, so the felt shows around it instead of grey.
QImage roundedFace(int number) {
    QImage face(kCardSize.toSize(), QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), kCardSize), kCorner, kCorner);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.scale(kCardScale, kCardScale);
    paintCardFace(painter, cardFromNumber(number));
    return face;
}

void paintFanCard(QPainter& painter, int number, double angle) {
    painter.save();
    painter.translate(kFanPivot);
    painter.rotate(angle);
    painter.translate(-kCardSize.width() / 2, -kFanPivot.y() + 38);
    painter.setPen(Qt::NoPen);
    for (int blur = 3; blur >= 1; --blur) {
        painter.setBrush(QColor(0, 0, 0, 28));
        painter.drawRoundedRect(QRectF(QPointF(3, 4), kCardSize).adjusted(-blur, -blur, blur, blur),
                                kCorner + blur, kCorner + blur);
    }
    painter.drawImage(QPointF(0, 0), roundedFace(number));
    painter.restore();
}

void paintName(QPainter& painter) {
    const QFont font = serifBold(46);
    const QString name = QStringLiteral("Zanfel");
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(name);
    const QPointF origin(kWidth / 2.0 - ink.left() - ink.width() / 2, kHeight - 26);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(origin + QPointF(2, 2), name);
    painter.setPen(QColor(0xF6, 0xEE, 0xD2));
    painter.drawText(origin, name);
}

}  // namespace

QImage drawAboutPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(static_cast<double>(size.width()) / kWidth, static_cast<double>(size.height()) / kHeight);
    paintFelt(painter);
    for (int i = 0; i < static_cast<int>(kFan.size()); ++i) {
        paintFanCard(painter, kFan[i], (i - 2) * kFanStep);
    }
    paintName(painter);
    return image;
}

}  // namespace zanfel::artwork
