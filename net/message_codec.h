// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "message.h"

namespace zanfel::net {

// A message as it travels, without the frame around it.
QByteArray encodeMessage(const Message& message);

// What a frame held: a message, or why it is none, with a few words more for the host's log.
struct Decoded {
    std::optional<Message> message;
    Refusal refusal = Refusal::None;
    QString detail;
};

// Bytes to a message, or a refusal: the size, the CBOR, the kind, then each field's type and
// range. Names and versions come out as plain text, their control characters removed. Pure:
// the same bytes give the same answer, whoever sent them and whenever.
Decoded decodeMessage(QByteArrayView bytes);

// Text as a screen may show it: no control or format characters (a line break, a change of
// writing direction), runs of spaces made one, cut to `maxChars` characters.
QString plainText(const QString& text, int maxChars);

}  // namespace zanfel::net
