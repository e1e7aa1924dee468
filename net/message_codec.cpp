// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_codec.h"

#include "message_fields.h"

#include <QCborStreamReader>
#include <QCborStreamWriter>
#include <type_traits>

namespace zanfel::net {

namespace {

// Counts a message's fields, for the array's length.
struct FieldCounter {
    int count = 0;
    void operator()(const auto&, const auto&) { ++count; }
};

struct FieldWriter {
    QCborStreamWriter& out;

    void operator()(int value, Int) { out.append(static_cast<qint64>(value)); }
    template <class E>
    requires std::is_enum_v<E>
    void operator()(E value, Int) { out.append(static_cast<qint64>(value)); }
    void operator()(bool value, Flag) { out.append(value); }
    void operator()(const QString& text, const Text&) {
        const QByteArray utf8 = text.toUtf8();
        out.appendTextString(utf8.constData(), utf8.size());
    }
    void operator()(const QByteArray& token, Token) {
        if (token.isEmpty())
            out.appendNull();
        else
            out.appendByteString(token.constData(), token.size());
    }
    void operator()(const std::vector<int>& list, const IntList&) {
        out.startArray(list.size());
        for (int value : list)
            out.append(static_cast<qint64>(value));
        out.endArray();
    }
};

// Reads the fields in order, each checked against what it must be; the first fault stops it.
class FieldReader {
public:
    explicit FieldReader(QCborStreamReader& in) : in_(in) {}

    Refusal refusal = Refusal::None;
    QString detail;

    void operator()(int& value, Int range) {
        if (const auto read = field() ? integer(range) : std::nullopt)
            value = static_cast<int>(*read);
    }
    template <class E>
    requires std::is_enum_v<E>
    void operator()(E& value, Int range) {
        int number = 0;
        (*this)(number, range);
        value = static_cast<E>(number);
    }
    void operator()(bool& value, Flag) {
        if (!field())
            return;
        if (!in_.isBool())
            return fail(Refusal::WrongType, "not true or false");
        value = in_.toBool();
        advance();
    }
    void operator()(QString& value, const Text& form) {
        if (!field())
            return;
        if (!in_.isString())
            return fail(Refusal::WrongType, "not text");
        if (in_.isLengthKnown() && in_.length() > static_cast<quint64>(form.maxBytes))
            return fail(form.refusal, "text too long");
        QString text;
        auto chunk = in_.readString();
        for (; chunk.status == QCborStreamReader::Ok; chunk = in_.readString()) {
            text += chunk.data;
            if (text.size() > form.maxBytes)
                return fail(form.refusal, "text too long");
        }
        if (chunk.status == QCborStreamReader::Error)
            return streamFault();
        value = plainText(text, form.maxChars);
        if (value.isEmpty() && !form.mayBeEmpty)
            return fail(form.refusal, "nothing left of the text once cleaned");
    }
    void operator()(QByteArray& value, Token) {
        if (!field())
            return;
        if (in_.isNull())
            return advance();
        if (!in_.isByteArray())
            return fail(Refusal::WrongType, "token not bytes");
        if (!in_.isLengthKnown() || in_.length() != kTokenBytes)
            return fail(Refusal::BadToken, "token of the wrong length");
        auto chunk = in_.readByteArray();
        for (; chunk.status == QCborStreamReader::Ok; chunk = in_.readByteArray())
            value += chunk.data;
        if (chunk.status == QCborStreamReader::Error)
            return streamFault();
        if (value.size() != kTokenBytes)
            return fail(Refusal::BadToken, "token of the wrong length");
    }
    void operator()(std::vector<int>& values, const IntList& form) {
        if (!field())
            return;
        if (!in_.isArray())
            return fail(Refusal::WrongType, "not a list");
        if (in_.isLengthKnown() && in_.length() > static_cast<quint64>(form.maxItems))
            return fail(Refusal::OutOfRange, "list too long");
        in_.enterContainer();
        while (refusal == Refusal::None && in_.hasNext()) {
            if (static_cast<int>(values.size()) == form.maxItems)
                return fail(Refusal::OutOfRange, "list too long");
            const Int range = values.size() % form.group == 0 ? form.first : form.rest;
            if (const auto read = integer(range))
                values.push_back(static_cast<int>(*read));
        }
        if (refusal != Refusal::None)
            return;
        if (values.size() % form.group != 0 || static_cast<int>(values.size()) < form.minItems)
            return fail(Refusal::MissingField, "list too short");
        leave();
    }

    // After the last field: nothing more may follow, within the array or after it.
    void finish(qsizetype size) {
        if (refusal != Refusal::None)
            return;
        if (in_.hasNext())
            return fail(Refusal::ExtraField, "fields beyond the kind's");
        leave();
        if (refusal == Refusal::None && in_.currentOffset() != size)
            fail(Refusal::NotCbor, "bytes after the message");
    }

    void fail(Refusal why, const char* what) {
        if (refusal != Refusal::None)
            return;
        refusal = why;
        detail = QStringLiteral("field %1: %2").arg(fieldNumber_).arg(QLatin1String(what));
    }
    void streamFault() {
        fail(in_.lastError() == QCborError::EndOfFile ? Refusal::Truncated : Refusal::NotCbor,
             "damaged CBOR");
    }

private:
    bool field() {
        ++fieldNumber_;
        if (refusal != Refusal::None)
            return false;
        if (!in_.hasNext()) {
            if (in_.lastError() != QCborError::NoError)
                streamFault();
            else
                fail(Refusal::MissingField, "missing");
            return false;
        }
        return true;
    }
    std::optional<std::int64_t> integer(Int range) {
        if (!in_.isInteger()) {
            fail(Refusal::WrongType, "not an integer");
            return std::nullopt;
        }
        // CBOR carries integers to 64 bits either side of zero; anything past ours is out of range.
        // A negative one comes as its magnitude, where 0 stands for 2 to the 64th.
        const bool negative = in_.isNegativeInteger();
        const quint64 magnitude =
            negative ? static_cast<quint64>(in_.toNegativeInteger()) : in_.toUnsignedInteger();
        advance();
        const bool huge = magnitude > (1ULL << 62) || (negative && magnitude == 0);
        const std::int64_t value =
            negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
        if (huge || value < range.lo || value > range.hi) {
            fail(Refusal::OutOfRange, "number out of range");
            return std::nullopt;
        }
        return value;
    }
    void advance() {
        if (!in_.next())
            streamFault();
    }
    void leave() {
        if (!in_.leaveContainer())
            streamFault();
    }

    QCborStreamReader& in_;
    int fieldNumber_ = 0;
};

using Reader = void (*)(FieldReader&, Message&);

template <class T>
void readInto(FieldReader& reader, Message& out) {
    T message;
    fields(message, reader);
    out = std::move(message);
}
template <class... Ts>
constexpr std::array<Reader, sizeof...(Ts)> readersFor(const std::variant<Ts...>*) {
    return {&readInto<Ts>...};
}
constexpr auto kReaders = readersFor(static_cast<const Message*>(nullptr));

Decoded refused(Refusal refusal, const QString& detail) {
    return {std::nullopt, refusal, detail};
}

bool dropped(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
            return true;
        default:
            return false;
    }
}

}  // namespace

QByteArray encodeMessage(const Message& message) {
    QByteArray bytes;
    QCborStreamWriter out(&bytes);
    std::visit(
        [&out](const auto& m) {
            using T = std::decay_t<decltype(m)>;
            FieldCounter counter;
            fields(m, counter);
            out.startArray(counter.count + 1);
            out.append(static_cast<quint64>(kindOf<T>()));
            FieldWriter writer{out};
            fields(m, writer);
            out.endArray();
        },
        message);
    return bytes;
}

Decoded decodeMessage(QByteArrayView bytes) {
    if (bytes.size() > kMaxFrameBytes)
        return refused(Refusal::TooLarge, QStringLiteral("%1 bytes").arg(bytes.size()));
    if (bytes.isEmpty())
        return refused(Refusal::Truncated, QStringLiteral("no bytes"));
    QCborStreamReader in(reinterpret_cast<const quint8*>(bytes.data()), bytes.size());
    FieldReader reader(in);
    if (in.lastError() != QCborError::NoError || in.type() == QCborStreamReader::Invalid) {
        reader.streamFault();
        return refused(reader.refusal, reader.detail);
    }
    if (!in.isArray())
        return refused(Refusal::NotAnArray, QStringLiteral("type %1").arg(int(in.type())));
    if (!in.enterContainer() || !in.hasNext()) {
        reader.streamFault();
        return refused(in.lastError() == QCborError::NoError ? Refusal::MissingField : reader.refusal,
                       QStringLiteral("no kind"));
    }
    if (!in.isUnsignedInteger())
        return refused(Refusal::WrongType, QStringLiteral("kind not a number"));
    const quint64 kind = in.toUnsignedInteger();
    if (kind < 1 || kind > static_cast<quint64>(kKinds))
        return refused(Refusal::UnknownKind, QStringLiteral("kind %1").arg(kind));
    in.next();
    Decoded decoded;
    Message message;
    kReaders[kind - 1](reader, message);
    reader.finish(bytes.size());
    if (reader.refusal != Refusal::None)
        return refused(reader.refusal, QStringLiteral("kind %1, %2").arg(kind).arg(reader.detail));
    decoded.message = std::move(message);
    return decoded;
}

QByteArray encodeAnnouncement(const Announcement& announcement) {
    QByteArray bytes;
    QCborStreamWriter out(&bytes);
    FieldCounter counter;
    fields(announcement, counter);
    out.startArray(counter.count + 1);
    out.append(static_cast<qint64>(kAnnouncementMark));
    FieldWriter writer{out};
    fields(announcement, writer);
    out.endArray();
    return bytes;
}

std::optional<Announcement> decodeAnnouncement(QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxAnnouncementBytes)
        return std::nullopt;
    QCborStreamReader in(reinterpret_cast<const quint8*>(bytes.data()), bytes.size());
    if (in.lastError() != QCborError::NoError || !in.isArray() || !in.enterContainer() || !in.hasNext() ||
        !in.isUnsignedInteger() || in.toUnsignedInteger() != kAnnouncementMark)
        return std::nullopt;
    in.next();
    FieldReader reader(in);
    Announcement announcement;
    fields(announcement, reader);
    reader.finish(bytes.size());
    if (reader.refusal != Refusal::None)
        return std::nullopt;
    return announcement;
}

QString plainText(const QString& text, int maxChars) {
    QString kept;
    for (char32_t c : text.toUcs4()) {
        if (c == 0x2028 || c == 0x2029)
            kept += QLatin1Char(' ');
        else if (!dropped(c))
            kept += QString::fromUcs4(&c, 1);
    }
    kept = kept.simplified();
    const QList<uint> chars = kept.toUcs4();
    if (chars.size() <= maxChars)
        return kept;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()), maxChars).trimmed();
}

}  // namespace zanfel::net
