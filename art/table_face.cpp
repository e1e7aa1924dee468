// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_face.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "art_scale.h"
#include "court_panel.h"
#include "fonts.h"
#include "pip_layout.h"
#include "suit_paths.h"

namespace zanfel::artwork {
namespace {

const QColor kBorder{0x40, 0x40, 0x40};
constexpr double kCornerRadius = 3.5;

// The corner index: the rank at least ten pixels tall at 1x over a suit big enough to tell
// a club's three lobes from a spade's point. "10" is set tight and narrowed into the same
// column; the jack's letter hangs below the line, so it gets the gap above the suit as well.
const QRectF kRankBox(2.5, 3.0, 10.5, 11.0);
constexpr double kJackDescent = 2.5;
constexpr double kIndexSuitY = 21.75;
constexpr double kIndexSuitHeight = 9.5;

// Pip centres of the outer columns and rows; the index columns stay clear of them.
constexpr double kPipLeft = 20.5;
constexpr double kPipRight = 36.5;
constexpr double kPipTop = 12.0;
constexpr double kPipBottom = 61.0;
constexpr double kPipHeight = 9.0;
constexpr double kAceHeight = 26.0;

// The court panel was drawn for the 71 x 96 face; here it is shrunk about the card's middle.
const QPointF kOldPanelCentre(35.5, 48.0);
constexpr double kCourtScale = 0.68;

QFont rankFont() {
    QFont font = sansBold(64);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -5);
    return font;
}

// The rank's letters fitted into the box: as tall as the box, narrowed only if too wide.
void paintRank(QPainter& painter, CardId card) {
    const QString label = rankLabel(card.rank);
    const QRectF ink = QFontMetricsF(rankFont()).tightBoundingRect(label);
    const double height = kRankBox.height() + (card.rank == 11 ? kJackDescent : 0);
    const double scaleY = height / ink.height();
    const double scaleX = std::min(scaleY, kRankBox.width() / ink.width());
    painter.save();
    painter.setFont(rankFont());
    painter.setPen(inkOf(card.suit));
    painter.translate(kRankBox.center().x(), kRankBox.top());
    painter.scale(scaleX, scaleY);
    painter.drawText(QPointF(-ink.left() - ink.width() / 2, -ink.top()), label);
    painter.restore();
}

void paintIndex(QPainter& painter, CardId card) {
    paintRank(painter, card);
    paintSuit(painter, card.suit, {kRankBox.center().x(), kIndexSuitY}, kIndexSuitHeight);
}

void paintPips(QPainter& painter, CardId card) {
    paintPips(painter, card, QRectF(QPointF(kPipLeft, kPipTop), QPointF(kPipRight, kPipBottom)), kPipHeight);
}

void paintCourt(QPainter& painter, CardId card) {
    painter.save();
    painter.translate(kPlaceSize.width() / 2.0, kPlaceSize.height() / 2.0);
    painter.scale(kCourtScale, kCourtScale);
    painter.translate(-kOldPanelCentre);
    paintCourtPanel(painter, card);
    painter.restore();
}

// One device pixel of `image` in the place's logical pixels: the border's width at any scale.
double devicePixel(const QImage& image) {
    return static_cast<double>(kPlaceSize.width()) / image.width();
}

void paintBlank(QPainter& painter, double pixel) {
    painter.save();
    painter.setPen(QPen(kBorder, pixel));
    painter.setBrush(Qt::white);
    const QRectF outline(0, 0, kPlaceSize.width(), kPlaceSize.height());
    painter.drawRoundedRect(outline.adjusted(pixel / 2, pixel / 2, -pixel / 2, -pixel / 2), kCornerRadius,
                            kCornerRadius);
    painter.restore();
}

}  // namespace

QImage blankPlaceImage(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage drawTableFace(CardId card, QSize pixels) {
    QImage image = blankPlaceImage(pixels);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(static_cast<double>(image.width()) / kPlaceSize.width(),
                  static_cast<double>(image.height()) / kPlaceSize.height());
    paintBlank(painter, devicePixel(image));
    paintIndex(painter, card);
    painter.save();
    painter.translate(kPlaceSize.width(), kPlaceSize.height());
    painter.rotate(180);
    paintIndex(painter, card);
    painter.restore();

    if (card.rank == 1) {
        paintSuit(painter, card.suit, {kPlaceSize.width() / 2.0, kPlaceSize.height() / 2.0}, kAceHeight);
    } else if (card.rank <= 10) {
        paintPips(painter, card);
    } else {
        paintCourt(painter, card);
    }
    return image;
}

}  // namespace zanfel::artwork
