// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do at start-up, for desktop shortcuts and scripts:
//   zanfel --host [--port N] [--name NAME]     opens a network game's lobby at once
//   zanfel --join ADDRESS[:PORT] [--name NAME] joins the game hosted there at once
struct CommandLine {
    enum class Network { Alone, Host, Join };
    Network network = Network::Alone;
    QString address;  // --join's host
    quint16 port = 0;
    QString name;  // empty: the name kept from last time
    // Set when the arguments could not be understood: what to say, and the usage after it.
    QString error;
    QString usage;
};

// `arguments` as QCoreApplication::arguments() gives them, the program's own path first.
CommandLine readCommandLine(const QStringList& arguments);
