// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/place_outline.h"

#include <QEvent>
#include <QPainter>

#include "table/card_image.h"

PlaceOutline::PlaceOutline(QWidget* table) : QWidget(table) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A zoom lays the places out anew and then resizes the table: the frame follows its place.
    table->installEventFilter(this);
    hide();
}

void PlaceOutline::surround(const QWidget* place, const QColor& colour) {
    place_ = place;
    colour_ = colour;
    fitPlace();
    raise();
    show();
    update();
}

// The margin and the line grow with the place, as everything else on the table does.
qreal PlaceOutline::scale() const {
    return place_ ? place_->width() / qreal(CardImage::kWidth) : 1;
}

void PlaceOutline::fitPlace() {
    const int margin = qRound(kMargin * scale());
    setGeometry(place_->geometry().adjusted(-margin, -margin, margin, margin));
}

bool PlaceOutline::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && place_ && isVisible())
        fitPlace();
    return QWidget::eventFilter(watched, event);
}

// Two pixels wide at 100 %, all of it outside the card.
void PlaceOutline::paintEvent(QPaintEvent*) {
    const qreal line = 2 * scale();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2), 3 * scale(),
                            3 * scale());
}
