// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_image.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "pictures.h"
#include "table_ink.h"

CardImage::CardImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    showCard(zanfel::kNoCard);
}

void CardImage::showCard(zanfel::CardNumber card) {
    card_ = card;
    if (card == zanfel::kNoCard)
        artwork_ = [this](qreal ratio) { return emptyPlace(ratio); };
    else
        artwork_ = [card](qreal ratio) { return facePicture(card, ratio); };
    update();
}

void CardImage::setArtwork(Artwork artwork) {
    card_ = zanfel::kNoCard;
    artwork_ = std::move(artwork);
    update();
}

QPixmap CardImage::picture() const {
    return artwork_ ? artwork_(devicePixelRatioF()) : QPixmap();
}

// The empty place's lines are drawn black; on a dark table they take its light ink.
QPixmap CardImage::emptyPlace(qreal ratio) const {
    const QColor table = palette().color(QPalette::Window);
    const QPixmap art = emptyPlacePicture(ratio);
    return isDarkTable(table) ? inInk(art, lineInk(table)) : art;
}

void CardImage::paintEvent(QPaintEvent*) {
    const QPixmap art = picture();
    if (art.isNull())
        return;
    QPainter painter(this);
    paintArtwork(painter, rect(), art);
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
