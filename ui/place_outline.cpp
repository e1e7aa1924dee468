// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_outline.h"

#include <QPainter>

PlaceOutline::PlaceOutline(QWidget* table) : QWidget(table) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void PlaceOutline::surround(const QWidget* place, const QColor& colour) {
    place_ = place;
    colour_ = colour;
    setGeometry(place->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
    update();
}

// Two pixels wide, all of it outside the card.
void PlaceOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}
