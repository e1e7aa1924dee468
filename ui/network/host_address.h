// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Where a host is, as a player types it: a name or an address, and a port after a colon
// (an IPv6 address within brackets when a port follows: [::1]:29147).
struct HostAddress {
    QString host;
    quint16 port = 0;
};

// Nothing for text that names no host, or a port that is no number from 1 to 65535; the port is
// `defaultPort` when none is typed.
std::optional<HostAddress> readHostAddress(const QString& text, quint16 defaultPort);
// A port typed alone, as --port takes it.
std::optional<quint16> readPort(const QString& text);
