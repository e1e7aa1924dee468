// SPDX-License-Identifier: GPL-3.0-or-later
// The network module's entry point: the host, the guest and the local network's announcements
// behind the plain interfaces the windows use.
#include "network_module.h"

#include <QNetworkInterface>
#include <QTcpSocket>
#include <algorithm>
#include <optional>

#include "game_announcer.h"
#include "game_finder.h"
#include "guest_game.h"
#include "guest_session.h"
#include "host.h"
#include "message_codec.h"
#include "program_version.h"

namespace zanfel::net {

namespace {

// How long a leaving host waits at most for each guest's connection to take its last message.
constexpr int kLastWordMs = 250;

void call(const std::function<void()>& event) {
    if (event)
        event();
}

class HostedGame final : public Hosting {
public:
    HostedGame(Game& game, TableView& window, const QString& name, Events events)
        : host_(game, window, name), name_(name), events_(std::move(events)) {
        QObject::connect(&host_, &Host::seatsChanged, &host_, [this] {
            announce();
            call(events_.seatsChanged);
        });
    }

    bool listen(quint16 port) override {
        if (!host_.listen(QHostAddress::Any, port))
            return false;
        // Announced where every program listens, whatever port the game itself is on.
        announcer_.emplace();
        announce();
        return true;
    }
    QString errorString() const override { return host_.errorString(); }
    quint16 port() const override { return host_.port(); }
    Seats seats() const override { return host_.seats(); }
    bool started() const override { return host_.started(); }
    bool moveGuest(int from, int to) override { return host_.moveGuest(from, to); }
    bool removeGuest(int seat) override { return host_.removeGuest(seat); }
    void start() override {
        host_.start();
        announce();
    }
    ~HostedGame() override {
        host_.leave(LeavingReason::Quit);
        letGuestsHear();
    }

    void endNetworkGame() override {
        host_.leave(LeavingReason::EndedNetworkGame);
        announcer_.reset();
        letGuestsHear();
    }

private:
    // The host's last word goes out before its connections go: a socket destroyed with bytes
    // still queued would leave each guest guessing at a lost link for its whole rejoin window.
    void letGuestsHear() {
        for (QTcpSocket* socket : host_.findChildren<QTcpSocket*>())
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(kLastWordMs);
    }

    void announce() {
        if (announcer_)
            announcer_->announce({programVersion(), kProtocolVersion, name_, kMaxGuests - host_.guestCount(),
                                  host_.started(), host_.port()});
    }

    Host host_;
    QString name_;
    Events events_;
    std::optional<GameAnnouncer> announcer_;
};

class GuestSeat final : public Guesting {
public:
    GuestSeat(const QString& name, TableView& window, Events events)
        : session_(name), game_(session_, window), events_(std::move(events)) {
        QObject::connect(&session_, &GuestSession::lobbyChanged, &session_,
                         [this] { call(events_.lobbyChanged); });
        QObject::connect(&session_, &GuestSession::started, &session_, [this] { call(events_.started); });
        QObject::connect(&session_, &GuestSession::rejoining, &session_, [this] { call(events_.rejoining); });
        QObject::connect(&session_, &GuestSession::ended, &session_, [this](const SessionEnd& end) {
            if (events_.ended)
                events_.ended(end);
        });
    }

    void join(const QString& address, quint16 port) override { session_.join(address, port); }
    void leave() override { session_.leave(); }
    const LobbySeats& lobby() const override { return session_.lobby(); }
    GameFront& game() override { return game_; }

private:
    GuestSession session_;
    GuestGame game_;
    Events events_;
};

class Finder final : public GameFinding {
public:
    Finder(quint16 port, std::function<void()> changed) : finder_(port) {
        QObject::connect(&finder_, &GameFinder::gamesChanged, &finder_, std::move(changed));
    }
    bool listening() const override { return finder_.listening(); }
    QString errorString() const override { return finder_.errorString(); }
    // A game on this computer is heard both over the loopback and over the network: it is listed
    // once, at the address others would type.
    std::vector<AnnouncedGame> games() const override {
        std::vector<AnnouncedGame> games;
        const std::vector<FoundGame>& heard = finder_.games();
        for (const FoundGame& found : heard) {
            if (heardElsewhereToo(found, heard))
                continue;
            const Announcement& said = found.announcement;
            games.push_back({found.address.toString(), static_cast<quint16>(said.port), said.hostName,
                             said.freeSeats, said.started, said.program, said.protocol == kProtocolVersion});
        }
        return games;
    }

private:
    static bool heardElsewhereToo(const FoundGame& game, const std::vector<FoundGame>& games) {
        return game.address.isLoopback() &&
               std::any_of(games.begin(), games.end(), [&game](const FoundGame& other) {
                   return !other.address.isLoopback() &&
                          other.announcement.hostName == game.announcement.hostName &&
                          other.announcement.port == game.announcement.port;
               });
    }

    GameFinder finder_;
};

class Module final : public NetworkModule {
public:
    std::unique_ptr<Hosting> host(Game& game, TableView& window, const QString& name,
                                  Hosting::Events events) override {
        return std::make_unique<HostedGame>(game, window, name, std::move(events));
    }
    std::unique_ptr<Guesting> guest(const QString& name, TableView& window,
                                    Guesting::Events events) override {
        return std::make_unique<GuestSeat>(name, window, std::move(events));
    }
    std::unique_ptr<GameFinding> findGames(quint16 port, std::function<void()> changed) override {
        return std::make_unique<Finder>(port, std::move(changed));
    }
    QStringList localAddresses() const override {
        QStringList ipv4, ipv6;
        for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
            if (address.isLoopback() || address.isLinkLocal())
                continue;
            if (address.protocol() == QAbstractSocket::IPv4Protocol)
                ipv4 << address.toString();
            else
                ipv6 << address.toString();
        }
        return ipv4 + ipv6;
    }
    QString cleanName(const QString& name) const override { return plainText(name, kMaxNameChars); }
};

}  // namespace

}  // namespace zanfel::net

zanfel::net::NetworkModule* zanfelNetworkModule() {
    static zanfel::net::Module module;
    return &module;
}
