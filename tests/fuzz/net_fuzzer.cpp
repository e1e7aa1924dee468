// SPDX-License-Identifier: GPL-3.0-or-later
// Input: a peer's byte stream; its first byte's low six bits say how it is cut as it arrives, its top two
// which host hears it: in its lobby, in a hand, paused, between hands. A frame that decodes must encode and
// decode to itself; the host then reads the stream as a guest's socket, a greeting taking the seat kept for
// it, and must close it, keep all 208 cards and its limits; anything else, or a sanitizer report, aborts.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

#include "fake_table_view.h"
#include "frame_reader.h"
#include "host.h"
#include "message_codec.h"

namespace zanfel::net {

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkFrame(const QByteArray& frame) {
    const Decoded decoded = decodeMessage(frame);
    if (!decoded.message) {
        if (decoded.refusal == Refusal::None)
            fail("refused without a reason");
        return;
    }
    const Decoded again = decodeMessage(encodeMessage(*decoded.message));
    if (!again.message || !(*again.message == *decoded.message))
        fail("a message does not come back as it went");
}

// Ten seconds is far beyond anything a host should take, however busy the machine.
void pumpUntil(const std::function<bool()>& done, const char* what) {
    const QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired())
            fail(what);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        // Outside an event loop's exec(), what is deleted later is deleted only when asked.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Rates lifted so that a stream plays as deep into a hand as it goes; nothing times out during a run.
constexpr int kHour = 3600 * 1000;

enum class Stage { Lobby, InHand, Paused, BetweenHands };

// With the seat of a guest that joined before the start and went: the stream's greeting takes it back.
class StagedHost {
public:
    explicit StagedHost(Stage stage) : stage_(stage) {
        window_.game = &game_;
        game_.startUp();
        host_.listen(QHostAddress::LocalHost, 0);
        if (stage_ == Stage::Lobby)
            return;
        QTcpSocket guest;
        guest.connectToHost(QHostAddress::LocalHost, host_.port());
        guest.write(framed(encodeMessage(Hello{"2.0", kProtocolVersion, "Fuzz", {}})));
        FrameReader reader;
        std::optional<QByteArray> frame;
        pumpUntil(
            [&] {
                reader.append(guest.readAll());
                frame = reader.next();
                return frame.has_value();
            },
            "no welcome");
        token_ = std::get<Welcome>(*decodeMessage(*frame).message).token;
        host_.start();
        guest.abort();
        pumpUntil([this] { return host_.guestCount() == 0; }, "the guest never went");
        restore();
    }

    void hear(QByteArray stream) {
        window_.forget();  // the screen records all it is shown: a long run would fill memory
        stream = withToken(stream);
        const int accepted = host_.load().accepted;
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, host_.port());
        peer.write(stream);
        peer.disconnectFromHost();
        pumpUntil(
            [&] {
                const HostLoad load = host_.load();
                return load.accepted > accepted && load.connections == 0;
            },
            "a connection outlived its peer");
        check();
        restore();
    }

private:
    QByteArray withToken(const QByteArray& stream) const {
        FrameReader reader;
        reader.append(QByteArrayView(stream).first(std::min<qsizetype>(stream.size(), kReadBufferBytes)));
        const std::optional<QByteArray> first = reader.next();
        if (token_.isEmpty() || !first)
            return stream;
        Decoded decoded = decodeMessage(*first);
        Hello* hello = decoded.message ? std::get_if<Hello>(&*decoded.message) : nullptr;
        if (!hello)
            return stream;
        hello->token = token_;
        return framed(encodeMessage(*hello)) + stream.sliced(kFramePrefixBytes + first->size());
    }

    void check() const {
        int cards = 0;
        for (int player = 0; player < kPlayers; ++player)
            for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
                cards += game_.table().pileOf(player, slot).count();
        for (CardNumber top : game_.table().pileTop)
            cards += top == kNoCard ? 0 : rankOf(top);
        if (game_.controls().pauseEnabled && cards != kPlayers * kDeckSize)
            fail("a card lost or made");
        const HostLoad load = host_.load();
        if (load.greeting > kMaxPendingGreetings || load.logEntries > kLogEntries)
            fail("the host holds more than its limits");
    }

    // The stream may have played the hand out.
    void restore() {
        const bool wantHand = stage_ == Stage::InHand || stage_ == Stage::Paused;
        if (wantHand && !game_.controls().pauseEnabled && game_.controls().dealEnabled)
            game_.dealCommand();
        if (stage_ == Stage::Paused && !game_.controls().pauseChecked)
            game_.pauseCommand();
    }

    Stage stage_;
    zanfel::testing::FakeTableView window_;
    ClockRandomSource random_{[] { return std::uint64_t{20261207}; }};
    Game game_{window_, random_};
    Host host_{game_, window_, QStringLiteral("Hal"),
               HostLimits{kGreetingTimeoutMs, 60000, 600000, kHour, kHour, kHour, kHour, kHour}};
    QByteArray token_;
};

std::array<std::unique_ptr<StagedHost>, 4> hosts;

}  // namespace

}  // namespace zanfel::net

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    for (int stage = 0; stage < 4; ++stage)
        zanfel::net::hosts[stage] = std::make_unique<zanfel::net::StagedHost>(zanfel::net::Stage(stage));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zanfel::net;
    if (size == 0)
        return 0;
    const QByteArrayView stream(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    checkFrame(stream.toByteArray());
    const qsizetype piece = data[0] % 64 + 1;
    FrameReader reader;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        if (reader.append(stream.sliced(at, std::min(piece, stream.size() - at))) != FrameReader::Status::Ok)
            break;
        while (auto frame = reader.next())
            checkFrame(*frame);
    }
    hosts[data[0] / 64]->hear(stream.toByteArray());
    return 0;
}
