// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/lobby_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "network/seat_list.h"

LobbyWindow::LobbyWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLobby"));
    setWindowTitle(tr("Host Network Game"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    addresses_ = new QLabel(this);
    addresses_->setObjectName(QStringLiteral("lblAddresses"));
    addresses_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(addresses_);
    auto* seatsHeading = new QLabel(tr("<b>Seats</b>"), this);
    layout->addSpacing(8);
    layout->addWidget(seatsHeading);
    seats_ = new SeatList(true, this);
    layout->addWidget(seats_);
    auto* computers = new QLabel(tr("Computer players take the seats nobody takes, at the skill level chosen "
                                    "in the Skill Level menu."),
                                 this);
    computers->setWordWrap(true);
    layout->addWidget(computers);
    auto* buttons = new QDialogButtonBox(this);
    start_ = buttons->addButton(tr("&Start"), QDialogButtonBox::AcceptRole);
    start_->setObjectName(QStringLiteral("cmdStart"));
    start_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LobbyWindow::startRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void LobbyWindow::showSeats(const zanfel::Seats& seats) {
    seats_->showSeats(seats, zanfel::kHuman);
}

void LobbyWindow::showAddresses(const QStringList& addresses, quint16 port) {
    QStringList lines;
    for (const QString& address : addresses)
        lines << (address.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2"))
                     .arg(address.toHtmlEscaped())
                     .arg(port);
    if (lines.isEmpty())
        lines << tr("(this computer is on no network)").toHtmlEscaped();
    addresses_->setText(
        tr("Your game is open. Others find it under Game > Join Network Game... on your local network, "
           "or join it by typing one of these addresses:")
            .toHtmlEscaped() +
        QStringLiteral("<p style='margin-left:12px'>%1</p>").arg(lines.join(QStringLiteral("<br>"))) +
        tr("To play over the internet, your router must pass TCP port %1 on to this computer.")
            .arg(port)
            .toHtmlEscaped());
    addresses_->setWordWrap(true);
}
