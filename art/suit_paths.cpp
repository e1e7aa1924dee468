// SPDX-License-Identifier: GPL-3.0-or-later
#include "suit_paths.h"

#include <QPainter>
#include <QTransform>

namespace zanfel::artwork {
namespace {

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.12, 0.3, -0.5, 0.08, -0.5, -0.19);
    p.cubicTo(-0.5, -0.46, -0.1, -0.56, 0, -0.27);
    p.cubicTo(0.1, -0.56, 0.5, -0.46, 0.5, -0.19);
    p.cubicTo(0.5, 0.08, 0.12, 0.3, 0, 0.5);
    return p;
}

QPainterPath diamond() {
    // Slightly hollow sides keep the diamond from reading as a plain square at small sizes.
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.16, -0.2, 0.4, 0);
    p.quadTo(0.16, 0.2, 0, 0.5);
    p.quadTo(-0.16, 0.2, -0.4, 0);
    p.quadTo(-0.16, -0.2, 0, -0.5);
    return p;
}

// The stem shared by spades and clubs: a narrow neck flaring into a foot.
QPainterPath stem() {
    QPainterPath p;
    p.moveTo(-0.05, 0.1);
    p.lineTo(0.05, 0.1);
    p.quadTo(0.07, 0.4, 0.22, 0.5);
    p.lineTo(-0.22, 0.5);
    p.quadTo(-0.07, 0.4, -0.05, 0.1);
    return p;
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.12, -0.3, 0.5, -0.1, 0.5, 0.14);
    p.cubicTo(0.5, 0.38, 0.15, 0.42, 0.02, 0.22);
    p.lineTo(-0.02, 0.22);
    p.cubicTo(-0.15, 0.42, -0.5, 0.38, -0.5, 0.14);
    p.cubicTo(-0.5, -0.1, -0.12, -0.3, 0, -0.5);
    return p.united(stem());
}

QPainterPath club() {
    constexpr double r = 0.215;
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.27), r, r);
    p.addEllipse(QPointF(-0.265, 0.08), r, r);
    p.addEllipse(QPointF(0.265, 0.08), r, r);
    p.addEllipse(QPointF(0, 0.0), 0.12, 0.12);
    p.setFillRule(Qt::WindingFill);
    return p.simplified().united(stem());
}

}  // namespace

QPainterPath suitPath(Suit suit) {
    switch (suit) {
        case Suit::Spades:
            return spade();
        case Suit::Hearts:
            return heart();
        case Suit::Clubs:
            return club();
        case Suit::Diamonds:
            return diamond();
    }
    return {};
}

void paintSuit(QPainter& painter, Suit suit, const QColor& ink, QPointF centre, double height,
               bool upsideDown) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(height, upsideDown ? -height : height);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(t.map(suitPath(suit)));
    painter.restore();
}

}  // namespace zanfel::artwork
