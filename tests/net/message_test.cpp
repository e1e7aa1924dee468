// SPDX-License-Identifier: GPL-3.0-or-later
// The messages as bytes, and the frames a byte stream is cut into.
#include <gtest/gtest.h>

#include <QCborArray>
#include <QCborMap>
#include <QCborValue>
#include <set>

#include "announcement.h"
#include "frame_reader.h"
#include "message_codec.h"
#include "message_phase.h"

namespace zanfel::net {

namespace {

const QByteArray kToken(16, '\x5a');

// The largest a message may be, as every build of the game sends and reads it.
constexpr int kFrameLimit = 4096, kMovesLimit = 16;

std::vector<Message> oneOfEachKind() {
    return {Hello{"2.0", kProtocolVersion, "Ann", kToken},
            DeckClick{7},
            DropOnFoundation{65535, 5, 15},
            DropOnStack{1, 0, 4},
            DoubleClick{2, 3},
            AskNoOneCanPlay{},
            Leave{},
            Pong{513},
            Welcome{3, kToken, "2.0", kProtocolVersion, true},
            Refused{Refusal::IncompatibleVersion, "2.1", 0},
            LobbySeats{2, false, {0, 2, 1, 2}, {"Host", "Bo", "", "Ché ✓"}},
            Start{},
            TableChanges{{0, 52, 45, 0, 24, 1}, {23, 35, 5, 0}, std::vector<int>(2 * kMovesLimit, 39)},
            ControlsState{2, true, true, 0, 5, true, 0b1010, 21},
            MoveAnswer{9, false, Refusal::Rules},
            WentOut{3},
            HandScored{21, {52, -26, 0, -3}, {104, -300000, 5, 2}, -1, 1, true, true, 0},
            ScoreHistory{1, {52, -26, 0, -3, 1, 2, 3, 4}, {53, -24, 3, 1}},
            HostLeaving{LeavingReason::EndedNetworkGame},
            Ping{65535}};
}

int warnings = 0;

// Quietly: the writer complains on the terminal of a list it was not told was over.
TEST(Messages, EveryKindComesBackAsItWent) {
    std::set<int> kinds;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++warnings; });
    for (const Message& message : oneOfEachKind()) {
        kinds.insert(kindOf(message));
        const Decoded decoded = decodeMessage(encodeMessage(message));
        EXPECT_TRUE(decoded.message == message) << kindOf(message) << " " << decoded.detail.toStdString();
    }
    qInstallMessageHandler(nullptr);
    EXPECT_EQ(kinds.size(), std::size_t{kKinds});
    EXPECT_EQ(warnings, 0);
}

QByteArray cbor(const QCborValue& value) {
    return value.toCbor();
}

QByteArray hello(const QCborValue& name, const QCborValue& token = QCborValue(QCborValue::Null),
                 const QCborValue& program = "2.0") {
    return cbor(QCborArray{kindOf<Hello>(), program, kProtocolVersion, name, token});
}

QByteArray tableChanges(const QCborArray& tops, const QCborArray& counts = {}, const QCborArray& moves = {}) {
    return cbor(QCborArray{kindOf<TableChanges>(), tops, counts, moves});
}

// More of them reach a host from a hostile peer in hostile_peer_test.cpp.
TEST(Messages, BadInputIsRefusedWithItsReason) {
    const QByteArray drop = encodeMessage(DropOnFoundation{1, 2, 3});
    QByteArray nested = QByteArray(3000, '\x81');  // an array in an array in an array...
    const struct {
        const char* what;
        QByteArray bytes;
        Refusal refusal;
    } rows[] = {
        {"larger than a frame", QByteArray(kFrameLimit + 1, '\0'), Refusal::TooLarge},
        {"a whole frame, read", QByteArray(kFrameLimit, '\0'), Refusal::NotAnArray},
        {"nothing", QByteArray(), Refusal::Truncated},
        {"a text cut short", QByteArray::fromHex("830163322e"), Refusal::Truncated},
        {"a stray break", QByteArray::fromHex("ff"), Refusal::NotCbor},
        {"bytes after the message", drop + '\0', Refusal::NotCbor},
        {"a map", cbor(QCborMap{{1, 2}}), Refusal::NotAnArray},
        {"no kind", cbor(QCborArray{}), Refusal::MissingField},
        {"kind as text", cbor(QCborArray{"hello"}), Refusal::WrongType},
        {"kind 0", cbor(QCborArray{0}), Refusal::UnknownKind},
        {"a field missing", cbor(QCborArray{kindOf<DropOnFoundation>(), 1, 2}), Refusal::MissingField},
        {"a field more", cbor(QCborArray{kindOf<DeckClick>(), 1, 5}), Refusal::ExtraField},
        {"a flag as a number", cbor(QCborArray{kindOf<MoveAnswer>(), 1, 1, 0}), Refusal::WrongType},
        {"foundation 16", cbor(QCborArray{kindOf<DropOnFoundation>(), 1, 0, 16}), Refusal::OutOfRange},
        {"a negative number", cbor(QCborArray{kindOf<DeckClick>(), -1}), Refusal::OutOfRange},
        {"the largest number", QByteArray::fromHex("82021bffffffffffffffff"), Refusal::OutOfRange},
        {"the lowest number", QByteArray::fromHex("82023bffffffffffffffff"), Refusal::OutOfRange},
        {"card 53", tableChanges({0, 53}), Refusal::OutOfRange},
        {"a place past the table", tableChanges({kPlaces, 1}), Refusal::OutOfRange},
        {"a place before it", tableChanges({-1, 1}), Refusal::OutOfRange},
        {"a count on a foundation", tableChanges({}, {24, 1}), Refusal::OutOfRange},
        {"a move from a card beneath", tableChanges({}, {}, {kFirstBeneathPlace, 0}), Refusal::OutOfRange},
        {"half a pair", tableChanges({0}), Refusal::MissingField},
        {"went out: -2",
         cbor(QCborArray{kindOf<HandScored>(), 1, QCborArray{1, 2, 3, 4}, QCborArray{1, 2, 3, 4}, -2, 3,
                         false, false, 0}),
         Refusal::OutOfRange},
        {"a guest welcomed to the host's seat", cbor(QCborArray{kindOf<Welcome>(), 0}), Refusal::OutOfRange},
        {"leaving for no reason", cbor(QCborArray{kindOf<HostLeaving>(), -1}), Refusal::OutOfRange},
        {"a host's protocol below 0", cbor(QCborArray{kindOf<Refused>(), 1, "2.0", -1}), Refusal::OutOfRange},
        {"a guest's protocol below 0", cbor(QCborArray{kindOf<Hello>(), "2.0", -1, "Ann", QCborValue()}),
         Refusal::OutOfRange},
        {"seventeen moves, one more than are shown",
         tableChanges({}, {}, QCborArray::fromVariantList(QVariantList(2 * 17, 0))), Refusal::OutOfRange},
        {"three scores of four",
         cbor(QCborArray{kindOf<HandScored>(), 1, QCborArray{1, 2, 3}, QCborArray{1, 2, 3, 4}, 0, 3, false,
                         false, 0}),
         Refusal::MissingField},
        {"lists within lists", QByteArray::fromHex("840d") + nested, Refusal::WrongType},
        {"a name too long", hello(QString(kMaxNameBytes + 1, 'n')), Refusal::BadName},
        {"a name of control characters", hello(QStringLiteral("\x01\n\u202e")), Refusal::BadName},
        {"a name not text", hello(QByteArray("Ann")), Refusal::WrongType},
        {"a version too long", hello("Ann", QCborValue(QCborValue::Null), QString(40, '9')),
         Refusal::BadText},
        {"a short token", hello("Ann", QByteArray(kTokenBytes - 1, 't')), Refusal::BadToken},
        {"a token as text", hello("Ann", QString(kTokenBytes, 't')), Refusal::WrongType},
    };
    for (const auto& row : rows) {
        const Decoded decoded = decodeMessage(row.bytes);
        EXPECT_EQ(decoded.refusal, row.refusal) << row.what << ": " << decoded.detail.toStdString();
        EXPECT_FALSE(decoded.message) << row.what;
    }
    std::set<QString> said;  // the host's log gives each reason words of its own
    for (int reason = 0; reason <= kLastRefusal; ++reason)
        said.insert(QString::fromLatin1(describe(static_cast<Refusal>(reason))));
    EXPECT_EQ(said.size(), std::size_t{kLastRefusal + 1});
    EXPECT_FALSE(said.contains(QString()));
}

TEST(Messages, NamesArePlainTextOfLimitedLength) {
    const auto nameIn = [](const QString& sent) {
        const Decoded decoded = decodeMessage(hello(sent));
        return decoded.message ? std::get<Hello>(*decoded.message).name : QString("refused");
    };
    EXPECT_EQ(nameIn("\u202eAn\tn\x07\n"), "Ann");
    EXPECT_EQ(nameIn("  Bo \u2028  Bo "), "Bo Bo");
    EXPECT_EQ(nameIn(QString(30, QChar(0x00e9))), QString(kMaxNameChars, QChar(0x00e9)));
    EXPECT_EQ(nameIn(QString::fromUcs4(U"🂡🂡🂡")), QString::fromUcs4(U"🂡🂡🂡"));
}

// Before its welcome a guest takes only the greeting's answers (a host's part: hostile_peer_test.cpp).
TEST(Messages, AGuestTakesOnlyWhatAnHonestHostSends) {
    const PhaseVerdict close{Verdict::Close, Refusal::WrongPhase};
    EXPECT_EQ(judgeHostMessage(kindOf<TableChanges>(), false), close);
    EXPECT_EQ(judgeHostMessage(kindOf<Welcome>(), true), close);
    EXPECT_EQ(judgeHostMessage(kindOf<DeckClick>(), true),
              (PhaseVerdict{Verdict::Close, Refusal::WrongDirection}));
}

// Anyone on the network may send one: its numbers are held to their bounds as a message's are.
TEST(Announcements, TheLowestProtocolAndPortAreTakenAndNothingBelow) {
    const Announcement lowest{"2.0", 0, "Ann", 0, false, 1};
    EXPECT_EQ(decodeAnnouncement(encodeAnnouncement(lowest)), lowest);
    // Byte for byte as other builds of the game send and read it: the mark, then the fields.
    EXPECT_EQ(encodeAnnouncement(lowest).toHex(), "87195a4663322e300063416e6e00f401");
    EXPECT_FALSE(decodeAnnouncement(encodeAnnouncement({"2.0", -1, "Ann", 0, false, 1})));
    EXPECT_FALSE(decodeAnnouncement(encodeAnnouncement({"2.0", 0, "Ann", 0, false, 0})));
}

TEST(Frames, AStreamCutAnywhereGivesTheSameFrames) {
    const QByteArray stream =
        framed("one") + framed("") + framed(QByteArray(kFrameLimit, 'x')) + framed("two");
    for (int cut = 0; cut <= stream.size(); cut += 97) {
        FrameReader reader;
        std::vector<QByteArray> frames;
        for (QByteArrayView part : {QByteArrayView(stream).first(cut), QByteArrayView(stream).sliced(cut)}) {
            EXPECT_EQ(reader.append(part), FrameReader::Status::Ok);
            while (auto frame = reader.next())
                frames.push_back(*frame);
        }
        EXPECT_EQ(frames, (std::vector<QByteArray>{"one", "", QByteArray(kFrameLimit, 'x'), "two"})) << cut;
    }
}

TEST(Frames, ATooLongFrameIsRefusedAtItsLengthAndTheBufferHasALimit) {
    FrameReader reader;
    EXPECT_EQ(reader.append(framed("ok")), FrameReader::Status::Ok);
    EXPECT_EQ(reader.append(QByteArray::fromHex("10")), FrameReader::Status::Ok);
    EXPECT_EQ(reader.append(QByteArray::fromHex("01")), FrameReader::Status::TooLarge);  // 4097 announced
    EXPECT_FALSE(reader.next());  // the connection is done with: not even the frame before
    FrameReader small(10);
    EXPECT_EQ(small.append(QByteArray(11, '\0')), FrameReader::Status::BufferFull);
    EXPECT_EQ(small.append("a"), FrameReader::Status::BufferFull);  // it takes nothing more
}

}  // namespace
}  // namespace zanfel::net
