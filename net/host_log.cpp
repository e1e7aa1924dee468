// SPDX-License-Identifier: GPL-3.0-or-later
#include "host_log.h"

#include <QLoggingCategory>
#include <algorithm>

#include "net_limits.h"

namespace zanfel::net {

namespace {
// Quiet unless asked for (QT_LOGGING_RULES="zanfel.net.info=true"): a flood would fill a terminal.
Q_LOGGING_CATEGORY(netLog, "zanfel.net", QtWarningMsg)
}  // namespace

void HostLog::add(LogEntry entry) {
    qCInfo(netLog).noquote() << entry.peer << describe(entry.reason) << entry.detail;
    ++totals_[static_cast<int>(entry.reason)];
    entries_.push_back(std::move(entry));
    if (entries_.size() > static_cast<std::size_t>(kLogEntries))
        entries_.pop_front();
}

int HostLog::count(Refusal reason) const {
    return static_cast<int>(
        std::ranges::count_if(entries_, [reason](const LogEntry& entry) { return entry.reason == reason; }));
}

}  // namespace zanfel::net
