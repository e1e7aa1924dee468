// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/host_address.h"

std::optional<quint16> readPort(const QString& text) {
    bool isNumber = false;
    const uint port = text.trimmed().toUInt(&isNumber);
    if (!isNumber || port < 1 || port > 0xffff)
        return std::nullopt;
    return static_cast<quint16>(port);
}

// One colon separates a port; more than one is an IPv6 address, whose port needs brackets.
std::optional<HostAddress> readHostAddress(const QString& text, quint16 defaultPort) {
    QString host = text.trimmed();
    std::optional<quint16> port = defaultPort;
    if (host.startsWith(QLatin1Char('['))) {
        const qsizetype close = host.indexOf(QLatin1Char(']'));
        if (close < 0)
            return std::nullopt;
        const QString rest = host.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return std::nullopt;
        if (!rest.isEmpty())
            port = readPort(rest.mid(1));
        host = host.mid(1, close - 1);
        if (!host.contains(QLatin1Char(':')))
            return std::nullopt;  // brackets hold an IPv6 address
    } else if (host.count(QLatin1Char(':')) == 1) {
        port = readPort(host.section(QLatin1Char(':'), 1));
        host = host.section(QLatin1Char(':'), 0, 0);
    }
    if (host.isEmpty() || host.contains(QLatin1Char(' ')) || !port)
        return std::nullopt;
    return HostAddress{host, *port};
}
