// SPDX-License-Identifier: GPL-3.0-or-later
#include "net_test_support.h"

#include <QCoreApplication>

namespace zanfel::net::testing {

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

RawPeer::RawPeer(quint16 port) {
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.waitForConnected(1000);
}

void RawPeer::sendBytes(const QByteArray& bytes) {
    socket.write(bytes);
    socket.flush();
}

std::optional<Message> RawPeer::next() {
    std::optional<QByteArray> frame;
    eventually([&] {
        if (socket.isOpen())
            reader_.append(socket.readAll());
        frame = reader_.next();
        return frame.has_value();
    });
    return frame ? decodeMessage(*frame).message : std::nullopt;
}

bool RawPeer::closedByHost() {
    return eventually([&] {
        if (socket.isOpen())
            socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState;
    });
}

NetTable::NetTable(HostLimits limits, GuestTiming guestTiming)
    : guestTiming(guestTiming), host(game, window, "Hal", limits) {
    host.listen(QHostAddress::LocalHost, 0);
}

Guest& NetTable::join(const QString& name, quint16 port) {
    auto& guest = *guests.emplace_back(std::make_unique<Guest>());
    guest.session = std::make_unique<GuestSession>(name, guestTiming);
    guest.game = std::make_unique<GuestGame>(*guest.session, guest.screen);
    guest.screen.game = guest.game.get();
    guest.session->join("127.0.0.1", port ? port : host.port());
    EXPECT_TRUE(eventually([&] { return guest.session->state() == GuestSession::State::Lobby; }));
    return guest;
}

void NetTable::startAndDeal() {
    host.start();
    game.dealCommand();
    EXPECT_TRUE(agreedSoon());
}

bool NetTable::agreed() const {
    for (const auto& guest : guests) {
        const int seat = guest->game->seat();
        if (guest->session->state() != GuestSession::State::Playing || guest->game->table().anyPending() ||
            guest->game->table().told() != visibleTo(game.table(), seat))
            return false;
        for (int i = 0; i < kImageCount; ++i) {
            const PileImage local = i < kSlotsPerPlayer ? PileImage{ImageKind::Stack, i}
                                    : i < kSlotsPerPlayer + kComputerLists
                                        ? PileImage{ImageKind::Player, i - 6}
                                        : PileImage{ImageKind::Foundation, i - 24};
            if (guest->screen.shown[i] != game.table().cardFor(hostImage(seat, local)))
                return false;
        }
        // Its own piles' counts; beneath a card it lifts, a work pile's next card, any other's face down.
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot) {
            const PileList& pile = game.table().pileOf(seat, slot);
            const CardNumber beneath = pile.count() < 2   ? kNoCard
                                       : isWorkSlot(slot) ? pile.item(1)
                                                          : kHiddenCard;
            if (guest->game->controls().counts[slot] != pile.count() ||
                guest->game->cardBeneath(slot) != beneath)
                return false;
        }
    }
    return true;
}

bool NetTable::allCardsThere() const {
    const VisibleTable table = visibleTo(game.table(), kHuman);
    int count = 0;
    for (const VisiblePile& pile : table.piles)
        count += pile.count;
    for (CardNumber top : table.foundations)
        count += top == kNoCard ? 0 : rankOf(top);
    return count == kPlayers * kDeckSize;
}

}  // namespace zanfel::net::testing

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
