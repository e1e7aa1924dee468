// SPDX-License-Identifier: GPL-3.0-or-later
// A host and its guests in one process over the loopback interface: whole hands, contested
// foundations, a guest lost and back, the host leaving, and greetings to refuse.
#include <QFile>

#include "faulty_link.h"
#include "net_test_support.h"

namespace zanfel::net::testing {

namespace {

using zanfel::testing::S;

// ZANFEL_NET_CORPUS=DIR keeps what went each way as seeds for the network fuzzer: its first
// byte gives the guests' streams to the host in a hand, the host's to the one in the lobby.
void keepForFuzzer(const std::vector<std::unique_ptr<FaultyLink>>& links) {
    const QString dir = qEnvironmentVariable("ZANFEL_NET_CORPUS");
    for (std::size_t i = 0; i < links.size() && !dir.isEmpty(); ++i) {
        QFile guest(QStringLiteral("%1/game_guest%2").arg(dir).arg(i));
        QFile host(QStringLiteral("%1/game_host%2").arg(dir).arg(i));
        EXPECT_TRUE(guest.open(QIODevice::WriteOnly) && host.open(QIODevice::WriteOnly));
        guest.write('\x5f' + links[i]->towardHost());
        host.write('\x1f' + links[i]->towardGuest());
    }
}

// Every seat a person's: the host and three guests race with identical decks, so they keep
// reaching for the same foundations.
TEST_F(NetTable, ThreeGuestsPlayAHandToTheEndAndEveryScreenAgreesAfterEveryMove) {
    std::vector<std::unique_ptr<FaultyLink>> links;
    for (const char* name : {"Ann", "Bo", "Cy"}) {
        links.push_back(std::make_unique<FaultyLink>(host.port()));
        join(QString::fromLatin1(name), links.back()->port());
    }
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
    keepForFuzzer(links);
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
    FaultyLink link(host.port());
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
    const QByteArray boToken = bo.session->token();
    bo.session->leave();
    ASSERT_TRUE(eventually([&] { return game.seats()[bo.game->seat()].kind == SeatKind::Computer; }));
    QTest::qWait(700);  // past the window in which the seat is kept
    RawPeer late(host.port());
    late.send(hello(QStringLiteral("Bo"), boToken));
    EXPECT_EQ(late.next(), Message(Refused{Refusal::UnknownToken, "2.0", kProtocolVersion}));
}

TEST_F(NetTable, TheHostSeatsGuestsByTheirCleanedNamesAndMovesAndRemovesThemInTheLobby) {
    join(QString::fromUtf8("\u202eAn\tn"));
    join(QStringLiteral("Bo"));
    join(QStringLiteral("Cy"));
    EXPECT_EQ(host.seats()[1].name, "Ann");  // plain text, as every screen shows it
    EXPECT_TRUE(host.moveGuest(1, 3));
    EXPECT_TRUE(
        eventually([this] { return guests[0]->session->seat() == 3 && guests[2]->session->seat() == 1; }));
    EXPECT_TRUE(host.removeGuest(2));
    EXPECT_TRUE(eventually([this] { return guests[1]->session->state() == GuestSession::State::Ended; }));
    EXPECT_EQ(host.log().count(Refusal::Removed), 1);
}

}  // namespace
}  // namespace zanfel::net::testing
