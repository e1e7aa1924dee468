// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_ink.h"

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <cmath>

namespace {

// Text needs a contrast of 4.5 to 1 to read easily, a two-pixel line 3 to 1 to be seen.
constexpr double kTextContrast = 4.5;
constexpr double kLineContrast = 3.0;

// How bright a colour looks, from 0 (black) to 1 (white), with the weights of the eye.
double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrast(const QColor& one, const QColor& other) {
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool isDarkTable(const QColor& table) {
    return contrast(table, Qt::white) > contrast(table, Qt::black);
}

QColor lineInk(const QColor& table) {
    return isDarkTable(table) ? QColor(Qt::white) : QColor(Qt::black);
}

QColor textInk(const QColor& table, const QColor& themeText) {
    return contrast(themeText, table) >= kTextContrast ? themeText : lineInk(table);
}

// Black or white stands out from any table by more than 4.5 to 1, so the mix always gets there.
QColor lineInkFrom(const QColor& colour, const QColor& table) {
    const QColor ink = lineInk(table);
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const float share = static_cast<float>(step) / kSteps;
        const QColor mixed = QColor::fromRgbF(colour.redF() + (ink.redF() - colour.redF()) * share,
                                              colour.greenF() + (ink.greenF() - colour.greenF()) * share,
                                              colour.blueF() + (ink.blueF() - colour.blueF()) * share);
        if (contrast(mixed, table) >= kLineContrast)
            return mixed;
    }
    return ink;
}

QColor ringInk(const QColor& table, const QColor& highlight) {
    return isDarkTable(table) && contrast(highlight, table) < kLineContrast ? lineInk(table) : highlight;
}

// Kept in the pixmap cache, so a table full of empty places recolours one picture once.
QPixmap inInk(const QPixmap& art, const QColor& ink) {
    const QString key = QStringLiteral("ink:%1:%2").arg(art.cacheKey()).arg(ink.rgba());
    QPixmap inked;
    if (QPixmapCache::find(key, &inked))
        return inked;
    QImage image = art.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()), ink);
    painter.end();
    inked = QPixmap::fromImage(image);
    QPixmapCache::insert(key, inked);
    return inked;
}
