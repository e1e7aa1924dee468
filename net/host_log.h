// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <deque>

#include "refusal.h"

namespace zanfel::net {

struct LogEntry {
    QString peer;  // the address, and the seat's name once it has one
    Refusal reason = Refusal::None;
    QString detail;
};

// What the host refused and why, most recent last. It keeps the last kLogEntries, so a flood
// of bad input cannot make it grow; each entry also goes to Qt's log, category zanfel.net.
class HostLog {
public:
    void add(LogEntry entry);
    const std::deque<LogEntry>& entries() const { return entries_; }
    // Among the entries kept.
    int count(Refusal reason) const;
    // Since the host began, also of entries no longer kept.
    int total(Refusal reason) const { return totals_[static_cast<int>(reason)]; }

private:
    std::deque<LogEntry> entries_;
    std::array<int, kLastRefusal + 1> totals_{};
};

}  // namespace zanfel::net
