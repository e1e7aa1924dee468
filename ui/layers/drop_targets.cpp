// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/drop_targets.h"

#include <QPainter>
#include <algorithm>

#include "game_front.h"
#include "table/card_image.h"
#include "table/card_table.h"

namespace {

// Gold and black read on any table colour: black stands out three to one from every table
// lighter than a dark grey, gold from every table darker than a mid grey, and between the two
// both do. A place that takes the card is outlined by a thin line of gold and black dashes; the
// one it would land on by a solid band twice as wide, gold between two black edges, over a
// gold tint: they differ in width, in dash and in fill, not in colour alone.
const QColor kOutline(255, 205, 40);
const QColor kEdge(Qt::black);
const QColor kLitFill(255, 205, 40, 90);
constexpr qreal kLineWidth = 2;  // at 100 %; the lit band is twice that

int area(const QRect& rect) {
    return rect.isEmpty() ? 0 : rect.width() * rect.height();
}

}  // namespace

DropTargets::DropTargets(CardTable* table, const zanfel::GameFront& game)
    : QWidget(table), table_(table), game_(&game) {
    setObjectName(QStringLiteral("dropTargets"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

std::vector<zanfel::PileImage> DropTargets::takingPlaces() const {
    std::vector<zanfel::PileImage> places;
    if (slot_ < 0)
        return places;
    const zanfel::PlacesTaking taking = game_->placesTaking(slot_);
    for (int j = 0; j < zanfel::kFoundations; ++j)
        if (taking.foundation[j])
            places.push_back({zanfel::ImageKind::Foundation, j});
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k)
        if (taking.stack[k])
            places.push_back({zanfel::ImageKind::Stack, k});
    return places;
}

// The place as the table has it now, so the marks follow however the table is laid out.
QRect DropTargets::placeRect(zanfel::PileImage place) const {
    return table_->image(place)->geometry();
}

void DropTargets::offer(int slot) {
    slot_ = slot;
    lit_.reset();
    setGeometry(table_->rect());
    raise();
    show();
    refresh();
}

void DropTargets::withdraw() {
    slot_ = -1;
    outlined_.clear();
    lit_.reset();
    hide();
}

void DropTargets::refresh() {
    if (slot_ < 0)
        return;
    std::vector<zanfel::PileImage> places = takingPlaces();
    if (places == outlined_)
        return;
    outlined_ = std::move(places);
    if (lit_ && std::find(outlined_.begin(), outlined_.end(), *lit_) == outlined_.end())
        lit_.reset();
    update();
}

void DropTargets::hover(QPoint pointer, const QRect& card) {
    const std::optional<zanfel::PileImage> place = landing(pointer, card);
    if (place == lit_)
        return;
    lit_ = place;
    update();
}

std::optional<zanfel::PileImage> DropTargets::landing(QPoint pointer, const QRect& card) const {
    const std::vector<zanfel::PileImage> places = takingPlaces();
    for (zanfel::PileImage place : places)
        if (placeRect(place).contains(pointer))
            return place;
    std::optional<zanfel::PileImage> best;
    int bestCover = area(card) / 2 - 1;  // at least half the card
    for (zanfel::PileImage place : places) {
        const int cover = area(placeRect(place) & card);
        if (cover > bestCover) {
            best = place;
            bestCover = cover;
        }
    }
    return best;
}

bool DropTargets::refusedAt(QPoint pointer) const {
    for (int j = 0; j < zanfel::kFoundations; ++j)
        if (placeRect({zanfel::ImageKind::Foundation, j}).contains(pointer))
            return true;
    for (int k = 0; k < zanfel::kSlotsPerPlayer; ++k)
        if (k != slot_ && placeRect({zanfel::ImageKind::Stack, k}).contains(pointer))
            return true;
    return false;
}

// The lines lie in the gap outside the place, grown with the table's zoom.
void DropTargets::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const qreal scale = table_->zoom() / 100.0;
    const qreal width = kLineWidth * scale;
    for (zanfel::PileImage place : outlined_) {
        const bool lit = place == lit_;
        const qreal out = lit ? width : width / 2;
        const QRectF frame = QRectF(placeRect(place)).adjusted(-out, -out, out, out);
        const qreal radius = 3 * scale;
        if (lit) {
            painter.fillRect(placeRect(place), kLitFill);
            painter.setPen(QPen(kEdge, 2 * width));
            painter.drawRoundedRect(frame, radius, radius);
            painter.setPen(QPen(kOutline, width));
            painter.drawRoundedRect(frame, radius, radius);
            continue;
        }
        painter.setPen(QPen(kEdge, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawRoundedRect(frame, radius, radius);
        QPen dashes(kOutline, width, Qt::SolidLine, Qt::FlatCap);
        dashes.setDashPattern({2, 2});
        painter.setPen(dashes);
        painter.drawRoundedRect(frame, radius, radius);
    }
}
