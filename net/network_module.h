// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "game.h"
#include "message.h"
#include "session_end.h"

// The network game as the program's windows use it. The network code is a module of its own,
// loaded the first time the player hosts or joins, so a game alone never loads the network
// libraries. Everything the windows need of it passes through these few plain interfaces, whose
// header names nothing of the network libraries.
namespace zanfel::net {

// A game open to guests: its lobby, then the game itself on the host's Game. Destroying it
// ends the network game for every guest, who is told the host quit.
class Hosting {
public:
    struct Events {
        std::function<void()> seatsChanged;  // someone joined, moved, left or came back
    };
    virtual ~Hosting() = default;

    // Opens the lobby on every address and announces it on the local network; false with the
    // reason in errorString() when the port cannot be had.
    virtual bool listen(quint16 port) = 0;
    virtual QString errorString() const = 0;
    virtual quint16 port() const = 0;
    // By the host's player index: the host itself, the guests, the computer players.
    virtual Seats seats() const = 0;
    virtual bool started() const = 0;
    // Before the start only.
    virtual bool moveGuest(int from, int to) = 0;
    virtual bool removeGuest(int seat) = 0;
    virtual void start() = 0;
    // Every guest is told the host ended the network game; the Game goes on alone.
    virtual void endNetworkGame() = 0;
};

// A player's seat at a game hosted elsewhere: the lobby, then the game seen from that seat.
class Guesting {
public:
    struct Events {
        std::function<void()> lobbyChanged;  // seated, or the seats changed
        std::function<void()> started;       // the game began, or this guest is back in it
        std::function<void()> rejoining;     // the link was lost; it comes back by itself
        std::function<void(const SessionEnd&)> ended;
    };
    virtual ~Guesting() = default;

    virtual void join(const QString& address, quint16 port) = 0;
    // Leaves on purpose; the seat is kept a while should the player come back.
    virtual void leave() = 0;
    // Who sits where, by the host's player index, and this guest's seat among them.
    virtual const LobbySeats& lobby() const = 0;
    // The game the window drives once it has started.
    virtual GameFront& game() = 0;
};

// A game announced on the local network, as the list of games to join shows it.
struct AnnouncedGame {
    QString address;
    quint16 port = kDefaultPort;
    QString hostName;
    int freeSeats = 0;
    bool started = false;
    QString program;  // the host's program version, and whether it can play with this one
    bool compatible = true;
};

class GameFinding {
public:
    virtual ~GameFinding() = default;
    // False when nobody can be heard (the port is not free); errorString() says why.
    virtual bool listening() const = 0;
    virtual QString errorString() const = 0;
    virtual std::vector<AnnouncedGame> games() const = 0;
};

class NetworkModule {
public:
    virtual std::unique_ptr<Hosting> host(Game& game, TableView& window, const QString& name,
                                          Hosting::Events events) = 0;
    virtual std::unique_ptr<Guesting> guest(const QString& name, TableView& window,
                                            Guesting::Events events) = 0;
    // Listens on `port` for announced games; `changed` is called when the list changed.
    virtual std::unique_ptr<GameFinding> findGames(quint16 port, std::function<void()> changed) = 0;
    // The addresses others may type to reach this computer, IPv4 first; none of the loopback.
    virtual QStringList localAddresses() const = 0;
    // A player's name as every screen shows it: plain text, cut to kMaxNameChars; empty when
    // nothing is left of it.
    virtual QString cleanName(const QString& name) const = 0;

protected:
    ~NetworkModule() = default;
};

}  // namespace zanfel::net

// The module's one entry point, looked up by this name when the module is loaded.
extern "C" Q_DECL_EXPORT zanfel::net::NetworkModule* zanfelNetworkModule();
