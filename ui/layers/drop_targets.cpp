// SPDX-License-Identifier: GPL-3.0-or-later
#include "layers/drop_targets.h"

#include <QPainter>
#include <algorithm>

#include "game_front.h"
#include "layers/place_outline.h"
#include "table/card_image.h"
#include "table/card_table.h"

namespace {

// Gold over a dark edge reads on any table colour.
const QColor kOutline(255, 205, 40);
const QColor kEdge(0, 0, 0, 160);
const QColor kLitFill(255, 205, 40, 90);

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

void DropTargets::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int m = PlaceOutline::kMargin;
    for (zanfel::PileImage place : outlined_) {
        const bool lit = place == lit_;
        const QRectF frame = QRectF(placeRect(place)).adjusted(-m + 1, -m + 1, m - 1, m - 1);
        if (lit)
            painter.fillRect(placeRect(place), kLitFill);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kEdge, lit ? 5 : 4));
        painter.drawRoundedRect(frame, 3, 3);
        painter.setPen(QPen(kOutline, lit ? 3 : 2));
        painter.drawRoundedRect(frame, 3, 3);
    }
}
