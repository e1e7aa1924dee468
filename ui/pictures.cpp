// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QString>

// The resources live in the ui library; naming their init function here makes the linker
// keep them in every program that shows a picture. (The macro must stand outside namespaces.)
static void initResources() {
    Q_INIT_RESOURCE(zanfel);
}

namespace {

void loadResourcesOnce() {
    static const bool loaded = (initResources(), true);
    (void)loaded;
}

QString scaleFolder(qreal scale) {
    return scale == 1 ? QStringLiteral("1x") : scale == 1.5 ? QStringLiteral("1.5x") : QStringLiteral("2x");
}

// The picture at `path`, drawn for `scale`, read from the resources the first time only.
QPixmap loadCached(const QString& path, qreal scale) {
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    loadResourcesOnce();
    pixmap = QPixmap::fromImage(QImage(path));
    pixmap.setDevicePixelRatio(scale);
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

// `name` from the set drawn for `ratio`, under `folder` (cards or pictures).
QPixmap loadScaled(const QString& folder, const QString& name, qreal ratio) {
    const qreal scale = artworkScale(ratio);
    return loadCached(QStringLiteral(":/%1/%2/%3.png").arg(folder, scaleFolder(scale), name), scale);
}

QPixmap loadCard(const QString& name, qreal ratio) {
    return loadScaled(QStringLiteral("cards"), name, ratio);
}

}  // namespace

qreal artworkScale(qreal ratio) {
    // A hair of tolerance: a ratio computed from a screen's size may land a bit above 1 or 1.5.
    constexpr qreal kTolerance = 0.01;
    if (ratio <= 1 + kTolerance)
        return 1;
    return ratio <= 1.5 + kTolerance ? 1.5 : 2;
}

QPixmap facePicture(zanfel::CardNumber card, qreal ratio) {
    return loadCard(QString::number(zanfel::faceResourceId(card)), ratio);
}

QPixmap deckPicture(qreal ratio) {
    return loadCard(QStringLiteral("deck"), ratio);
}

QPixmap playerDeckPicture(int index, qreal ratio) {
    return loadCard(QStringLiteral("player_deck_%1").arg(index), ratio);
}

QPixmap emptyPlacePicture(qreal ratio) {
    return loadCard(QStringLiteral("empty_place"), ratio);
}

QPixmap goingOutPicture(AnnouncementPicture picture, qreal ratio) {
    return loadScaled(
        QStringLiteral("pictures"),
        picture == AnnouncementPicture::Youout ? QStringLiteral("youout") : QStringLiteral("theyout"), ratio);
}

QPixmap aboutPicture(qreal ratio) {
    return loadScaled(QStringLiteral("pictures"), QStringLiteral("about"), ratio);
}

QPixmap iconPicture() {
    return loadCached(QStringLiteral(":/zanfel_icon.png"), 1);
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
