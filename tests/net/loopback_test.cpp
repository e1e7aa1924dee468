// SPDX-License-Identifier: GPL-3.0-or-later
// A host and its guests in one process over the loopback interface: whole hands, contested
// foundations, a guest lost and back, the host leaving, and greetings and input to refuse.
#include "net_test_support.h"

namespace zanfel::net::testing {

namespace {

using zanfel::testing::S;

// Plays the first card the rules take onto a foundation, or turns the stock.
void playOnce(GameFront& front) {
    for (int slot = kPersonalSlot; slot >= kStockSlot; --slot) {
        const PlacesTaking places = front.placesTaking(slot);
        for (int j = 0; j < kFoundations; ++j) {
            if (places.foundation[j]) {
                front.dropOnFoundation(slot, j);
                return;
            }
        }
    }
    front.deckClicked();
}

// Every seat a person's: the host and three guests race with identical decks, so they keep
// reaching for the same foundations.
TEST_F(NetTable, ThreeGuestsPlayAHandToTheEndAndEveryScreenAgreesAfterEveryMove) {
    for (const char* name : {"Ann", "Bo", "Cy"})
        join(QString::fromLatin1(name));
    startAndDeal();
    for (int round = 0; round < 200 && window.announced.empty(); ++round) {
        for (auto& guest : guests)
            playOnce(*guest->game);
        playOnce(game);
        ASSERT_TRUE(eventually([this] { return agreed() || !window.announced.empty(); })) << round;
        ASSERT_TRUE(!window.announced.empty() || allCardsThere()) << round;
    }
    ASSERT_EQ(window.announced.size(), 1u);
    const int out = window.announced.front();
    for (auto& guest : guests) {
        ASSERT_TRUE(eventually([&] { return guest->screen.recorded.size() == 1; }));
        const int seat = guest->game->seat();
        EXPECT_EQ(guest->screen.announced, std::vector{localPlayer(seat, out)});
        const HandResult& hand = guest->screen.recorded.front();
        EXPECT_EQ(hand.wentOut, localPlayer(seat, out));
        EXPECT_EQ(hand.scores[kHuman], game.handScores().row(1)[seat]);
        EXPECT_TRUE(hand.handWithPeopleElsewhere);
    }
    EXPECT_TRUE(eventually([this] { return agreed(); }));  // the table is cleared for the next deal
}

// Both guests' aces of spades lie on work pile 1 and both play them to foundation 0 at once: the
// first to reach the host lands, the other goes back, and no card is lost or made twice.
TEST_F(NetTable, TwoGuestsDroppingOnOneFoundationAtOnceOneWinsAndTheOtherCardGoesBack) {
    Guest& ann = join(QStringLiteral("Ann"));
    Guest& bo = join(QStringLiteral("Bo"));
    startAndDeal();
    ann.game->dropOnFoundation(1, 0);
    bo.game->dropOnFoundation(1, 0);
    EXPECT_EQ(ann.screen.shown[flatIndex({ImageKind::Foundation, 0})],
              of(1, S));  // each sees its own at once
    EXPECT_EQ(bo.screen.shown[flatIndex({ImageKind::Stack, 1})], kNoCard);
    ASSERT_TRUE(eventually([this] { return agreed(); }));
    EXPECT_EQ(game.table().pileTop[0], of(1, S));
    const int landed =
        game.table().pileOf(ann.game->seat(), 1).empty() + game.table().pileOf(bo.game->seat(), 1).empty();
    EXPECT_EQ(landed, 1);
    EXPECT_TRUE(allCardsThere());
}

// The host ticks while the guest is away: its seat's computer player moves its cards meanwhile.
TEST_F(NetTable, ALostGuestIsPlayedByTheComputerAndTakesItsSeatBackWithItsToken) {
    CuttableLink link(host.port());
    Guest& ann = join(QStringLiteral("Ann"), link.port());
    Guest& bo = join(QStringLiteral("Bo"));
    startAndDeal();
    const int seat = ann.game->seat();
    link.cut();
    ASSERT_TRUE(eventually([&] { return game.seats()[seat].kind == SeatKind::Computer; }));
    for (int tick = 0; tick < 3; ++tick)  // left, right, then this seat: its ace of diamonds goes up
        game.tick();
    EXPECT_TRUE(game.table().pileOf(seat, 4).empty());
    ASSERT_TRUE(eventually([&] { return game.seats()[seat] == Seat{SeatKind::Elsewhere, "Ann"}; }));
    EXPECT_TRUE(eventually([this] { return agreed(); }));  // back, it sees the table as it now is
    RawPeer stranger(host.port());
    stranger.send(hello(QStringLiteral("Eve"), QByteArray(kTokenBytes, 'e')));
    EXPECT_EQ(stranger.next(), Message(Refused{Refusal::UnknownToken, "2.0", kProtocolVersion}));
    const QByteArray boToken = bo.session->token();
    bo.session->leave();
    ASSERT_TRUE(eventually([&] { return game.seats()[bo.game->seat()].kind == SeatKind::Computer; }));
    QTest::qWait(700);  // past the window in which the seat is kept
    RawPeer late(host.port());
    late.send(hello(QStringLiteral("Bo"), boToken));
    EXPECT_EQ(late.next(), Message(Refused{Refusal::UnknownToken, "2.0", kProtocolVersion}));
}

TEST_F(NetTable, TheHostQuittingEndsTheGameForEveryGuestWithOneReason) {
    join(QStringLiteral("Ann"));
    join(QStringLiteral("Bo"));
    startAndDeal();
    std::vector<SessionEnd> ends;
    for (auto& guest : guests)
        QObject::connect(guest->session.get(), &GuestSession::ended,
                         [&](const SessionEnd& end) { ends.push_back(end); });
    game.exitCommand();
    ASSERT_TRUE(eventually([&] { return ends.size() == 2; }));
    for (const SessionEnd& end : ends)
        EXPECT_EQ(std::tuple(end.why, end.leaving),
                  std::tuple(SessionEnd::Why::HostLeft, LeavingReason::Quit));
    EXPECT_EQ(window.programEnds, 1);
}

TEST_F(NetTable, GreetingsThatCannotBeSeatedAreRefusedWithTheirReason) {
    RawPeer older(host.port());
    older.send(Hello{QStringLiteral("1.9"), kProtocolVersion + 1, QStringLiteral("Old"), {}});
    EXPECT_EQ(older.next(), Message(Refused{Refusal::IncompatibleVersion, "2.0", kProtocolVersion}));
    EXPECT_TRUE(older.closedByHost());
    join(QString::fromUtf8("\u202eAn\tn"));
    join(QStringLiteral("Bo"));
    join(QStringLiteral("Cy"));
    EXPECT_EQ(host.seats()[1].name, "Ann");  // plain text, as every screen shows it
    RawPeer fourth(host.port());
    fourth.send(hello(QStringLiteral("Di")));
    EXPECT_EQ(fourth.next(), Message(Refused{Refusal::TableFull, "2.0", kProtocolVersion}));
    EXPECT_TRUE(host.moveGuest(1, 3));
    EXPECT_TRUE(
        eventually([this] { return guests[0]->session->seat() == 3 && guests[2]->session->seat() == 1; }));
    EXPECT_TRUE(host.removeGuest(2));
    EXPECT_TRUE(eventually([this] { return guests[1]->session->state() == GuestSession::State::Ended; }));
    host.start();
    RawPeer late(host.port());
    late.send(hello(QStringLiteral("Di")));
    EXPECT_EQ(late.next(), Message(Refused{Refusal::GameStarted, "2.0", kProtocolVersion}));
    EXPECT_EQ(host.log().count(Refusal::Removed), 1);
}

// Each bad peer is closed with its reason in the log; the honest guest's game goes on.
TEST_F(NetTable, HostileInputClosesOnlyThatConnectionWithItsReasonLogged) {
    Guest& ann = join(QStringLiteral("Ann"));
    const struct {
        const char* what;
        QByteArray bytes;
        Refusal refusal;
    } rows[] = {
        {"a move before the start", framed(encodeMessage(DeckClick{1})), Refusal::WrongPhase},
        {"not CBOR", framed("\x1c"), Refusal::NotCbor},
        {"a frame too long", QByteArray::fromHex("ffff"), Refusal::TooLarge},
        {"a second greeting", framed(encodeMessage(hello("X"))), Refusal::WrongPhase},
        {"a host's message", framed(encodeMessage(Start{})), Refusal::WrongDirection},
    };
    for (const auto& row : rows) {
        RawPeer peer(host.port());
        peer.send(hello(QStringLiteral("Mal")));
        ASSERT_TRUE(peer.next()) << row.what;
        peer.sendBytes(row.bytes);
        EXPECT_TRUE(peer.closedByHost()) << row.what;
        EXPECT_TRUE(eventually([&] { return host.log().count(row.refusal) >= 1; })) << row.what;
    }
    EXPECT_EQ(host.log().count(Refusal::WrongPhase), 2);
    std::vector<std::unique_ptr<RawPeer>> mute;  // connected, never greeting
    for (int i = 0; i <= kMaxPendingGreetings; ++i)
        mute.push_back(std::make_unique<RawPeer>(host.port()));
    EXPECT_TRUE(eventually([&] { return host.log().count(Refusal::TooManyGreetings) == 1; }));
    EXPECT_TRUE(
        eventually([&] { return host.log().count(Refusal::GreetingTimeout) == kMaxPendingGreetings; }));
    startAndDeal();
    ann.game->dropOnFoundation(1, 0);
    EXPECT_TRUE(eventually([&] { return agreed() && game.table().pileTop[0] == of(1, S); }));
}

TEST_F(NetTable, MovesFasterThanAnyPersonAreRefusedAndAGuestThatFallsSilentIsLost) {
    join(QStringLiteral("Ann"));
    RawPeer flood(host.port());
    flood.send(hello(QStringLiteral("Flo")));
    ASSERT_TRUE(flood.next());  // welcomed
    startAndDeal();
    for (int i = 0; i < kMoveBurst + 30; ++i)
        flood.send(DeckClick{i});
    int limited = 0;
    for (std::optional<Message> m = flood.next(); m && limited < 20; m = flood.next()) {
        const auto* answer = std::get_if<MoveAnswer>(&*m);
        limited += answer && answer->reason == Refusal::RateLimited;
    }
    EXPECT_EQ(limited, 20);
    EXPECT_TRUE(flood.closedByHost());  // it never answers a ping
    EXPECT_EQ(host.log().count(Refusal::Silent), 1);
    EXPECT_TRUE(agreed());
}

}  // namespace
}  // namespace zanfel::net::testing
