// SPDX-License-Identifier: GPL-3.0-or-later
#include "network/network_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "network_module.h"

namespace {

const QString kModuleFile = QStringLiteral("zanfel-network.so");

zanfel::net::NetworkModule* loaded = nullptr;

// Found from the program's own folder, as the help file is, so any prefix works.
QString locateModule() {
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString beside = dir.filePath(kModuleFile);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(
        dir.filePath(QStringLiteral(ZANFEL_MODULE_DIR_FROM_PROGRAM) + QLatin1Char('/') + kModuleFile));
}

}  // namespace

// Once loaded the module stays for the run: the host and the guests it made live in it.
zanfel::net::NetworkModule* networkModule(QString* error) {
    if (loaded)
        return loaded;
    QLibrary library(locateModule());
    using Entry = zanfel::net::NetworkModule* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve("zanfelNetworkModule"));
    if (!entry) {
        *error = library.errorString();
        return nullptr;
    }
    loaded = entry();
    return loaded;
}

void useNetworkModule(zanfel::net::NetworkModule* module) {
    loaded = module;
}
