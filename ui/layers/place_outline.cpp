// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/place_outline.h"

#include <QEvent>
#include <QPainter>

#include "table/card_image.h"
#include "table/table_ink.h"

PlaceOutline::PlaceOutline(QWidget* table) : QWidget(table) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A zoom lays the places out anew and then resizes the table: the frame follows its place.
    table->installEventFilter(this);
    hide();
}

void PlaceOutline::surround(const QWidget* place, const QColor& colour, zanfel::artwork::FrameLine line) {
    place_ = place;
    colour_ = colour;
    line_ = line;
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

QColor PlaceOutline::shownColour() const {
    return lineInkFrom(colour_, palette().color(QPalette::Window));
}

// Two pixels wide at 100 %, all of it outside the card: dashes three widths long and dots one,
// each with a gap of one and a half; the double line is two of half the width a half apart.
void PlaceOutline::paintEvent(QPaintEvent*) {
    using zanfel::artwork::FrameLine;
    const qreal width = 2 * scale();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    QPen pen(shownColour(), line_ == FrameLine::Double ? width / 2 : width, Qt::SolidLine, Qt::FlatCap);
    if (line_ == FrameLine::Dashed)
        pen.setDashPattern({3, 1.5});
    if (line_ == FrameLine::Dotted)
        pen.setDashPattern({1, 1.5});
    painter.setPen(pen);
    const qreal edge = pen.widthF() / 2;
    const qreal radius = 3 * scale();
    painter.drawRoundedRect(QRectF(rect()).adjusted(edge, edge, -edge, -edge), radius, radius);
    if (line_ == FrameLine::Double) {
        const qreal inner = edge + width;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inner, inner, -inner, -inner), radius, radius);
    }
}
