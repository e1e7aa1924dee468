// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/card_image.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "table/device_pixels.h"
#include "table/pictures.h"
#include "table/table_ink.h"

CardImage::CardImage(QWidget* parent) : QWidget(parent) {
    resize(kWidth, kHeight);
    showCard(zanfel::kNoCard);
}

void CardImage::showCard(zanfel::CardNumber card) {
    card_ = card;
    if (card == zanfel::kNoCard || (card == zanfel::kHiddenCard && !back_))
        artwork_ = [this](const PlaceArt& art) { return emptyPlace(art); };
    else if (card == zanfel::kHiddenCard)
        artwork_ = back_;
    else
        artwork_ = [card](const PlaceArt& art) { return facePicture(card, art); };
    held_ = QPixmap();
    update();
}

void CardImage::setArtwork(Artwork artwork) {
    card_ = zanfel::kNoCard;
    artwork_ = std::move(artwork);
    held_ = QPixmap();
    update();
}

void CardImage::setBackArtwork(Artwork back) {
    back_ = std::move(back);
    if (card_ == zanfel::kHiddenCard)
        showCard(card_);
}

QPixmap CardImage::pictureOf(zanfel::CardNumber card, const PlaceArt& art) const {
    if (card == zanfel::kNoCard || (card == zanfel::kHiddenCard && !back_))
        return emptyPlacePicture(art);
    if (card == zanfel::kHiddenCard)
        return back_(art);
    return facePicture(card, art);
}

void CardImage::setZoom(qreal zoom) {
    zoom_ = zoom;
    update();
}

void CardImage::setFaces(zanfel::artwork::FaceSet faces) {
    faces_ = faces;
    update();
}

PlaceArt CardImage::art() const {
    return PlaceArt::forPlace(size(), zoom_, devicePixelRatioF(), faces_);
}

QPixmap CardImage::picture() const {
    return pictureFor(art());
}

QPixmap CardImage::pictureFor(const PlaceArt& art) const {
    if (artwork_ && (held_.isNull() || !(heldFor_ == art))) {
        held_ = artwork_(art);
        heldFor_ = art;
    }
    return held_;
}

// The empty place's lines are drawn black; on a dark table they take its light ink.
QPixmap CardImage::emptyPlace(const PlaceArt& art) const {
    const QColor table = palette().color(QPalette::Window);
    const QPixmap lines = emptyPlacePicture(art);
    return isDarkTable(table) ? inInk(lines, lineInk(table)) : lines;
}

// A new table colour may call for the other ink.
void CardImage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        held_ = QPixmap();
        update();
    }
    QWidget::changeEvent(event);
}

// The picture is drawn for exactly the device pixels the place covers and put on them one to
// one: at a fractional ratio a place can cover a pixel less than its size times the ratio,
// and a picture drawn for more would lose its last line.
void CardImage::paintEvent(QPaintEvent*) {
    if (!artwork_)
        return;
    QPainter painter(this);
    const QRect pixels = wholeDevicePixels(painter, rect());
    const qreal ratio = devicePixelRatioF();
    const QPixmap art = pictureFor({pixels.size(), zoom_ * ratio, ratio, faces_});
    paintInDevicePixels(painter);
    painter.drawPixmap(QRectF(pixels), art, QRectF(art.rect()));
    drawnKey_ = art.cacheKey();
}

// A click is a left press and release on the image, as with a button; on a drag source the
// press may instead become a drag once the pointer has moved far enough.
void CardImage::mousePressEvent(QMouseEvent* event) {
    dragging_ = false;  // a drag whose release went to a window opened meanwhile is over
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
    event->accept();
}

// The pressed place keeps the mouse until the release, so it follows the card all over the table.
void CardImage::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint pointer = event->position().toPoint();
    if (dragging_) {
        emit carried(pointer);
        return;
    }
    if (!pressed_ || !draggable() || !(event->buttons() & Qt::LeftButton))
        return;
    if ((pointer - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed_ = false;
    dragging_ = true;
    emit lifted(pressedAt_);
    emit carried(pointer);
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        event->accept();
        emit letGo(event->position().toPoint());
        return;
    }
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

// The second press of a double-click is a press like the first, so a quick double-click on the
// red deck turns the stock twice; on one of the human's piles it also plays the card.
void CardImage::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (draggable() && event->button() == Qt::LeftButton)
        emit doubleClicked();
}
