// SPDX-License-Identifier: GPL-3.0-or-later
// A host and its guests in one process over loopback; and the games announced on the local network.
#include <QFile>
#include <QSignalSpy>

#include "faulty_link.h"
#include "game_announcer.h"
#include "game_finder.h"
#include "net_test_support.h"
#include "network_module.h"

namespace zanfel::net::testing {

namespace {

// ZANFEL_NET_CORPUS=DIR saves fuzzer seeds: the guests' bytes for a host in a hand, the host's for a lobby.
void keepForFuzzer(const std::vector<std::unique_ptr<FaultyLink>>& links) {
    const QString dir = qEnvironmentVariable("ZANFEL_NET_CORPUS");
    for (std::size_t i = 0; i < links.size() && !dir.isEmpty(); ++i) {
        QFile guest(QString("%1/game_guest%2").arg(dir).arg(i));
        QFile host(QString("%1/game_host%2").arg(dir).arg(i));
        EXPECT_TRUE(guest.open(QIODevice::WriteOnly) && host.open(QIODevice::WriteOnly));
        guest.write('\x5f' + links[i]->towardHost());
        host.write('\x1f' + links[i]->towardGuest());
    }
}

// Identical decks, so the host and three guests keep reaching for the same foundations.
TEST_F(NetTable, ThreeGuestsPlayAHandToTheEndAndEveryScreenAgreesAfterEveryMove) {
    std::vector<std::unique_ptr<FaultyLink>> links;
    for (const char* name : {"Ann", "Bo", "Cy"}) {
        links.push_back(std::make_unique<FaultyLink>(host.port()));
        join(name, links.back()->port());
    }
    startAndDeal();
    guests[0]->game->scoreCommand();  // no hand on the sheet yet
    // Cy's sheet stands open at the hand's end till the next deal closes it; what it held back shows after.
    Guest& cy = *guests[2];
    cy.screen.whileSheetOpen = [&] {
        game.dealCommand();
        EXPECT_TRUE(eventually([&] { return cy.screen.sheetHides == 1; }));
    };
    for (int round = 0; round < 200 && window.announced.empty(); ++round) {
        for (auto& guest : guests)
            playOnce(*guest->game);
        playOnce(game);
        ASSERT_TRUE(eventually([this] { return agreed() || !window.announced.empty(); })) << round;
    }
    ASSERT_EQ(window.announced.size(), 1u);
    const int out = window.announced.front();
    for (auto& guest : guests) {
        ASSERT_TRUE(eventually([&] { return guest->screen.recorded.size() == 1; }));
        const int seat = guest->game->seat();
        EXPECT_EQ(guest->screen.announced, std::vector{localPlayer(seat, out)});
        const HandResult& hand = guest->screen.recorded.front();
        EXPECT_EQ(hand.wentOut, localPlayer(seat, out));
        for (int player = 0; player < kPlayers; ++player)  // every column, seen from the guest's seat
            EXPECT_EQ(hand.scores[localPlayer(seat, player)], game.handScores().row(1)[player]);
        EXPECT_TRUE(hand.handWithPeopleElsewhere);
        guest->game->scoreCommand();
        EXPECT_EQ(guest->screen.sheetsShown.size(), 2u);  // the hand's end and Score; not Ann's before it
    }
    EXPECT_TRUE(eventually([&] { return agreed() && cy.game->controls().hint == game.controls().hint; }));
    keepForFuzzer(links);
}

// Ann sends AD, 2S to its place, AH onto 2S, and AS as the host plays AS and computers move: hers flies back.
TEST_F(NetTable, EachAnswerSettlesItsOwnMoveAndEveryMoveOfAnotherShowsMoving) {
    Guest& ann = join("Ann");
    startAndDeal();
    EXPECT_FALSE(ann.game->playToFoundation(kPersonalSlot));  // her two fits no foundation: refused here
    EXPECT_FALSE(ann.game->dropOnStack(2, kPersonalSlot));    // her ace of hearts: only work piles take it
    EXPECT_FALSE(ann.game->dropOnFoundation(kSlotsPerPlayer + 1, 0));  // the next seat's ace
    ASSERT_TRUE(ann.game->dropOnFoundation(4, 15));
    ASSERT_TRUE(ann.game->dropOnStack(kPersonalSlot, 4));
    ASSERT_TRUE(ann.game->dropOnStack(2, 4));
    EXPECT_EQ(ann.game->controls().counts[4], 2);  // at once: her two, and the ace on it
    EXPECT_EQ(ann.game->cardBeneath(4), of(2, Suit::Spades));
    ASSERT_TRUE(ann.game->dropOnFoundation(1, 0));
    ASSERT_TRUE(game.dropOnFoundation(1, 0));
    for (int tick = 0; tick < kPlayers; ++tick)
        game.tick();
    ASSERT_TRUE(agreedSoon());
    EXPECT_EQ(ann.screen.takenBack, (Moves{{{ImageKind::Stack, 1}, {ImageKind::Foundation, 0}}}));
    // Her ace's foundation: empty at the deal, then her ace, never undone by the answer in between.
    EXPECT_EQ(std::ranges::count(ann.screen.shownImages, PileImage{ImageKind::Foundation, 15}), 2);
    ASSERT_GE(window.marked.size(), 2u);
    const auto seen = [&ann](PileImage from, PileImage to) {
        return std::pair{localImage(ann.game->seat(), from), localImage(ann.game->seat(), to)};
    };
    EXPECT_EQ(ann.screen.personMoves, (Moves{seen({ImageKind::Stack, 1}, {ImageKind::Foundation, 0})}));
    Moves shown;  // and the computer players' as the host's screen showed them
    for (const auto& [from, to] : window.marked)
        shown.push_back(seen(from, to));
    EXPECT_EQ(ann.screen.marked, shown);
}

// Cut off as the host's hand ends the game, Ann misses a hand of the next; then her seat's computer player
// moves her cards, as Bo sees, at a level chosen meanwhile. Back, the last game shows over no longer.
TEST_F(NetTable, ALostGuestIsPlayedByTheComputerAndTakesItsSeatBackWithItsToken) {
    FaultyLink link(host.port());
    Guest& ann = join("Ann", link.port());
    Guest& bo = join("Bo");
    startAndDeal();
    const int seat = ann.game->seat();
    const int boSeat = bo.game->seat();
    std::array<bool, kPlayers> annAsked{};  // Bo's screen shows her ask for "No one can play" at her seat
    annAsked[localPlayer(boSeat, seat)] = true;
    ASSERT_TRUE(eventually([&] { return ann.game->controls().noOneCanPlayEnabled; }));
    ann.game->noOneCanPlayCommand();
    EXPECT_TRUE(eventually([&] { return bo.game->controls().askedNoOneCanPlay == annAsked; }));
    humanGoesOut(game);
    game.dealCommand();
    window.whileSheetOpen = [&] {  // before the next game begins
        EXPECT_TRUE(eventually([&] { return ann.screen.gameOvers.size() == 1; }));
        link.cut();
    };
    humanGoesOut(game);
    game.dealCommand();
    humanGoesOut(game, 51);
    game.dealCommand();
    const Seats& boSees = bo.game->seats();
    EXPECT_TRUE(eventually([&] { return boSees[localPlayer(boSeat, seat)].kind == SeatKind::Computer; }));
    EXPECT_EQ(boSees[localPlayer(boSeat, kHuman)].kind, SeatKind::Elsewhere);
    game.levelCommand(1);
    for (int tick = 0; tick < 3; ++tick)  // left, right, then this seat: its ace of diamonds goes up
        game.tick();
    ASSERT_TRUE(eventually([&] { return game.seats()[seat] == Seat{SeatKind::Elsewhere, "Ann"}; }));
    EXPECT_TRUE(agreedSoon());
    ann.game->scoreCommand();
    EXPECT_EQ(ann.screen.sheetsShown.size(), 3u);
    EXPECT_EQ(ann.screen.gameOvers.size(), 1u);
    EXPECT_TRUE(eventually([&] { return ann.game->controls().checkedLevel() == 1; }));
    EXPECT_EQ(ann.game->controls().timerIntervalMs, kLevelIntervalMs[1]);  // her marks and flights keep pace
    const QByteArray boToken = bo.session->token();
    bo.session->leave();
    ASSERT_TRUE(eventually([&] { return game.seats()[boSeat].kind == SeatKind::Computer; }));
    const CardNumber hostStock = game.table().pileOf(kHuman, kStockSlot).top();
    QTest::qWait(700);  // past the window in which the seat is kept; Ann's answers to pings move nothing
    EXPECT_EQ(game.table().pileOf(kHuman, kStockSlot).top(), hostStock);
    RawPeer late(host.port());
    late.send(hello("Bo", boToken));
    EXPECT_EQ(late.next(), Message(Refused{Refusal::UnknownToken, "2.0", kProtocolVersion}));
    host.leave(LeavingReason::EndedNetworkGame);
    EXPECT_EQ(game.seats(), aloneSeats());  // the host plays on alone
}

// At once, while the host is still there; a guest whose window drops its game on hearing it is gone at once.
TEST_F(NetTable, TheHostsExitTellsEveryGuestTheHostQuit) {
    Guest& ann = join("Ann");
    Guest& bo = join("Bo");
    startAndDeal();
    for (int click = 0; click < 29; ++click)
        ann.game->deckClicked();
    ASSERT_TRUE(ann.game->playToFoundation(4));  // her ace: thirty moves at once, and none lost
    EXPECT_TRUE(eventually([&] { return agreed() && ann.screen.takenBack.empty(); }));
    QObject::connect(ann.session.get(), &GuestSession::ended, [&](const SessionEnd& end) {
        EXPECT_EQ(end.why, SessionEnd::Why::HostLeft);
        EXPECT_EQ(end.leaving, LeavingReason::Quit);
        ann.game.reset();
        ann.session.reset();
    });
    bo.screen.whileAnnouncing = [&] {  // Bo hears it under the announcement of the hand's end, after a deal
        game.dealCommand();
        game.exitCommand();
        EXPECT_TRUE(eventually([&] { return bo.session->state() == GuestSession::State::Ended; }));
        bo.screen.shownImages.clear();
    };
    humanGoesOut(game);
    EXPECT_TRUE(eventually([&] { return !ann.session; }));
    EXPECT_TRUE(bo.screen.recorded.empty());  // back at a game of his own: nothing of this one in his record,
    EXPECT_TRUE(bo.screen.shownImages.empty());  // nor on his table
}

// Listed once however often announced, by every copy of the game looking on this computer; a
// flood of games from one address lists no more than the limit.
TEST(GameFinding, AGameIsListedWhileAnnouncedAndForgottenOnceSilent) {
    GameFinder finder(0, 600);
    const GameFinder secondCopy(finder.port(), 600);
    const QSignalSpy changes(&finder, &GameFinder::gamesChanged);
    const QSignalSpy sweeps(finder.findChild<QTimer*>(), &QTimer::timeout);
    {
        GameAnnouncer announcer(finder.port(), {GameAnnouncer::thisComputer()});
        const Announcement said{"2.0", kProtocolVersion, "Ann", 3, false, 4000};
        for (int i = 0; i < 24; ++i) {  // its life and two sweeps more, heard every 50 ms
            announcer.announce(said);
            QTest::qWait(50);
        }
        ASSERT_EQ(finder.games().size(), 1u);
        EXPECT_EQ(secondCopy.games().size(), 1u);
        EXPECT_EQ(changes.count(), 1);
        EXPECT_LT(sweeps.count(), 10);  // a sweep each third of its life, not a CPU spinning while listing
        for (int port = 1; port <= kMaxAnnouncedGames + 4; ++port)
            announcer.announce({"2.0", kProtocolVersion, "Mal", 3, false, port});
        EXPECT_TRUE(eventually([&finder] { return finder.games().size() >= kMaxAnnouncedGames; }));
        QTest::qWait(50);
        EXPECT_EQ(finder.games().size(), std::size_t{kMaxAnnouncedGames});
    }
    EXPECT_TRUE(eventually([&finder] { return finder.games().empty(); }));
    // As the join window lists them: with no network up, a game here is heard over the loopback alone.
    const auto finding = zanfelNetworkModule()->findGames(finder.port(), [] {});
    GameAnnouncer announcer(finder.port(), {GameAnnouncer::thisComputer()});
    QUdpSocket().writeDatagram(QByteArray(kMaxAnnouncementBytes + 1, 0), QHostAddress::LocalHost,
                               finder.port());
    announcer.announce({"2.0", kProtocolVersion, "Ann", 3, false, 4000});
    EXPECT_TRUE(eventually([&] { return finding->games().size() == 1; }));
    QUdpSocket alone;  // a port held by a program that shares it with none: the join window says why
    ASSERT_TRUE(alone.bind(0, QUdpSocket::DontShareAddress));
    EXPECT_TRUE(zanfelNetworkModule()->findGames(alone.localPort(), [] {})->errorString().contains("in use"));
}

}  // namespace
}  // namespace zanfel::net::testing
