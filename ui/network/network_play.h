// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "network_module.h"

class JoinWindow;
class LobbyWindow;
class MainWindow;
class SettingsStore;

// Playing with people at other computers, as the main window offers it: hosting a game from a
// lobby, joining one from the list of games on the local network or by address, leaving, and
// going back to a game alone when the host leaves. The network module is loaded at the first of
// these; the window plays a game hosted elsewhere through the module's GameFront.
class NetworkPlay : public QObject {
    Q_OBJECT
public:
    enum class State { Alone, Lobby, Playing };

    NetworkPlay(MainWindow& window, SettingsStore& settings);
    ~NetworkPlay() override;

    State state() const { return state_; }
    // The port the hosted game is open on, once it is.
    quint16 port() const { return hosting_ ? hosting_->port() : 0; }

    // Game > Host Network Game...: asks for the player's name, then opens the lobby.
    void hostCommand();
    // Game > Join Network Game...
    void joinCommand();
    // Game > Leave Network Game: a guest leaves; the host ends the network game for everyone.
    void leaveCommand();
    // From the command line: the lobby on `port` at once, or joining `host` at once.
    void host(quint16 port, const QString& name);
    void join(const QString& host, quint16 port, const QString& name);

    LobbyWindow* lobby() const;
    JoinWindow* joinWindow() const;

private:
    zanfel::net::NetworkModule* module();
    QString defaultName() const;
    QString askName(const QString& title);
    void openLobby();
    void startHostedGame();
    void stopHosting();
    void openJoinWindow(const QString& name);
    void joinRequested(const QString& host, quint16 port, const QString& name);
    void guestSeated();
    void guestStarted();
    void guestEnded(const zanfel::net::SessionEnd& end);
    void closeJoinWindow();
    void backAlone(const QString& why);
    void setState(State state);
    QString hostName() const;
    QString endText(const zanfel::net::SessionEnd& end) const;
    void tell(const QString& text);

    MainWindow& window_;
    SettingsStore& settings_;
    State state_ = State::Alone;
    std::unique_ptr<zanfel::net::Hosting> hosting_;
    // A guest's session stays until the next: it may end from within its own signal.
    std::unique_ptr<zanfel::net::Guesting> guesting_;
    std::unique_ptr<zanfel::net::GameFinding> finding_;
    QPointer<LobbyWindow> lobby_;
    QPointer<JoinWindow> join_;
    QString joinTarget_;  // the host as the player chose it, until its name is known
    bool seated_ = false;
    bool guestPlaying_ = false;
};
