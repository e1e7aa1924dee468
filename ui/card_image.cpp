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
    if (card == zanfel::kNoCard)
        artwork_ = emptyPlacePicture;
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

void CardImage::paintEvent(QPaintEvent*) {
    const QPixmap art = picture();
    if (art.isNull())
        return;
    QPainter painter(this);
    paintArtwork(painter, rect(), art);
    drawnKey_ = art.cacheKey();
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
