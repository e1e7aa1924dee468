// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/network_play.h"

#include <QInputDialog>
#include <QMessageBox>

#include "main_window.h"
#include "names.h"
#include "network/join_window.h"
#include "network/lobby_window.h"
#include "network/network_loader.h"
#include "network/seat_list.h"
#include "settings/settings_store.h"

namespace {

QString atPort(const QString& host, quint16 port) {
    const QString format =
        host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2");
    return format.arg(host).arg(port);
}

// The lobby's seats by the host's player index, as a guest hears of them.
zanfel::Seats seatsOf(const zanfel::net::LobbySeats& lobby) {
    zanfel::Seats seats;
    for (int player = 0; player < zanfel::kPlayers; ++player)
        seats[player] = {static_cast<zanfel::SeatKind>(lobby.kinds[player]),
                         lobby.names[player].toStdString()};
    return seats;
}

}  // namespace

NetworkPlay::NetworkPlay(MainWindow& window, SettingsStore& settings)
    : window_(window), settings_(settings) {}

// The windows go first; the host, if any, tells its guests it quit.
NetworkPlay::~NetworkPlay() {
    delete lobby_;
    delete join_;
}

LobbyWindow* NetworkPlay::lobby() const {
    return lobby_;
}

JoinWindow* NetworkPlay::joinWindow() const {
    return join_;
}

zanfel::net::NetworkModule* NetworkPlay::module() {
    QString error;
    zanfel::net::NetworkModule* network = networkModule(&error);
    if (!network) {
        QMessageBox box(QMessageBox::Warning, programName(),
                        tr("The network part of the game could not be loaded, so it cannot be played with "
                           "others now."),
                        QMessageBox::Ok, &window_);
        box.setInformativeText(error);
        box.exec();
    }
    return network;
}

void NetworkPlay::tell(const QString& text) {
    QMessageBox box(QMessageBox::Information, programName(), text, QMessageBox::Ok, &window_);
    box.exec();
}

// The name the player gave last time, or the login name the first time.
QString NetworkPlay::defaultName() const {
    const QString saved = settings_.networkName();
    return saved.isEmpty() ? qEnvironmentVariable("USER") : saved;
}

QString NetworkPlay::askName(const QString& title) {
    QInputDialog dialog(&window_);
    dialog.setObjectName(QStringLiteral("dlgName"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(tr("Your &name, as the others will see it:"));
    dialog.setTextValue(defaultName());
    while (dialog.exec() == QDialog::Accepted) {
        const QString name = module()->cleanName(dialog.textValue());
        if (!name.isEmpty())
            return name;
        dialog.setLabelText(tr("A name needs at least one letter or figure. Your &name:"));
    }
    return {};
}

void NetworkPlay::setState(State state) {
    state_ = state;
    window_.showNetworkState(state != State::Alone, state == State::Playing);
}

void NetworkPlay::hostCommand() {
    if (state_ != State::Alone || !module())
        return;
    const QString name = askName(tr("Host Network Game"));
    if (!name.isEmpty())
        host(zanfel::net::kDefaultPort, name);
}

void NetworkPlay::host(quint16 port, const QString& name) {
    zanfel::net::NetworkModule* network = module();
    if (!network || state_ != State::Alone)
        return;
    // A name that leaves nothing to show is asked for again.
    QString clean = network->cleanName(name.isEmpty() ? defaultName() : name);
    if (clean.isEmpty())
        clean = askName(tr("Host Network Game"));
    if (clean.isEmpty())
        return;
    settings_.saveNetworkName(clean);
    hosting_ = network->host(window_.game(), window_, clean, {[this] {
                                 if (lobby_ && hosting_)
                                     lobby_->showSeats(hosting_->seats());
                             }});
    if (!hosting_->listen(port)) {
        const QString why = hosting_->errorString();
        hosting_.reset();
        return tell(tr("The game could not be opened to others on port %1: %2").arg(port).arg(why));
    }
    openLobby();
    setState(State::Lobby);
}

void NetworkPlay::openLobby() {
    lobby_ = new LobbyWindow(&window_);
    connect(lobby_, &LobbyWindow::startRequested, this, &NetworkPlay::startHostedGame);
    connect(lobby_, &QDialog::rejected, this, &NetworkPlay::stopHosting);
    connect(lobby_->seatList(), &SeatList::moveRequested, this,
            [this](int from, int to) { hosting_->moveGuest(from, to); });
    connect(lobby_->seatList(), &SeatList::removeRequested, this,
            [this](int seat) { hosting_->removeGuest(seat); });
    lobby_->showAddresses(module()->localAddresses(), hosting_->port());
    lobby_->showSeats(hosting_->seats());
    lobby_->show();
}

// The guests are seated before the table names them, so nobody reads as coming back; the names
// go up before the next frame is drawn. The table is the network game's from now on, as a guest's
// is: nothing of the game alone stays on it, such as the frame of a computer player's last move.
void NetworkPlay::startHostedGame() {
    lobby_->hide();
    lobby_->deleteLater();
    window_.playFront(window_.game());
    hosting_->start();
    setState(State::Playing);
}

void NetworkPlay::stopHosting() {
    if (!hosting_)
        return;
    hosting_->endNetworkGame();
    hosting_.reset();
    if (lobby_)
        lobby_->deleteLater();
    setState(State::Alone);
}

void NetworkPlay::leaveCommand() {
    if (hosting_ && hosting_->started()) {
        QMessageBox box(QMessageBox::Question, programName(),
                        tr("End the network game for everyone? The others go back to games of their own; "
                           "yours goes on with computer players in their seats."),
                        QMessageBox::Ok | QMessageBox::Cancel, &window_);
        box.setDefaultButton(QMessageBox::Cancel);
        if (box.exec() != QMessageBox::Ok)
            return;
    }
    if (hosting_)
        return stopHosting();
    if (guesting_)
        guesting_->leave();
}

void NetworkPlay::joinCommand() {
    if (state_ != State::Alone || !module())
        return;
    openJoinWindow(defaultName());
}

void NetworkPlay::join(const QString& host, quint16 port, const QString& name) {
    if (state_ != State::Alone || !module())
        return;
    const QString given = name.isEmpty() ? defaultName() : name;
    openJoinWindow(given);
    joinRequested(host, port, given);
}

// The list of games on the local network fills as their hosts announce them.
void NetworkPlay::openJoinWindow(const QString& name) {
    join_ = new JoinWindow(name, &window_);
    connect(join_, &JoinWindow::joinRequested, this, &NetworkPlay::joinRequested);
    connect(join_, &QDialog::rejected, this, [this] {
        if (guesting_)
            guesting_->leave();
        closeJoinWindow();
        setState(State::Alone);
    });
    finding_ = module()->findGames(zanfel::net::kDefaultPort, [this] {
        if (join_ && finding_)
            join_->showGames(finding_->games());
    });
    if (!finding_->listening())
        join_->showListProblem(tr("Games on the local network cannot be listed (%1). Type the address of the "
                                  "host instead.")
                                   .arg(finding_->errorString()));
    join_->show();
    setState(State::Lobby);
}

void NetworkPlay::joinRequested(const QString& host, quint16 port, const QString& name) {
    const QString clean = module()->cleanName(name);
    if (clean.isEmpty())
        return join_->showProblem(tr("Type your name first: the others see it beside your piles."));
    settings_.saveNetworkName(clean);
    joinTarget_ = atPort(host, port);
    guestPlaying_ = false;
    seated_ = false;
    guesting_ = module()->guest(
        clean, window_,
        {[this] { guestSeated(); }, [this] { guestStarted(); },
         [this] {
             window_.showLinkLost(tr("The connection to %1 was lost. Coming back...").arg(hostName()));
         },
         [this](const zanfel::net::SessionEnd& end) { guestEnded(end); }});
    join_->showJoining(joinTarget_);
    guesting_->join(host, port);
}

// Seated at the host's table, the player waits for the start; a hand of their own ends here.
void NetworkPlay::guestSeated() {
    if (!join_)
        return;
    if (!std::exchange(seated_, true))
        window_.game().newGameCommand();
    const zanfel::net::LobbySeats& lobby = guesting_->lobby();
    join_->showLobby(seatsOf(lobby), lobby.yourSeat, hostName());
}

void NetworkPlay::guestStarted() {
    closeJoinWindow();
    window_.showLinkLost({});
    if (guestPlaying_)
        return;  // back after a lost link
    guestPlaying_ = true;
    window_.playFront(guesting_->game());
    setState(State::Playing);
}

void NetworkPlay::guestEnded(const zanfel::net::SessionEnd& end) {
    const bool left = end.why == zanfel::net::SessionEnd::Why::Left;
    if (guestPlaying_) {
        guestPlaying_ = false;
        return backAlone(left ? QString()
                              : endText(end) + QStringLiteral("\n\n") +
                                    tr("You are back at a game of your own."));
    }
    seated_ = false;
    if (join_ && !left)
        join_->showProblem(endText(end));
}

void NetworkPlay::closeJoinWindow() {
    finding_.reset();
    if (join_) {
        join_->hide();
        join_->deleteLater();
    }
}

// Whatever the guest game had open closes, and the table is a fresh one of the player's own.
void NetworkPlay::backAlone(const QString& why) {
    window_.closeGameWindows();
    window_.showLinkLost({});
    window_.playFront(window_.game());
    window_.game().newGameCommand();
    setState(State::Alone);
    if (!why.isEmpty())
        tell(why);
}

QString NetworkPlay::hostName() const {
    if (guesting_ && !guesting_->lobby().names[zanfel::kHuman].isEmpty())
        return guesting_->lobby().names[zanfel::kHuman];
    return joinTarget_;
}

QString NetworkPlay::endText(const zanfel::net::SessionEnd& end) const {
    using Why = zanfel::net::SessionEnd::Why;
    using zanfel::net::Refusal;
    const QString host = hostName();
    switch (end.why) {
        case Why::HostLeft:
            return end.leaving == zanfel::net::LeavingReason::EndedNetworkGame
                       ? tr("%1 ended the network game.").arg(host)
                       : tr("%1 has left, and the network game is over.").arg(host);
        case Why::Lost:
            return guesting_->lobby().names[zanfel::kHuman].isEmpty()
                       ? tr("No game answered at %1.").arg(joinTarget_)
                       : tr("The connection to %1 was lost and could not be made again.").arg(host);
        case Why::Broken:
            return tr("The connection to %1 was closed: its messages could not be understood.").arg(host);
        case Why::Left:
        case Why::Refused:
            break;
    }
    switch (end.refusal) {
        case Refusal::IncompatibleVersion: {
            const QString ours = QStringLiteral(ZANFEL_VERSION);
            const bool sameProgram = end.hostProgram == ours;
            return tr("The game at %1 runs Zanfel %2, which cannot play with this Zanfel %3.")
                .arg(host,
                     sameProgram ? tr("%1 (network version %2)").arg(end.hostProgram).arg(end.hostProtocol)
                                 : end.hostProgram,
                     sameProgram ? tr("%1 (network version %2)").arg(ours).arg(zanfel::net::kProtocolVersion)
                                 : ours);
        }
        case Refusal::GameStarted:
            return tr("The game at %1 has started already: it takes no new players.").arg(host);
        case Refusal::TableFull:
            return tr("Every seat in the game at %1 is taken.").arg(host);
        case Refusal::Removed:
            return tr("%1 took you off the table.").arg(host);
        case Refusal::UnknownToken:
            return tr("%1's game no longer keeps your seat.").arg(host);
        case Refusal::TooManyGreetings:
            return tr("The game at %1 is busy with others joining. Try again in a moment.").arg(host);
        case Refusal::BadName:
            return tr("That name cannot be used: type another.");
        default:
            return tr("The game at %1 did not let you join.").arg(host);
    }
}
