// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/card_flight.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "table/pictures.h"

CardFlight::CardFlight(QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("cardFlight"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();  // until the first flight
    // Fast away and slowing into place, as a card thrown onto a table.
    animation_.setEasingCurve(QEasingCurve::OutCubic);
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    connect(&animation_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& progress) { moveTo(progress.toReal()); });
    connect(&animation_, &QVariantAnimation::finished, this, &CardFlight::land);
}

int CardFlight::durationFor(int tickIntervalMs) {
    return std::min(kLongestMs, tickIntervalMs / 2);
}

void CardFlight::fly(const QWidget* from, const QWidget* to, const QPixmap& card, const QPixmap& under,
                     int durationMs) {
    land();
    if (durationMs <= 0)
        return;
    target_ = to;
    from_ = from->geometry();
    to_ = to->geometry();
    card_ = card;
    under_ = under;
    cardRect_ = from_;
    // Once up, the layer stays where it was made, over the cards: showing, hiding or raising a
    // layer the size of the table would paint the whole table again, twice a tick at Blinding,
    // where a flight paints only its card.
    setGeometry(parentWidget()->rect());
    show();
    update(from_);
    update(to_);
    animation_.setDuration(durationMs);
    animation_.start();
}

void CardFlight::land() {
    if (!target_)
        return;
    target_ = nullptr;
    animation_.stop();
    update(cardRect_);
    update(to_);
    // Nothing is kept between flights but the one widget and its animation.
    card_ = QPixmap();
    under_ = QPixmap();
}

void CardFlight::redraw(const QPixmap& card, const QPixmap& under) {
    if (!target_)
        return;
    card_ = card;
    under_ = under;
    update(cardRect_);
    update(to_);
}

QRect CardFlight::cardRectAt(qreal progress) const {
    const QPointF from = from_.topLeft(), to = to_.topLeft();
    return QRect((from + (to - from) * progress).toPoint(), to_.size());
}

// Only the card's old and new rectangles are painted again, never the whole table.
void CardFlight::moveTo(qreal progress) {
    update(cardRect_);
    cardRect_ = cardRectAt(progress);
    update(cardRect_);
}

void CardFlight::paintFrame(QPainter& painter, const QRect& clip) const {
    if (clip.intersects(to_)) {
        // The target's old card hides the new one; the table shows round its corners.
        painter.fillRect(to_, parentWidget()->palette().color(QPalette::Window));
        paintArtwork(painter, to_, under_);
    }
    if (clip.intersects(cardRect_))
        paintArtwork(painter, cardRect_, card_);
}

void CardFlight::paintEvent(QPaintEvent* event) {
    if (!target_)
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    paintFrame(painter, event->rect());
}
