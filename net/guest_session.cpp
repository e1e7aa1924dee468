// SPDX-License-Identifier: GPL-3.0-or-later
#include "guest_session.h"

#include "message_codec.h"
#include "message_phase.h"
#include "program_version.h"

namespace zanfel::net {

namespace {

SessionEnd ending(SessionEnd::Why why, Refusal refusal = Refusal::None,
                  LeavingReason leaving = LeavingReason::Quit) {
    SessionEnd end;
    end.why = why;
    end.refusal = refusal;
    end.leaving = leaving;
    return end;
}

}  // namespace

GuestSession::GuestSession(const QString& name, GuestTiming timing, QObject* parent)
    : QObject(parent), name_(plainText(name, kMaxNameChars)), timing_(timing) {
    // The host pings every second: silence past the limit means the link is gone.
    watch_.setInterval(std::max(timing_.silenceLimitMs / 5, 10));
    connect(&watch_, &QTimer::timeout, this, [this] {
        if (state_ == State::Rejoining)
            return retry();
        if (connection_ && connection_->silentForMs() > timing_.silenceLimitMs)
            connection_->close(Refusal::Silent);
    });
}

// The sockets and the connection go after this object: what they signal as they go must not reach it.
GuestSession::~GuestSession() {
    for (QObject* child : children())
        child->disconnect(this);
}

void GuestSession::join(const QString& host, quint16 port) {
    if (state_ != State::Idle)
        return;
    host_ = host;
    port_ = port;
    state_ = State::Connecting;
    if (name_.isEmpty())  // the host would refuse it: say so without asking
        return finish(ending(SessionEnd::Why::Refused, Refusal::BadName));
    connectToHost();
    watch_.start();
}

void GuestSession::connectToHost() {
    auto* socket = new QTcpSocket(this);
    attempt_ = socket;
    lastTry_.start();
    welcomed_ = false;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        socket->disconnect(this);
        attempt_ = nullptr;
        connection_ = new Connection(socket, Connection::End::Guest, this);
        connect(connection_, &Connection::received, this, &GuestSession::take);
        const QPointer<Connection> connection = connection_;
        connect(connection_, &Connection::closed, this, [this, connection](Refusal reason) {
            if (connection == connection_)
                linkClosed(reason);
            if (connection)
                connection->deleteLater();
        });
        connection_->send(Hello{programVersion(), kProtocolVersion, name_, token_});
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        socket->disconnect(this);
        socket->deleteLater();
        attempt_ = nullptr;
        linkClosed(Refusal::None);
    });
    socket->connectToHost(host_, port_);
}

void GuestSession::take(const Message& message) {
    const PhaseVerdict verdict = judgeHostMessage(kindOf(message), welcomed_);
    if (verdict.verdict != Verdict::Take)
        return finish(ending(SessionEnd::Why::Broken, verdict.reason));
    if (const auto* refused = std::get_if<Refused>(&message)) {
        if (refused->reason == Refusal::SeatTaken)
            return;  // this very guest came back on another connection
        // Others crowding the host's door, perhaps on purpose, must not end a game this guest
        // is coming back to: the host closes this try, and the next follows.
        if (refused->reason == Refusal::TooManyGreetings && state_ == State::Rejoining)
            return;
        SessionEnd end = ending(SessionEnd::Why::Refused, refused->reason);
        end.hostProgram = refused->program;
        end.hostProtocol = refused->protocol;
        return finish(end);
    }
    if (const auto* leaving = std::get_if<HostLeaving>(&message))
        return finish(ending(SessionEnd::Why::HostLeft, Refusal::None, leaving->reason));
    if (const auto* welcome = std::get_if<Welcome>(&message)) {
        welcomed_ = true;
        token_ = welcome->token;
        lobby_.yourSeat = welcome->seat;
        if (state_ == State::Connecting)
            state_ = State::Lobby;
        return emit welcomed(welcome->seat);
    }
    if (const auto* lobby = std::get_if<LobbySeats>(&message)) {
        lobby_ = *lobby;
        return emit lobbyChanged();
    }
    if (std::holds_alternative<Start>(message)) {
        state_ = State::Playing;
        return emit started();
    }
    if (state_ == State::Playing)
        emit received(message);
}

void GuestSession::send(const Message& message) {
    if (state_ == State::Playing && connection_)
        connection_->send(message);
}

void GuestSession::leave() {
    if (state_ == State::Ended || state_ == State::Idle)
        return;
    if (connection_)
        connection_->send(Leave{});
    finish(ending(SessionEnd::Why::Left));
}

// A link lost in the game is taken up again while the host keeps the seat; before the game,
// or once the host has refused, there is nothing to come back to.
void GuestSession::linkClosed(Refusal reason) {
    if (state_ == State::Ended)
        return;
    if (reason != Refusal::None && reason != Refusal::Silent)
        return finish(ending(SessionEnd::Why::Broken, reason));
    if (state_ != State::Playing && state_ != State::Rejoining)
        return finish(ending(SessionEnd::Why::Lost, reason));
    if (state_ == State::Playing) {
        state_ = State::Rejoining;
        lostSince_.start();
        lastTry_.invalidate();
        emit rejoining();
    }
}

// One try at a time, the first at once, the others a retry interval apart.
void GuestSession::retry() {
    if (lostSince_.elapsed() > timing_.rejoinWindowMs)
        return finish(ending(SessionEnd::Why::Lost));
    if (attempt_ || (connection_ && connection_->isOpen()))
        return;
    if (!lastTry_.isValid() || lastTry_.elapsed() >= timing_.rejoinRetryMs)
        connectToHost();
}

void GuestSession::finish(SessionEnd end) {
    if (state_ == State::Ended)
        return;
    state_ = State::Ended;
    watch_.stop();
    if (attempt_)
        attempt_->abort();
    if (connection_)
        connection_->close(Refusal::None, QStringLiteral("left"));
    emit ended(end);
}

void GuestSession::breakLink() {
    if (auto* socket = connection_ ? connection_->findChild<QTcpSocket*>() : nullptr)
        socket->abort();
}

}  // namespace zanfel::net
