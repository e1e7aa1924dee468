#include "card_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "pictures.h"

CardImage::CardImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    showCard(zanfel::kNoCard);
}

void CardImage::showCard(zanfel::CardNumber card) {
    card_ = card;
    picture_ = card == zanfel::kNoCard ? emptyPlacePicture() : facePicture(card);
    update();
}

void CardImage::setPicture(const QPixmap& picture) {
    card_ = zanfel::kNoCard;
    picture_ = picture;
    update();
}

void CardImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

// A click is a left press and release on the image, as with a button.
void CardImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
