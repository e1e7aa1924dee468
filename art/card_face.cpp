// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_face.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "court_panel.h"
#include "fonts.h"
#include "pip_layout.h"
#include "suit_paths.h"

namespace zanfel::artwork {
namespace {

const QColor kCornerGrey{0xD4, 0xD4, 0xD4};
const QColor kBorder{0x40, 0x40, 0x40};

// The corner index: rank over suit in a narrow column at the top left. The rank's ink is
// fitted to a box so that wide "10" and the descending "J" stay inside it.
const QRectF kIndexRankBox(1.5, 3.0, 12.5, 12.0);
constexpr double kIndexSuitY = 21.5;
constexpr double kIndexSuitHeight = 9.0;
constexpr double kIndexFontSize = 16.0;

// The pip field for number cards: centres of the outer pips.
constexpr double kPipLeft = 21.0;
constexpr double kPipRight = 50.0;
constexpr double kPipTop = 15.0;
constexpr double kPipBottom = 81.0;
constexpr double kPipHeight = 13.0;
constexpr double kAceHeight = 34.0;

void paintIndex(QPainter& painter, CardId card) {
    const QFont font = sansBold(kIndexFontSize);
    const QString label = rankLabel(card.rank);
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(label);
    const double squeezeX = std::min(1.0, kIndexRankBox.width() / ink.width());
    const double squeezeY = std::min(1.0, kIndexRankBox.height() / ink.height());

    painter.save();
    painter.setFont(font);
    painter.setPen(inkOf(card.suit));
    painter.translate(kIndexRankBox.center().x(), kIndexRankBox.top());
    painter.scale(squeezeX, squeezeY);
    painter.drawText(QPointF(-ink.left() - ink.width() / 2, -ink.top()), label);
    painter.restore();
    paintSuit(painter, card.suit, inkOf(card.suit), {kIndexRankBox.center().x(), kIndexSuitY},
              kIndexSuitHeight);
}

void paintPips(QPainter& painter, CardId card) {
    paintPips(painter, card, inkOf(card.suit),
              QRectF(QPointF(kPipLeft, kPipTop), QPointF(kPipRight, kPipBottom)), kPipHeight);
}

void paintAce(QPainter& painter, CardId card) {
    paintSuit(painter, card.suit, inkOf(card.suit), {kCardWidth / 2.0, kCardHeight / 2.0}, kAceHeight);
}

}  // namespace

void paintCardBlank(QPainter& painter, QColor border) {
    painter.save();
    painter.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), kCornerGrey);
    painter.setPen(QPen(border, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 4, 4);
    painter.restore();
}

void paintCardFace(QPainter& painter, CardId card) {
    paintCardBlank(painter, kBorder);
    paintIndex(painter, card);
    painter.save();
    painter.translate(kCardWidth, kCardHeight);
    painter.rotate(180);
    paintIndex(painter, card);
    painter.restore();

    if (card.rank == 1) {
        paintAce(painter, card);
    } else if (card.rank <= 10) {
        paintPips(painter, card);
    } else {
        paintCourtPanel(painter, card, inkOf(card.suit));
    }
}

QImage drawCardFace(CardId card) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintCardFace(painter, card);
    return image;
}

}  // namespace zanfel::artwork
