// SPDX-License-Identifier: GPL-3.0-or-later
#include "burst_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "art_scale.h"
#include "fonts.h"

namespace zanfel::artwork {
namespace {

constexpr int kSize = 200;
constexpr double kTextWidth = 148;
constexpr double kTextHeight = 96;
constexpr double kLargestLetters = 50;
constexpr double kMostStretch = 1.7;

// Uneven spike lengths make it look like an explosion rather than a badge.
constexpr std::array<double, 14> kSpikes = {98, 84, 95, 80, 99, 86, 92, 82, 97, 85, 94, 79, 96, 88};

QPainterPath burstPath(double outerScale, double innerRadius) {
    QPainterPath path;
    const int points = static_cast<int>(kSpikes.size());
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = std::numbers::pi * i / points - std::numbers::pi / 2;
        const double radius = i % 2 == 0 ? kSpikes[i / 2] * outerScale : innerRadius;
        const QPointF point(kSize / 2.0 + radius * std::cos(angle), kSize / 2.0 + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

// The largest letters at which every line fits across the middle of the burst.
QFont fittedFont(const QStringList& lines) {
    const QFont probe = sansBold(100);
    double size = kLargestLetters;
    for (const QString& line : lines) {
        size = std::min(size, 100 * kTextWidth / QFontMetricsF(probe).tightBoundingRect(line).width());
    }
    return sansBold(size);
}

// The call is stretched upwards, shouting-style, when few lines leave room to spare.
void paintCall(QPainter& painter, const QStringList& lines) {
    const QFont font = fittedFont(lines);
    const QFontMetricsF metrics(font);
    const double capHeight = metrics.capHeight();
    const double lineStep = capHeight * 1.3;
    const double block = lineStep * (lines.size() - 1) + capHeight;
    const double stretch = std::clamp(kTextHeight / block, 1.0, kMostStretch);

    painter.save();
    painter.translate(kSize / 2.0, kSize / 2.0);
    painter.scale(1.0, stretch);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF ink = metrics.tightBoundingRect(lines[i]);
        painter.drawText(QPointF(-ink.left() - ink.width() / 2, capHeight - block / 2 + i * lineStep),
                         lines[i]);
    }
    painter.restore();
}

}  // namespace

QImage drawBurstPicture(QColor square, QColor burst, const QStringList& lines, double factor) {
    QImage image(devicePixels(kGoingOutSize, factor), QImage::Format_RGB32);
    image.fill(square);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(factor, factor);
    painter.setPen(QPen(burst.darker(160), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(burst);
    painter.drawPath(burstPath(1.0, 68));
    painter.setPen(Qt::NoPen);
    painter.setBrush(burst.lighter(125));
    painter.drawPath(burstPath(0.74, 54));
    paintCall(painter, lines);
    return image;
}

QImage drawYouOutPicture(double factor) {
    return drawBurstPicture(QColor(0x1E, 0x46, 0xC8), QColor(0x3C, 0xC8, 0x46),
                            {QStringLiteral("I'M"), QStringLiteral("OUT!")}, factor);
}

QImage drawTheyOutPicture(double factor) {
    return drawBurstPicture(QColor(0xC8, 0x1E, 0x1E), QColor(0xFF, 0x96, 0x1E), {QStringLiteral("ZANFEL!")},
                            factor);
}

}  // namespace zanfel::artwork
