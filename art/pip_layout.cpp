// SPDX-License-Identifier: GPL-3.0-or-later
#include "pip_layout.h"

#include <QPainter>
#include <QRectF>

#include "suit_paths.h"

namespace zanfel::artwork {
namespace {

constexpr double kLeft = 0.0;
constexpr double kMiddle = 0.5;
constexpr double kRight = 1.0;

void addPair(std::vector<PipSpot>& spots, double y) {
    spots.push_back({kLeft, y});
    spots.push_back({kRight, y});
}

// The side columns: two rows (4, 5), three rows (6, 7, 8) or four rows (9, 10).
void addSides(std::vector<PipSpot>& spots, int rows) {
    for (int i = 0; i < rows; ++i) {
        addPair(spots, static_cast<double>(i) / (rows - 1));
    }
}

}  // namespace

std::vector<PipSpot> pipLayout(int rank) {
    if (rank == 2 || rank == 3) {
        return rank == 2 ? std::vector<PipSpot>{{kMiddle, 0}, {kMiddle, 1}}
                         : std::vector<PipSpot>{{kMiddle, 0}, {kMiddle, 0.5}, {kMiddle, 1}};
    }
    std::vector<PipSpot> spots;
    if (rank < 4 || rank > 10) {
        return spots;
    }
    addSides(spots, rank < 6 ? 2 : rank < 9 ? 3 : 4);
    switch (rank) {
        case 5:
        case 9:
            spots.push_back({kMiddle, 0.5});
            break;
        case 7:
            spots.push_back({kMiddle, 0.25});
            break;
        case 8:
            spots.insert(spots.end(), {{kMiddle, 0.25}, {kMiddle, 0.75}});
            break;
        case 10:
            spots.insert(spots.end(), {{kMiddle, 1.0 / 6}, {kMiddle, 5.0 / 6}});
            break;
        default:
            break;
    }
    return spots;
}

void paintPips(QPainter& painter, CardId card, const QColor& ink, const QRectF& field, double pipHeight) {
    for (const PipSpot& spot : pipLayout(card.rank)) {
        const QPointF centre(field.left() + spot.x * field.width(), field.top() + spot.y * field.height());
        paintSuit(painter, card.suit, ink, centre, pipHeight, spot.y > 0.5);
    }
}

}  // namespace zanfel::artwork
