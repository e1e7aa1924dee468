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

// Today's faces. The corner index: the rank at least ten pixels tall at 1x over a suit big
// enough to tell a club's three lobes from a spade's point. "10" is set tight and narrowed
// into the same column; the jack's letter hangs below the line, so it gets the gap above the
// suit as well. The index columns stay clear of the outer pips' columns.
const FaceLayout kStandard{
    .rankBox = QRectF(2.5, 3.0, 10.5, 11.0),
    .jackDescent = 2.5,
    .indexSuitY = 21.75,
    .indexSuitHeight = 9.5,
    .pipField = QRectF(QPointF(20.5, 12.0), QPointF(36.5, 61.0)),
    .pipHeight = 9.0,
    .aceHeight = 26.0,
    .courtScale = 0.68,
};

// Large indices: rank and suit at least twice today's height, a little more for the rank so that
// its round tops still measure twice, read across a room at 100 %. The two
// corner columns then take 21 pixels each side of the card's 57, so the pips shrink into the
// strip between them, and the ace and the court panel with them.
const FaceLayout kLarge{
    .rankBox = QRectF(2.0, 2.0, 18.0, 23.0),
    .jackDescent = 6.0,
    .indexSuitY = 42.0,
    .indexSuitHeight = 20.0,
    .pipField = QRectF(QPointF(24.25, 7.0), QPointF(32.75, 66.0)),
    .pipHeight = 6.0,
    .aceHeight = 14.0,
    .courtScale = 0.39,
};

// The court panel of the 71 x 96 face, shrunk about the card's middle.
const QRectF kOldPanel(16.5, 9.5, 38, 77);
const QPointF kOldPanelCentre(35.5, 48.0);
const QPointF kPlaceCentre(kPlaceSize.width() / 2.0, kPlaceSize.height() / 2.0);

QFont rankFont() {
    QFont font = sansBold(64);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -5);
    return font;
}

// The rank's letters fitted into the box: as tall as the box, narrowed only if too wide.
void paintRank(QPainter& painter, CardId card, const FaceLayout& layout, const QColor& ink) {
    const QString label = rankLabel(card.rank);
    const QRectF letters = QFontMetricsF(rankFont()).tightBoundingRect(label);
    const QRectF& box = layout.rankBox;
    const double height = box.height() + (card.rank == 11 ? layout.jackDescent : 0);
    const double scaleY = height / letters.height();
    const double scaleX = std::min(scaleY, box.width() / letters.width());
    painter.save();
    painter.setFont(rankFont());
    painter.setPen(ink);
    painter.translate(box.center().x(), box.top());
    painter.scale(scaleX, scaleY);
    painter.drawText(QPointF(-letters.left() - letters.width() / 2, -letters.top()), label);
    painter.restore();
}

void paintIndex(QPainter& painter, CardId card, const FaceLayout& layout, const QColor& ink) {
    paintRank(painter, card, layout, ink);
    paintSuit(painter, card.suit, ink, {layout.rankBox.center().x(), layout.indexSuitY},
              layout.indexSuitHeight);
}

void paintCourt(QPainter& painter, CardId card, const FaceLayout& layout, const QColor& ink) {
    painter.save();
    painter.translate(kPlaceCentre);
    painter.scale(layout.courtScale, layout.courtScale);
    painter.translate(-kOldPanelCentre);
    paintCourtPanel(painter, card, ink);
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

QRectF centredBox(QPointF centre, double side) {
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

}  // namespace

QRectF FaceLayout::indexBox() const {
    const QRectF suit = centredBox({rankBox.center().x(), indexSuitY}, indexSuitHeight);
    const QRectF rank = rankBox.adjusted(0, 0, 0, jackDescent);
    return rank.united(suit);
}

QRectF FaceLayout::pipBox(QPointF centre) const {
    return centredBox(centre, pipHeight);
}

QRectF FaceLayout::middleBox(int rank) const {
    if (rank == 1)
        return centredBox(kPlaceCentre, aceHeight);
    const QSizeF panel = kOldPanel.size() * courtScale;
    return {kPlaceCentre - QPointF(panel.width(), panel.height()) / 2, panel};
}

const FaceLayout& faceLayout(const FaceSet& faces) {
    return faces.largeIndices ? kLarge : kStandard;
}

QImage blankPlaceImage(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage drawTableFace(CardId card, QSize pixels, const FaceSet& faces) {
    const FaceLayout& layout = faceLayout(faces);
    const QColor ink = suitInk(card.suit, faces);
    QImage image = blankPlaceImage(pixels);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(static_cast<double>(image.width()) / kPlaceSize.width(),
                  static_cast<double>(image.height()) / kPlaceSize.height());
    paintBlank(painter, devicePixel(image));
    paintIndex(painter, card, layout, ink);
    painter.save();
    painter.translate(kPlaceSize.width(), kPlaceSize.height());
    painter.rotate(180);
    paintIndex(painter, card, layout, ink);
    painter.restore();

    if (card.rank == 1) {
        paintSuit(painter, card.suit, ink, kPlaceCentre, layout.aceHeight);
    } else if (card.rank <= 10) {
        paintPips(painter, card, ink, layout.pipField, layout.pipHeight);
    } else {
        paintCourt(painter, card, layout, ink);
    }
    return image;
}

}  // namespace zanfel::artwork
