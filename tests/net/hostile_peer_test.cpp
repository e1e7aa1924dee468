// SPDX-License-Identifier: GPL-3.0-or-later
// Two honest guests beside: bad input refused with its exact reason, host within limits, every card kept.
#include <QCborArray>
#include <QSignalSpy>

#include "net_test_support.h"

namespace zanfel::net::testing {

namespace {

// Bursts below the defaults: a host must hold its guests to the limits it was given.
constexpr int kBurstOfMoves = kMoveBurst / 3, kBurstOfMessages = kMessageBurst / 3;

class HostilePeer : public NetTable {
protected:
    // Seats are kept, and honest guests keep coming back, for as long as the test runs.
    HostilePeer()
        : NetTable(
              {400, 100, 600, 60000, kBurstOfMoves, kMovesPerSecond, kBurstOfMessages, kMessagesPerSecond},
              {600, 60000, 50}) {
        join("Ann");
        join("Bo");
        comeBack(hello("Mal"));
    }

    // A new connection to the host that greets with `greeting`; `welcome` is the answer, its token kept.
    void comeBack(const Hello& greeting) {
        mal = std::make_unique<RawPeer>(host.port());
        mal->send(greeting);
        welcome = mal->next<Welcome>();
        token = welcome ? welcome->token : QByteArray();
    }
    RawPeer& seated() {
        comeBack(hello("Mal", token));
        EXPECT_TRUE(welcome);
        return *mal;
    }
    // After `act`, the host closes the connection and logs exactly one refusal more for this reason.
    void expectClosed(const char* what, Refusal reason, const std::function<void()>& act) {
        const int before = host.log().total(reason);
        act();
        EXPECT_TRUE(mal->closedByHost()) << what;
        EXPECT_TRUE(eventually([&] { return host.log().total(reason) == before + 1; })) << what;
        expectBounded(what);
    }
    // Whatever the peers did: an honest guest plays on, everyone agreeing, every card where it should be.
    void expectBounded(const char* what) {
        const HostLoad load = host.load();
        EXPECT_LE(load.largestUnread, kReadBufferBytes) << what;
        EXPECT_LE(load.largestInbox, kMaxInbox) << what;
        EXPECT_LE(load.logEntries, kLogEntries) << what;
        if (!host.started())
            return;
        playOnce(*guests[++turn % guests.size()]->game);
        EXPECT_TRUE(agreedSoon()) << what;
        EXPECT_TRUE(allCardsThere() || !window.announced.empty()) << what;
    }

    QByteArray token;
    std::size_t turn = 0;
    std::unique_ptr<RawPeer> mal;
    std::optional<Welcome> welcome;
};

TEST_F(HostilePeer, InTheLobbyAMoveClosesAFourthIsTurnedAwayTheHostMovesAndRemoves) {
    RawPeer fourth(host.port());
    fourth.send(hello("Di"));
    EXPECT_EQ(fourth.next(), Message(Refused{Refusal::TableFull, "2.0", kProtocolVersion}));
    host.moveGuest(3, 1);  // Mal, to Ann's seat
    expectClosed("a move in the lobby", Refusal::WrongPhase, [this] { mal->send(DeckClick{1}); });
    comeBack(hello("Mal"));
    expectClosed("removed", Refusal::Removed, [this] { host.removeGuest(1); });
}

TEST_F(HostilePeer, EveryKindOfBadInputIsRefusedWithItsReasonAndTheHandEndsNormally) {
    const QByteArray givenUp = token;  // left in the lobby and joined again: a new token
    mal->send(Leave{});
    ASSERT_TRUE(eventually([this] { return host.guestCount() == 2; }));
    EXPECT_EQ(host.log().entries().back().detail, "left");  // not a broken link
    comeBack(hello("Mal"));
    startAndDeal();
    // Back on a new connection while the one it greeted with is still open: that one is told why it ends.
    const std::unique_ptr<RawPeer> first = std::move(mal);
    seated();
    EXPECT_EQ(first->next<Refused>(), (Refused{Refusal::SeatTaken, "2.0", kProtocolVersion}));
    // Bytes no program of ours sends, seated or on a new connection (each decoder reason: message_test.cpp).
    const struct {
        const char* what;
        bool seated;
        QByteArray bytes;
        Refusal refusal;
    } rows[] = {
        {"a frame larger than any message", true, QByteArray::fromHex("ffff") + QByteArray(100, 'x'),
         Refusal::TooLarge},
        // Moves never name a seat: slot 6 would be the next seat's first pile in the host's numbering.
        {"another seat's pile", true,
         framed(QCborValue(QCborArray{kindOf<DropOnFoundation>(), 1, 6, 0}).toCbor()), Refusal::OutOfRange},
        {"a greeting during the hand", true, frameOf(hello("Mal")), Refusal::WrongPhase},
        {"a host's message claiming a seat", true,
         frameOf(Welcome{1, QByteArray(kTokenBytes, 'w'), "2.0", 1, false}), Refusal::WrongDirection},
        {"a flood of messages", true, frameOf(Pong{1}).repeated(kReadBufferBytes), Refusal::Flooding},
        {"no answer to pings", true, {}, Refusal::Silent},
        {"another protocol", false, frameOf(Hello{"9.0", kProtocolVersion + 1, "Mal", {}}),
         Refusal::IncompatibleVersion},
        {"a new guest once the game is on", false, frameOf(hello("Eve")), Refusal::GameStarted},
        {"a token from a seat given up", false, frameOf(hello("Mal", givenUp)), Refusal::UnknownToken},
        {"a move before greeting", false, frameOf(DeckClick{1}), Refusal::WrongPhase},
        {"half a greeting", false, frameOf(hello("Mal")).first(9), Refusal::GreetingTimeout},
    };
    for (const auto& row : rows) {
        expectClosed(row.what, row.refusal, [&] {
            if (row.seated)
                seated();
            else
                mal = std::make_unique<RawPeer>(host.port());
            mal->sendBytes(row.bytes);
        });
    }

    // Moves refused while the guest stays: beyond any person's pace, then at a person's pace, the rules'.
    seated();
    int limited = 0;
    for (int seq = 0; seq < kBurstOfMoves + 20; ++seq)
        mal->send(DropOnStack{seq, kFirstWorkSlot, kStockSlot});
    for (int seq = 0; seq < kBurstOfMoves + 20; ++seq)
        limited += mal->next<MoveAnswer>().value_or(MoveAnswer{}).reason == Refusal::RateLimited;
    EXPECT_GE(limited, 10);
    QTest::qWait(200);
    mal->send(DropOnStack{5, kFirstWorkSlot, kStockSlot});
    EXPECT_EQ(mal->next<MoveAnswer>(), (MoveAnswer{5, false, Refusal::Rules})) << "onto its own stock";
    expectBounded("moves too fast");

    // A guest that stops reading is dropped once what waits for it passes the cap.
    {
        seated().socket.setReadBufferSize(1);  // past its welcome, it reads no more, yet answers pings blind
        qint64 mostQueued = 0;
        QElapsedTimer sinceAnswer;
        sinceAnswer.start();
        for (int i = 0; i < 100000 && host.log().total(Refusal::OutgoingQueueFull) == 0; ++i) {
            game.pauseCommand();  // each time, every guest is told the controls anew
            QCoreApplication::processEvents();
            mostQueued = std::max(mostQueued, host.load().largestQueue);
            if (sinceAnswer.hasExpired(200)) {
                mal->send(Pong{0});
                sinceAnswer.restart();
            }
        }
        if (game.controls().pauseChecked)
            game.pauseCommand();
        EXPECT_EQ(host.log().total(Refusal::OutgoingQueueFull), 1);
        EXPECT_LE(mostQueued, kMaxOutgoingBytes);
    }
    expectBounded("a guest that stops reading");

    // A thousand idle connections: few ever held; an honest guest cut meanwhile is turned away, keeps trying.
    const auto turnedAway = [this] {
        return host.log().total(Refusal::TooManyGreetings) + host.log().total(Refusal::GreetingTimeout);
    };
    const int turnedAwayBefore = turnedAway();
    std::vector<std::unique_ptr<QTcpSocket>> crowd;
    int mostHeld = 0;
    const QSignalSpy rejoins(guests[0]->session.get(), &GuestSession::rejoining);
    for (int i = 0; i < 1000; ++i) {
        crowd.push_back(std::make_unique<QTcpSocket>());
        crowd.back()->connectToHost(QHostAddress::LocalHost, host.port());
        if (i == 100)
            guests[0]->session->breakLink();
        if (i % 25 == 24) {
            QTest::qWait(2);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // those refused
            mostHeld = std::max(mostHeld, host.load().connections);
        }
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return turnedAway() - turnedAwayBefore >= 1000; }, 20000));
    EXPECT_LE(mostHeld, 2 + kMaxPendingGreetings);  // the honest guests', and those greeting
    ASSERT_TRUE(eventually([this] { return host.load().connections == 2; }));  // the honest guests'
    EXPECT_EQ(rejoins.count(), 1);
    crowd.clear();
    expectBounded("a thousand connections");

    // The honest players finish the hand; a move that crosses its end is refused, the guest staying.
    for (int round = 0; round < 300 && window.announced.empty(); ++round) {
        playOnce(game);
        expectBounded("the hand played on");
    }
    ASSERT_EQ(window.announced.size(), 1u);
    seated().send(DeckClick{9});
    EXPECT_EQ(mal->next<MoveAnswer>(), (MoveAnswer{9, false, Refusal::WrongPhase}));
}

}  // namespace
}  // namespace zanfel::net::testing
