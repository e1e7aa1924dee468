// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/join_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "network/host_address.h"
#include "network/seat_list.h"

namespace {

enum Column { HostColumn, SeatsColumn, AddressColumn };

QString addressOf(const zanfel::net::AnnouncedGame& game) {
    const QString format =
        game.address.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2");
    return format.arg(game.address).arg(game.port);
}

// What the list says of a game, and why it cannot be joined when it cannot.
QString seatsOf(const zanfel::net::AnnouncedGame& game) {
    if (!game.compatible)
        return JoinWindow::tr("Zanfel %1: cannot play with this version").arg(game.program);
    if (game.started)
        return JoinWindow::tr("Started");
    if (game.freeSeats == 0)
        return JoinWindow::tr("Full");
    if (game.freeSeats == 1)
        return JoinWindow::tr("1 free seat");
    return JoinWindow::tr("%1 free seats").arg(game.freeSeats);
}

// The width at which a line edit shows all of `text`: the hint on how to type an address is read
// whole, in every language.
int widthShowing(const QLineEdit& edit, const QString& text) {
    constexpr int kTextMargin = 2;  // the line edit's own, either side of its text
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    const QMargins margins = edit.textMargins();
    const QSize inside(
        edit.fontMetrics().horizontalAdvance(text) + 2 * kTextMargin + margins.left() + margins.right(),
        edit.fontMetrics().height());
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, inside, &edit).width();
}

}  // namespace

JoinWindow::JoinWindow(const QString& name, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmJoin"));
    setWindowTitle(tr("Join Network Game"));
    auto* layout = new QVBoxLayout(this);
    createChooser();
    name_->setText(name);
    layout->addWidget(chooser_);
    seats_ = new SeatList(false, this);
    seats_->hide();
    layout->addWidget(seats_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    buttons_ = new QDialogButtonBox(this);
    join_ = buttons_->addButton(tr("&Join"), QDialogButtonBox::AcceptRole);
    join_->setObjectName(QStringLiteral("cmdJoin"));
    join_->setDefault(true);
    buttons_->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &JoinWindow::joinClicked);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);
    showGames({});
}

void JoinWindow::createChooser() {
    chooser_ = new QWidget(this);
    auto* layout = new QVBoxLayout(chooser_);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(tr("&Games on your local network:"), chooser_);
    games_ = new QTreeWidget(chooser_);
    games_->setObjectName(QStringLiteral("lstGames"));
    games_->setHeaderLabels({tr("Host"), tr("Seats"), tr("Address")});
    games_->setRootIsDecorated(false);
    games_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    games_->setMinimumWidth(games_->fontMetrics().averageCharWidth() * 60);
    games_->setMaximumHeight(games_->fontMetrics().height() * 8);
    heading->setBuddy(games_);
    connect(games_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { choose(item); });
    connect(games_, &QTreeWidget::itemDoubleClicked, this, [this] { joinClicked(); });
    listProblem_ = new QLabel(chooser_);
    listProblem_->setObjectName(QStringLiteral("lblListProblem"));
    listProblem_->setWordWrap(true);
    listProblem_->hide();
    layout->addWidget(heading);
    layout->addWidget(games_);
    layout->addWidget(listProblem_);
    auto* form = new QFormLayout;
    address_ = new QLineEdit(chooser_);
    address_->setObjectName(QStringLiteral("txtAddress"));
    address_->setPlaceholderText(
        tr("a host elsewhere: its address, and :port if not %1").arg(zanfel::net::kDefaultPort));
    address_->setMinimumWidth(widthShowing(*address_, address_->placeholderText()));
    name_ = new QLineEdit(chooser_);
    name_->setObjectName(QStringLiteral("txtName"));
    name_->setMaxLength(zanfel::net::kMaxNameChars);
    form->addRow(tr("Host &address:"), address_);
    form->addRow(tr("Your &name:"), name_);
    layout->addLayout(form);
}

// A game from the list fills in its address; one that cannot be joined says why instead.
void JoinWindow::choose(QTreeWidgetItem* item) {
    if (item && !item->isDisabled())
        address_->setText(item->text(AddressColumn));
}

void JoinWindow::showGames(const std::vector<zanfel::net::AnnouncedGame>& games) {
    const QString chosen = games_->currentItem() ? games_->currentItem()->text(AddressColumn) : QString();
    games_->clear();
    for (const zanfel::net::AnnouncedGame& game : games) {
        auto* item = new QTreeWidgetItem(games_, {game.hostName, seatsOf(game), addressOf(game)});
        item->setDisabled(!game.compatible || game.started || game.freeSeats == 0);
        if (item->text(AddressColumn) == chosen)
            games_->setCurrentItem(item);
    }
    if (games.empty()) {
        auto* looking = new QTreeWidgetItem(games_, {tr("Looking for games...")});
        looking->setDisabled(true);
    }
}

void JoinWindow::showListProblem(const QString& problem) {
    listProblem_->setText(problem);
    listProblem_->setVisible(!problem.isEmpty());
}

void JoinWindow::joinClicked() {
    if (!join_->isEnabled())
        return;
    if (address_->text().trimmed().isEmpty())
        return showProblem(tr("Choose a game from the list, or type the address of its host."));
    const std::optional<HostAddress> host = readHostAddress(address_->text(), zanfel::net::kDefaultPort);
    if (!host)
        return showProblem(
            tr("\"%1\" is no address. Type the host's name or address, with a colon and the port "
               "after it if the port is not %2.")
                .arg(address_->text().trimmed())
                .arg(zanfel::net::kDefaultPort));
    emit joinRequested(host->host, host->port, name_->text());
}

void JoinWindow::setChoosing(bool choosing) {
    chooser_->setEnabled(choosing);
    join_->setEnabled(choosing);
}

void JoinWindow::showJoining(const QString& host) {
    setChoosing(false);
    status_->setText(tr("Joining the game at %1...").arg(host));
}

void JoinWindow::showLobby(const zanfel::Seats& seats, int yours, const QString& hostName) {
    chooser_->hide();
    join_->hide();
    seats_->show();
    seats_->showSeats(seats, yours);
    status_->setText(tr("You are at %1's table. The game begins when %1 starts it.").arg(hostName));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("&Leave"));
}

void JoinWindow::showProblem(const QString& problem) {
    seats_->hide();
    chooser_->show();
    join_->show();
    setChoosing(true);
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    status_->setText(problem);
}

QString JoinWindow::status() const {
    return status_->text();
}
