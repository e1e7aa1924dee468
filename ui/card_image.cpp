#include "card_image.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "device_pixels.h"
#include "pictures.h"

namespace {
const QString kSlotMimeType = QStringLiteral("application/x-zanfel-pile-slot");
}

CardImage::CardImage(QWidget* parent) : QWidget(parent) {
    resize(kWidth, kHeight);
    showCard(zanfel::kNoCard);
}

void CardImage::showCard(zanfel::CardNumber card) {
    card_ = card;
    if (card == zanfel::kNoCard)
        artwork_ = emptyPlacePicture;
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

void CardImage::setZoom(qreal zoom) {
    zoom_ = zoom;
    update();
}

QPixmap CardImage::picture() const {
    return pictureFor(PlaceArt::forPlace(size(), zoom_, devicePixelRatioF()));
}

QPixmap CardImage::pictureFor(const PlaceArt& art) const {
    if (artwork_ && (held_.isNull() || !(heldFor_ == art))) {
        held_ = artwork_(art);
        heldFor_ = art;
    }
    return held_;
}

QMimeData* CardImage::slotMimeData(int slot) {
    auto* mime = new QMimeData;
    mime->setData(kSlotMimeType, QByteArray::number(slot));
    return mime;
}

std::optional<int> CardImage::slotFrom(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(kSlotMimeType))
        return std::nullopt;
    bool number = false;
    const int slot = mime->data(kSlotMimeType).toInt(&number);
    return number ? std::optional<int>(slot) : std::nullopt;
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
    const QPixmap art = pictureFor({pixels.size(), zoom_ * ratio, ratio});
    paintInDevicePixels(painter);
    painter.drawPixmap(QRectF(pixels), art, QRectF(art.rect()));
    drawnKey_ = art.cacheKey();
}

// A click is a left press and release on the image, as with a button; on a drag source the
// press may instead become a drag once the pointer has moved far enough.
void CardImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
    event->accept();
}

void CardImage::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!pressed_ || !draggable() || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed_ = false;
    startDrag();
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
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

// The card under the pointer is what the place shows now, the empty place included.
void CardImage::startDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(slotMimeData(dragSlot_));
    drag->setPixmap(grab());
    drag->setHotSpot(pressedAt_);
    drag->exec(Qt::MoveAction);
}

void CardImage::dragEnterEvent(QDragEnterEvent* event) {
    if (slotFrom(event->mimeData()))
        event->acceptProposedAction();
}

void CardImage::dropEvent(QDropEvent* event) {
    const std::optional<int> slot = slotFrom(event->mimeData());
    if (!slot)
        return;
    event->acceptProposedAction();
    emit cardDropped(*slot);
}
