// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/seat_list.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "names.h"

namespace {

// Clockwise round the host's table from the host's own seat.
constexpr std::array<int, zanfel::kPlayers> kClockwise{zanfel::kHuman, zanfel::kLeftPlayer,
                                                       zanfel::kMiddlePlayer, zanfel::kRightPlayer};

QString placeOf(int seat) {
    switch (seat) {
        case zanfel::kLeftPlayer:
            return SeatList::tr("Left:");
        case zanfel::kMiddlePlayer:
            return SeatList::tr("Across:");
        case zanfel::kRightPlayer:
            return SeatList::tr("Right:");
        default:
            return SeatList::tr("Host:");
    }
}

QString toPlace(int seat) {
    switch (seat) {
        case zanfel::kLeftPlayer:
            return SeatList::tr("To the Left Seat");
        case zanfel::kMiddlePlayer:
            return SeatList::tr("To the Seat Across");
        default:
            return SeatList::tr("To the Right Seat");
    }
}

}  // namespace

SeatList::SeatList(bool hosting, QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    for (int row = 0; row < zanfel::kPlayers; ++row)
        addRow(row, kClockwise[row], hosting);
}

void SeatList::addRow(int row, int seat, bool hosting) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* place = new QLabel(placeOf(seat), this);
    occupants_[seat] = new QLabel(this);
    occupants_[seat]->setObjectName(QStringLiteral("lblOccupant%1").arg(seat));
    occupants_[seat]->setTextFormat(Qt::PlainText);
    place->setBuddy(occupants_[seat]);
    grid->addWidget(place, row, 0);
    grid->addWidget(occupants_[seat], row, 1);
    if (!hosting || seat == zanfel::kHuman)
        return;
    move_[seat] = new QPushButton(tr("Move"), this);
    move_[seat]->setObjectName(QStringLiteral("cmdMove%1").arg(seat));
    move_[seat]->setAutoDefault(false);
    auto* menu = new QMenu(move_[seat]);
    for (int to : {zanfel::kLeftPlayer, zanfel::kMiddlePlayer, zanfel::kRightPlayer}) {
        if (to == seat)
            continue;
        QAction* action = menu->addAction(toPlace(to));
        action->setObjectName(QStringLiteral("mnuMove%1To%2").arg(seat).arg(to));
        connect(action, &QAction::triggered, this, [this, seat, to] { emit moveRequested(seat, to); });
    }
    move_[seat]->setMenu(menu);
    remove_[seat] = new QPushButton(tr("Remove"), this);
    remove_[seat]->setObjectName(QStringLiteral("cmdRemove%1").arg(seat));
    remove_[seat]->setAutoDefault(false);
    connect(remove_[seat], &QPushButton::clicked, this, [this, seat] { emit removeRequested(seat); });
    grid->addWidget(move_[seat], row, 2);
    grid->addWidget(remove_[seat], row, 3);
}

void SeatList::showSeats(const zanfel::Seats& seats, int yours) {
    for (int seat = 0; seat < zanfel::kPlayers; ++seat) {
        const bool person = zanfel::isPerson(seats[seat].kind);
        QString text = person ? QString::fromStdString(seats[seat].name)
                              : tr("%1, a computer player").arg(playerName(seat));
        if (seat == yours)
            text = tr("%1 (you)").arg(text);
        occupants_[seat]->setText(text);
        if (move_[seat]) {
            move_[seat]->setEnabled(person);
            remove_[seat]->setEnabled(person);
        }
    }
}

QString SeatList::occupant(int seat) const {
    return occupants_[seat]->text();
}
