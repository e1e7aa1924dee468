// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "net_limits.h"
#include "network/host_address.h"

namespace {

// The command line's own words; every message here goes to the terminal.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption host(QStringLiteral("host"), Words::tr("Open a network game's lobby at once."));
    const QCommandLineOption join(QStringLiteral("join"),
                                  Words::tr("Join the network game hosted at ADDRESS[:PORT]."),
                                  QStringLiteral("ADDRESS[:PORT]"));
    const QCommandLineOption port(
        QStringLiteral("port"),
        Words::tr("The port others join on (%1 unless given).").arg(zanfel::net::kDefaultPort),
        QStringLiteral("N"));
    const QCommandLineOption name(QStringLiteral("name"), Words::tr("Your name, as the others will see it."),
                                  QStringLiteral("NAME"));
    parser.addOptions({host, join, port, name});
    CommandLine line;
    line.usage = parser.helpText();
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.error = Words::tr("Unknown argument: %1").arg(parser.positionalArguments().first());
        return line;
    }
    if (parser.isSet(host) && parser.isSet(join)) {
        line.error = Words::tr("--host and --join cannot be given together.");
        return line;
    }
    if (parser.isSet(port) && !parser.isSet(host)) {
        line.error = Words::tr("--port goes with --host; a joining player types the port after the address.");
        return line;
    }
    if ((parser.isSet(name)) && !parser.isSet(host) && !parser.isSet(join)) {
        line.error = Words::tr("--name goes with --host or --join.");
        return line;
    }
    line.name = parser.value(name);
    if (parser.isSet(host)) {
        const std::optional<quint16> number =
            parser.isSet(port) ? readPort(parser.value(port)) : zanfel::net::kDefaultPort;
        if (!number) {
            line.error =
                Words::tr("\"%1\" is no port: give a number from 1 to 65535.").arg(parser.value(port));
            return line;
        }
        line.network = CommandLine::Network::Host;
        line.port = *number;
    } else if (parser.isSet(join)) {
        const std::optional<HostAddress> address =
            readHostAddress(parser.value(join), zanfel::net::kDefaultPort);
        if (!address) {
            line.error =
                Words::tr("\"%1\" is no address: give the host's name or address, and :PORT if not %2.")
                    .arg(parser.value(join))
                    .arg(zanfel::net::kDefaultPort);
            return line;
        }
        line.network = CommandLine::Network::Join;
        line.address = address->host;
        line.port = address->port;
    }
    return line;
}
