// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zanfel::net {
class NetworkModule;
}

// The network module, loaded the first time it is asked for, from beside the program or from
// where it was installed; null with `error` saying why when it cannot be.
zanfel::net::NetworkModule* networkModule(QString* error);
// For the tests, which link the module's code into their own program.
void useNetworkModule(zanfel::net::NetworkModule* module);
