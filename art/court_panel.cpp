// SPDX-License-Identifier: GPL-3.0-or-later
#include "court_panel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "fonts.h"
#include "suit_paths.h"

namespace zanfel::artwork {
namespace {

const QRectF kPanel(16.5, 9.5, 38, 77);
constexpr double kCentreX = 35.5;
constexpr double kEmblemY = 21.0;
constexpr double kLetterBaseline = 60.0;
constexpr double kLetterSize = 32.0;
constexpr double kSuitY = 74.0;
constexpr double kSuitHeight = 12.0;

QColor panelColour(int rank) {
    switch (rank) {
        case 11:
            return {0xC4, 0xDE, 0xF4};  // jack: pale blue
        case 12:
            return {0xF4, 0xCE, 0xE0};  // queen: rose
        default:
            return {0xF4, 0xD4, 0x78};  // king: gold
    }
}

// Emblems are drawn around (0, 0) in a box about 20 wide and 13 tall.
QPainterPath plume() {
    QPainterPath p;
    p.moveTo(-7, 6);
    p.cubicTo(-6, -2, 2, -7, 9, -7);
    p.cubicTo(7, -1, 0, 4, -7, 6);
    p.addRect(-9, 4.5, 5, 2);
    return p;
}

QPainterPath coronet() {
    QPainterPath p;
    p.moveTo(-9, 6);
    p.lineTo(-9, 2);
    p.quadTo(0, -4, 9, 2);
    p.lineTo(9, 6);
    p.closeSubpath();
    for (double x : {-8.0, -4.0, 0.0, 4.0, 8.0}) {
        const double arcY = 2 - 3 * (1 - (x / 9) * (x / 9));  // the band's top edge above x
        p.addEllipse(QPointF(x, arcY - 2), 1.7, 1.7);
    }
    p.setFillRule(Qt::WindingFill);
    return p;
}

QPainterPath crown() {
    QPainterPath p;
    p.moveTo(-10, 7);
    p.lineTo(-10, -3);
    p.lineTo(-5, 2);
    p.lineTo(0, -6);
    p.lineTo(5, 2);
    p.lineTo(10, -3);
    p.lineTo(10, 7);
    p.closeSubpath();
    for (const QPointF tip : {QPointF(-10, -4), QPointF(0, -7), QPointF(10, -4)}) {
        p.addEllipse(tip, 1.8, 1.8);
    }
    p.setFillRule(Qt::WindingFill);
    return p;
}

QPainterPath emblem(int rank) {
    switch (rank) {
        case 11:
            return plume();
        case 12:
            return coronet();
        default:
            return crown();
    }
}

void paintFrame(QPainter& painter, CardId card, const QColor& ink) {
    const QColor fill = panelColour(card.rank);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(fill);
    painter.drawRect(kPanel);
    painter.setPen(QPen(fill.darker(125), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kPanel.adjusted(2, 2, -2, -2));
}

void paintLetter(QPainter& painter, CardId card, const QColor& ink) {
    const QFont font = sansBold(kLetterSize);
    const QString letter = rankLabel(card.rank);
    const QRectF shape = QFontMetricsF(font).tightBoundingRect(letter);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPointF(kCentreX - shape.left() - shape.width() / 2, kLetterBaseline), letter);
}

}  // namespace

void paintCourtPanel(QPainter& painter, CardId card, const QColor& ink) {
    painter.save();
    paintFrame(painter, card, ink);
    paintLetter(painter, card, ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(emblem(card.rank).translated(kCentreX, kEmblemY));
    painter.restore();
    paintSuit(painter, card.suit, ink, {kCentreX, kSuitY}, kSuitHeight);
}

}  // namespace zanfel::artwork
