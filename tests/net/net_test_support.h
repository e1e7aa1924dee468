// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTest>
#include <functional>
#include <memory>

#include "../game/fake_table_view.h"
#include "frame_reader.h"
#include "guest_game.h"
#include "host.h"
#include "message_codec.h"
#include "seat_view.h"
#include "visible_table.h"

namespace zanfel::net::testing {

using zanfel::testing::humanGoesOut;
using zanfel::testing::Moves;
using zanfel::testing::of;

// Waits on the event loop until `done` holds; time only bounds a test that would hang.
inline bool eventually(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 5000);
}

struct Guest {
    std::unique_ptr<GuestSession> session;
    zanfel::testing::FakeTableView screen;
    std::unique_ptr<GuestGame> game;
};

inline QByteArray frameOf(const Message& message) {
    return framed(encodeMessage(message));
}

// A peer that speaks the messages by hand: good ones, bad ones, or bare bytes.
class RawPeer {
public:
    explicit RawPeer(quint16 port);
    void send(const Message& message) { sendBytes(frameOf(message)); }
    void sendBytes(const QByteArray& bytes);
    // The next message from the host, if one comes.
    std::optional<Message> next();
    // The next of kind T, past whatever else the host says meanwhile.
    template <class T>
    std::optional<T> next() {
        for (std::optional<Message> m = next(); m; m = next())
            if (const auto* found = std::get_if<T>(&*m))
                return *found;
        return std::nullopt;
    }
    bool closedByHost();
    QTcpSocket socket;

private:
    FrameReader reader_;
};

// Plays the first card the rules take onto a foundation, or turns the stock.
void playOnce(GameFront& front);

// Times short enough for a test to wait them out; greeting long enough for a busy machine.
constexpr HostLimits kQuickHost{2000, 100, 600, 600};
constexpr GuestTiming kQuickGuest{600, 600, 50};

// A host with its Game at the table, decks dealt in order, and guests joining it on loopback.
class NetTable : public ::testing::Test, protected zanfel::testing::GameFixture {
protected:
    explicit NetTable(HostLimits limits = kQuickHost, GuestTiming guestTiming = kQuickGuest);
    Guest& join(const QString& name, quint16 port = 0);
    void startAndDeal();
    // Every guest has been told the table its seat may see, and has nothing left unanswered.
    bool agreed() const;
    // So within `ms`; over a link that holds data back, allow for it.
    bool agreedSoon(int ms = 5000) const {
        return QTest::qWaitFor([this] { return agreed(); }, ms);
    }
    // Every card of the four decks is somewhere on the host's table; on a guest's too, once agreed().
    bool allCardsThere() const;
    Hello hello(const QString& name, const QByteArray& token = {}) const {
        return Hello{"2.0", kProtocolVersion, name, token};
    }

    GuestTiming guestTiming;
    zanfel::testing::FakeTableView& window = view;  // the host's
    Host host;
    std::vector<std::unique_ptr<Guest>> guests;
};

}  // namespace zanfel::net::testing
