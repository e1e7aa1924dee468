// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QString>
#include <functional>

#include "about_picture.h"
#include "art_scale.h"
#include "burst_picture.h"
#include "card_backs.h"
#include "table.h"
#include "table_back.h"
#include "table_face.h"

// The icon is the one picture still read from the resources; they live in the ui library, and
// naming their init function here makes the linker keep them in every program that shows it.
// (The macro must stand outside namespaces.)
static void initResources() {
    Q_INIT_RESOURCE(zanfel);
}

namespace {

using zanfel::artwork::devicePixels;

// The picture under `key`, drawn by `draw` the first time only, its pixels at `ratio`.
QPixmap drawnOnce(const QString& key, qreal ratio, const std::function<QImage()>& draw) {
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap::fromImage(draw());
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// The key names the picture, its pixels and the scale its lines were drawn for.
QString placeKey(const QString& name, const PlaceArt& art) {
    return QStringLiteral("%1/%2x%3/%4/%5")
        .arg(name)
        .arg(art.pixels.width())
        .arg(art.pixels.height())
        .arg(art.scale)
        .arg(art.ratio);
}

QPixmap backPicture(const QString& name, QRgb colour, zanfel::artwork::FrameLine line, const PlaceArt& art) {
    return drawnOnce(placeKey(name, art), art.ratio, [&art, colour, line] {
        return zanfel::artwork::drawTableBack(QColor(colour), art.pixels, art.scale, line);
    });
}

}  // namespace

PlaceArt PlaceArt::forPlace(QSize logical, qreal zoom, qreal ratio, zanfel::artwork::FaceSet faces) {
    return {devicePixels(logical, ratio), zoom * ratio, ratio, faces};
}

// Today's faces keep their plain names; each aid adds a letter, so every face set is drawn apart.
QPixmap facePicture(zanfel::CardNumber card, const PlaceArt& art) {
    QString name = QString::number(zanfel::faceResourceId(card));
    if (art.faces.fourColour)
        name += QLatin1Char('c');
    if (art.faces.largeIndices)
        name += QLatin1Char('l');
    return drawnOnce(placeKey(name, art), art.ratio, [&art, card] {
        return zanfel::artwork::drawTableFace(zanfel::artwork::cardFromNumber(card), art.pixels, art.faces);
    });
}

QPixmap deckPicture(const PlaceArt& art) {
    return backPicture(QStringLiteral("deck"), zanfel::kDeckBack, zanfel::artwork::kDeckLine, art);
}

QPixmap playerDeckPicture(int index, const PlaceArt& art) {
    return backPicture(QStringLiteral("player_deck_%1").arg(index), zanfel::kPlayerDeckBacks[index],
                       zanfel::artwork::kPlayerDeckLines[index], art);
}

QPixmap seatBackPicture(int player, const PlaceArt& art) {
    switch (player) {
        case zanfel::kLeftPlayer:
            return playerDeckPicture(0, art);
        case zanfel::kMiddlePlayer:
            return playerDeckPicture(1, art);
        case zanfel::kRightPlayer:
            return playerDeckPicture(2, art);
        default:
            return deckPicture(art);
    }
}

QPixmap emptyPlacePicture(const PlaceArt& art) {
    return drawnOnce(placeKey(QStringLiteral("empty_place"), art), art.ratio,
                     [&art] { return zanfel::artwork::drawTableEmptyPlace(art.pixels, art.scale); });
}

QPixmap goingOutPicture(AnnouncementPicture picture, qreal ratio) {
    const bool human = picture == AnnouncementPicture::Youout;
    return drawnOnce(QStringLiteral("%1/%2").arg(human ? "youout" : "theyout").arg(ratio), ratio,
                     [human, ratio] {
                         return human ? zanfel::artwork::drawYouOutPicture(ratio)
                                      : zanfel::artwork::drawTheyOutPicture(ratio);
                     });
}

QPixmap aboutPicture(qreal ratio) {
    return drawnOnce(QStringLiteral("about/%1").arg(ratio), ratio, [ratio] {
        return zanfel::artwork::drawAboutPicture(devicePixels(zanfel::artwork::kAboutSquare, ratio));
    });
}

QPixmap iconPicture() {
    static const bool loaded = (initResources(), true);
    (void)loaded;
    return drawnOnce(QStringLiteral("icon"), 1, [] { return QImage(QStringLiteral(":/zanfel_icon.png")); });
}

void paintArtwork(QPainter& painter, const QRect& place, const QPixmap& art) {
    if (qFuzzyCompare(art.devicePixelRatio(), painter.device()->devicePixelRatioF())) {
        painter.drawPixmap(place.topLeft(), art);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(place, art);
    painter.restore();
}
