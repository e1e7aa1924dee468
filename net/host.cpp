// SPDX-License-Identifier: GPL-3.0-or-later
#include "host.h"

#include <QRandomGenerator>
#include <algorithm>

#include "program_version.h"

namespace zanfel::net {

namespace {

// From the system's random source, never the shuffle's: nobody can work a token out.
QByteArray newToken() {
    std::array<quint32, kTokenBytes / sizeof(quint32)> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.data()), kTokenBytes);
}

// Compares every byte whatever the first difference, so the time taken tells nothing.
bool sameToken(const QByteArray& given, const QByteArray& kept) {
    if (given.size() != kTokenBytes || kept.size() != kTokenBytes)
        return false;
    unsigned difference = 0;
    auto keptByte = kept.cbegin();
    for (const char givenByte : given)
        difference |= static_cast<unsigned char>(givenByte ^ *keptByte++);
    return difference == 0;
}

int seqOf(const Message& move) {
    return std::visit(
        [](const auto& m) {
            if constexpr (requires { m.seq; })
                return m.seq;
            else
                return -1;
        },
        move);
}

}  // namespace

Host::Host(Game& game, TableView& window, const QString& name, HostLimits limits, QObject* parent)
    : QObject(parent), game_(game), window_(window), view_(window, *this), limits_(limits), name_(name) {
    for (int seat = 1; seat < kPlayers; ++seat)
        seats_[seat].feed = GuestFeed(seat);
    connect(&server_, &QTcpServer::newConnection, this, &Host::accept);
    heartbeat_.setInterval(limits_.pingIntervalMs);
    connect(&heartbeat_, &QTimer::timeout, this, &Host::beat);
    heartbeat_.start();
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(0);
    connect(&flushTimer_, &QTimer::timeout, this, &Host::flush);
    clock_.start();
}

// The guests are told first; the connections go after this object, and must not reach it.
Host::~Host() {
    leave(LeavingReason::Quit);
    for (QObject* child : children())
        child->disconnect(this);
}

bool Host::listen(const QHostAddress& address, quint16 port) {
    return server_.listen(address, port);
}

Seats Host::seats() const {
    if (started_)
        return game_.seats();
    Seats seats = aloneSeats();
    seats[kHuman].name = name_.toStdString();
    for (int seat = 1; seat < kPlayers; ++seat)
        if (seats_[seat].connection)
            seats[seat] = Seat{SeatKind::Elsewhere, seats_[seat].name.toStdString()};
    return seats;
}

int Host::guestCount() const {
    return static_cast<int>(
        std::ranges::count_if(seats_, [](const GuestSeat& g) { return !g.connection.isNull(); }));
}

void Host::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++accepted_;
        auto* connection = new Connection(socket, Connection::End::Host, this);
        connect(connection, &Connection::received, this, [this, connection](const Message& message) {
            for (int seat = 1; seat < kPlayers; ++seat)
                if (seats_[seat].connection == connection)
                    return serve(seat, message);
            if (isGreeting(connection))
                greet(connection, message);
        });
        connect(connection, &Connection::closed, this,
                [this, connection](Refusal reason, const QString& detail) {
                    if (reason != Refusal::None)
                        log_.add({connection->peer(), reason, detail});
                    std::erase(greeting_, connection);
                    for (int seat = 1; seat < kPlayers && !left_; ++seat)
                        if (seats_[seat].connection == connection)
                            away(seat, reason, detail);
                    connection->deleteLater();
                });
        std::erase_if(greeting_, [](const QPointer<Connection>& pending) { return pending.isNull(); });
        if (greeting_.size() >= static_cast<std::size_t>(kMaxPendingGreetings)) {
            refuse(connection, Refusal::TooManyGreetings);
            continue;
        }
        greeting_.push_back(connection);
        QTimer::singleShot(limits_.greetingTimeoutMs, connection, [this, connection] {
            if (isGreeting(connection))
                refuse(connection, Refusal::GreetingTimeout);
        });
    }
}

bool Host::isGreeting(const Connection* connection) const {
    return std::ranges::any_of(greeting_,
                               [connection](const QPointer<Connection>& c) { return c == connection; });
}

void Host::forget(int seat) {
    seats_[seat] = GuestSeat{};
    seats_[seat].feed = GuestFeed(seat);
}

void Host::refuse(Connection* connection, Refusal reason, const QString& detail) {
    connection->send(Refused{reason, programVersion(), kProtocolVersion});
    connection->close(reason, detail);
}

// A guest is seated by its greeting alone: a new one in the lobby, one with its token in
// the seat it held, and nobody else.
void Host::greet(Connection* connection, const Message& message) {
    const PhaseVerdict verdict = judgeGuestMessage(kindOf(message), Phase::Greeting);
    if (verdict.verdict != Verdict::Take)
        return refuse(connection, verdict.reason);
    const Hello& hello = std::get<Hello>(message);
    if (hello.protocol != kProtocolVersion)
        return refuse(connection, Refusal::IncompatibleVersion,
                      QStringLiteral("guest %1, protocol %2").arg(hello.program).arg(hello.protocol));
    if (!hello.token.isEmpty() && started_) {
        const int held = seatHolding(hello.token);
        if (held > 0)
            return seat(connection, held, hello, true);
        return refuse(connection, Refusal::UnknownToken);
    }
    if (started_)
        return refuse(connection, Refusal::GameStarted);
    for (int free = 1; free < kPlayers; ++free)
        if (!seats_[free].held)
            return seat(connection, free, hello, false);
    refuse(connection, Refusal::TableFull);
}

int Host::seatHolding(const QByteArray& token) const {
    for (int seat = 1; seat < kPlayers; ++seat) {
        const GuestSeat& guest = seats_[seat];
        const bool kept = guest.connection || guest.awaySince.elapsed() <= limits_.rejoinWindowMs;
        if (guest.held && kept && sameToken(token, guest.token))
            return seat;
    }
    return 0;
}

void Host::seat(Connection* connection, int seat, const Hello& hello, bool rejoined) {
    std::erase(greeting_, connection);
    GuestSeat& guest = seats_[seat];
    if (Connection* old = std::exchange(guest.connection, nullptr)) {
        old->send(Refused{Refusal::SeatTaken, programVersion(), kProtocolVersion});
        old->close(Refusal::SeatTaken);
    }
    if (!rejoined) {
        guest.name = hello.name;
        guest.token = newToken();
    }
    guest.held = true;
    guest.connection = connection;
    guest.awaySince.invalidate();
    guest.moves = RateBucket(limits_.moveBurst, limits_.movesPerSecond);
    guest.messages = RateBucket(limits_.messageBurst, limits_.messagesPerSecond);
    guest.feed.restart();
    connection->send(Welcome{seat, guest.token, programVersion(), kProtocolVersion, rejoined});
    if (started_)
        game_.setSeat(seat, Seat{SeatKind::Elsewhere, guest.name.toStdString()});
    tellSeats();
    if (started_)
        bringUpToDate(seat);
    emit seatsChanged();
}

// A guest that joins mid-game learns the score sheet so far, then the table as it stands.
void Host::bringUpToDate(int seat) {
    Connection* connection = seats_[seat].connection;
    connection->send(Start{});
    const int hands = game_.scoreSheet().handsListed;
    for (int first = 1; first <= hands; first += kSheetRowsPerMessage) {
        ScoreHistory history{first, {}, {}};
        for (int hand = first; hand <= hands && hand < first + kSheetRowsPerMessage; ++hand)
            for (int score : game_.handScores().row(hand))
                history.rows.push_back(score);
        history.totals.assign(game_.scoreSheet().totals.begin(), game_.scoreSheet().totals.end());
        connection->send(history);
    }
    flush();
}

void Host::tellSeats() {
    const Seats seated = seats();
    LobbySeats lobby{0, started_, {}, {}};
    std::ranges::transform(seated, lobby.kinds.begin(),
                           [](const Seat& seat) { return static_cast<int>(seat.kind); });
    std::ranges::transform(seated, lobby.names.begin(),
                           [](const Seat& seat) { return QString::fromStdString(seat.name); });
    for (int seat = 1; seat < kPlayers; ++seat) {
        if (!seats_[seat].connection)
            continue;
        lobby.yourSeat = seat;
        seats_[seat].connection->send(lobby);
    }
}

// Every message is checked for its moment first; a move is then checked for pace, and last
// by the rules, on the sender's own seat.
void Host::serve(int seat, const Message& message) {
    GuestSeat& guest = seats_[seat];
    if (!guest.messages.take(clock_.elapsed()))
        return guest.connection->close(Refusal::Flooding);
    const PhaseVerdict verdict = judgeGuestMessage(kindOf(message), phase());
    if (verdict.verdict == Verdict::Close)
        return refuse(guest.connection, verdict.reason);
    if (verdict.verdict == Verdict::Refuse)
        return answer(seat, message, false, verdict.reason);
    if (std::holds_alternative<Leave>(message))
        return guest.connection->close(Refusal::None, QStringLiteral("left"));
    if (!isMoveKind(kindOf(message)))
        return;
    if (!guest.moves.take(clock_.elapsed())) {
        log_.add({who(seat), Refusal::RateLimited, {}});
        return answer(seat, message, false, Refusal::RateLimited);
    }
    const bool made = play(seat, message);
    answer(seat, message, made, made ? Refusal::None : Refusal::Rules);
}

bool Host::play(int seat, const Message& message) {
    if (const auto* move = std::get_if<DropOnFoundation>(&message))
        return game_.dropOnFoundation(seat, move->slot, move->foundation);
    if (const auto* move = std::get_if<DropOnStack>(&message))
        return game_.dropOnStack(seat, move->slot, move->target);
    if (const auto* move = std::get_if<DoubleClick>(&message))
        return game_.playToFoundation(seat, move->slot);
    if (std::holds_alternative<DeckClick>(message))
        return game_.deckClicked(seat);
    return game_.askNoOneCanPlay(seat);
}

// The move's effect reaches the guest before the answer, so its card never flickers back. The
// move may have ended the hand through modal windows: the guest may have gone meanwhile.
void Host::answer(int seat, const Message& move, bool accepted, Refusal reason) {
    flush();
    const int seq = seqOf(move);
    if (seq >= 0 && seats_[seat].connection)
        seats_[seat].connection->send(MoveAnswer{seq, accepted, reason});
}

void Host::away(int seat, Refusal reason, const QString& detail) {
    GuestSeat& guest = seats_[seat];
    guest.connection = nullptr;
    if (started_) {
        guest.awaySince.start();
        game_.setSeat(seat, Seat{});
    } else {
        guest.held = false;
        guest.token.clear();
    }
    if (reason == Refusal::None)
        log_.add({who(seat), reason, detail.isEmpty() ? QStringLiteral("gone") : detail});
    tellSeats();
    flushSoon();
    emit seatsChanged();
}

void Host::beat() {
    const Ping ping{static_cast<int>(clock_.elapsed() & 0xffff)};
    for (int seat = 1; seat < kPlayers; ++seat) {
        GuestSeat& guest = seats_[seat];
        if (guest.connection && guest.connection->silentForMs() > limits_.silenceLimitMs)
            guest.connection->close(Refusal::Silent);
        else if (guest.connection)
            guest.connection->send(ping);
        else if (guest.held && guest.awaySince.isValid() &&
                 guest.awaySince.elapsed() > limits_.rejoinWindowMs)
            forget(seat);  // the seat is the computer player's for good
    }
}

bool Host::moveGuest(int from, int to) {
    if (started_ || from == to || from < 1 || to < 1 || from >= kPlayers || to >= kPlayers ||
        !seats_[from].connection)
        return false;
    GuestSeat& a = seats_[from];
    GuestSeat& b = seats_[to];
    std::swap(a.connection, b.connection);
    std::swap(a.name, b.name);
    std::swap(a.token, b.token);
    std::swap(a.held, b.held);
    tellSeats();
    emit seatsChanged();
    return true;
}

bool Host::removeGuest(int seat) {
    if (started_ || seat < 1 || seat >= kPlayers || !seats_[seat].connection)
        return false;
    refuse(seats_[seat].connection, Refusal::Removed);
    return true;
}

void Host::start() {
    if (started_ || left_)
        return;
    started_ = true;
    game_.setView(view_);
    game_.setSeat(kHuman, Seat{SeatKind::Here, name_.toStdString()});
    for (int seat = 1; seat < kPlayers; ++seat) {
        GuestSeat& guest = seats_[seat];
        if (guest.connection)
            game_.setSeat(seat, Seat{SeatKind::Elsewhere, guest.name.toStdString()});
        guest.feed.restart();
    }
    game_.newGameCommand();
    tellSeats();
    sendAll(Start{});
    flush();
    emit seatsChanged();
}

void Host::leave(LeavingReason reason) {
    if (left_)
        return;
    flush();
    left_ = true;
    sendAll(HostLeaving{reason});
    for (GuestSeat& guest : seats_)
        if (Connection* connection = std::exchange(guest.connection, nullptr))
            connection->close(Refusal::None, QStringLiteral("host left"));
    for (const QPointer<Connection>& connection : std::exchange(greeting_, {}))
        if (connection)
            connection->close(Refusal::None, QStringLiteral("host left"));
    server_.close();
    heartbeat_.stop();
    if (!started_)
        return;
    game_.setView(window_);
    for (int seat = 1; seat < kPlayers; ++seat)
        game_.setSeat(seat, Seat{});
    game_.setSeat(kHuman, aloneSeats()[kHuman]);
}

HostLoad Host::load() const {
    HostLoad load;
    load.accepted = accepted_;
    load.greeting = static_cast<int>(greeting_.size());
    load.logEntries = static_cast<int>(log_.entries().size());
    for (const Connection* connection : findChildren<Connection*>(Qt::FindDirectChildrenOnly)) {
        ++load.connections;
        load.largestQueue = std::max(load.largestQueue, connection->queuedBytes());
        load.largestUnread = std::max(load.largestUnread, connection->unreadBytes());
        load.largestInbox = std::max(load.largestInbox, connection->inboxSize());
    }
    return load;
}

Phase Host::phase() const {
    if (!started_)
        return Phase::Lobby;
    return game_.controls().pauseEnabled ? Phase::InHand : Phase::BetweenHands;
}

QString Host::who(int seat) const {
    const GuestSeat& guest = seats_[seat];
    return QStringLiteral("seat %1 (%2)").arg(seat).arg(guest.name);
}

void Host::sendAll(const Message& message) {
    for (GuestSeat& guest : seats_)
        if (guest.connection)
            guest.connection->send(message);
}

void Host::flushSoon() {
    if (!flushTimer_.isActive())
        flushTimer_.start();
}

void Host::flush() {
    flushTimer_.stop();
    if (!started_ || left_)
        return;
    for (GuestSeat& guest : seats_)
        if (guest.connection)
            for (const Message& message : guest.feed.take(game_))
                guest.connection->send(message);
}

void Host::noteMove(PileImage from, PileImage to) {
    for (GuestSeat& guest : seats_)
        if (guest.connection)
            guest.feed.noteMove(from, to);
    flushSoon();
}

void Host::wentOut(int player) {
    flush();
    sendAll(WentOut{player});
}

void Host::handScored(const HandResult& hand) {
    flush();
    const GameOutcome outcome = judgeTotals(hand.totals);
    sendAll(HandScored{game_.handNumber(),
                       {hand.scores.begin(), hand.scores.end()},
                       {hand.totals.begin(), hand.totals.end()},
                       hand.wentOut,
                       hand.level,
                       outcome.over,
                       outcome.tie,
                       outcome.leader});
}

void Host::hostEnding() {
    leave(LeavingReason::Quit);
}

}  // namespace zanfel::net
