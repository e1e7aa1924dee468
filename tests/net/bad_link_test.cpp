// SPDX-License-Identifier: GPL-3.0-or-later
// Links that hold data back, drop, or cut mid-message: no card lost or made twice, a move made once or never.
#include "connection.h"
#include "faulty_link.h"
#include "net_test_support.h"

namespace zanfel::net::testing {

namespace {

// A loss only when silent far past the slowest delay; seats kept all test; few pings: a cut shows by its end.
class BadLinkTable : public NetTable {
protected:
    BadLinkTable() : NetTable({2000, 1000, 3000, 60000}, {3000, 60000, 50}) {}
};

// Over a link that has yet to answer: until the host answers or the silence limit, it opens no other.
TEST_F(BadLinkTable, AGuestComingBackTriesOneConnectionAtATime) {
    auto link = std::make_unique<FaultyLink>(host.port());
    const quint16 port = link->port();
    Guest& ann = join("Ann", port);
    startAndDeal();
    link.reset();  // and on its port, a peer that never answers
    QTcpServer mute;
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost, port));
    ASSERT_TRUE(eventually([&mute] { return mute.hasPendingConnections(); }));
    EXPECT_FALSE(ann.game->playToFoundation(4));  // meanwhile her ace of diamonds stays put
    QTest::qWait(1300);                           // the guest looks at its link twice meanwhile
    mute.nextPendingConnection();
    EXPECT_FALSE(mute.hasPendingConnections());
}

// Links hold data back up to 0.5 s at random; one after another drops or is cut mid-message. Once all are
// up, screens agree with the host, all 208 cards are there, and the hand ends as the host scored it.
TEST_F(BadLinkTable, GuestsOnSlowLinksThatDropAndCutLoseNothingAndAgreeOnceBack) {
    std::vector<std::unique_ptr<FaultyLink>> links;
    for (const char* name : {"Ann", "Bo", "Cy"}) {
        links.push_back(std::make_unique<FaultyLink>(host.port(), 500, 7 + links.size()));
        join(name, links.back()->port());
    }
    startAndDeal();
    const std::function<void(FaultyLink&)> faults[] = {
        [](FaultyLink& link) { link.cut(); },
        [](FaultyLink& link) { link.cutMidMessage(FaultyLink::Toward::Host); },
        [](FaultyLink& link) { link.cutMidMessage(FaultyLink::Toward::Guest); },
    };
    int cuts = 0;
    for (int round = 0; round < 400 && window.announced.empty(); ++round) {
        for (auto& guest : guests)
            playOnce(*guest->game);
        if (round % 3 == 0)  // the host, on no link at all, would always be first
            playOnce(game);
        QTest::qWait(20);
        if (round % 10 == 3) {
            faults[cuts % 3](*links[cuts % links.size()]);
            ++cuts;
        }
        if (round % 10 == 8) {
            ASSERT_TRUE(agreedSoon(15000)) << round;
            ASSERT_TRUE(allCardsThere() || !window.announced.empty()) << round;
        }
    }
    ASSERT_EQ(window.announced.size(), 1u);
    EXPECT_GE(cuts, 4);
    ASSERT_TRUE(agreedSoon(15000));
    for (auto& guest : guests) {  // one cut off as the hand ended learns the score on coming back
        EXPECT_TRUE(eventually([&] { return guest->game->scoreSheet().handsListed == 1; }));
        EXPECT_EQ(guest->game->handScores().row(1)[kHuman], game.handScores().row(1)[guest->game->seat()]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(guest->session->findChildren<Connection*>().size(), 1u);  // every cut link is gone
    }
}

}  // namespace
}  // namespace zanfel::net::testing
