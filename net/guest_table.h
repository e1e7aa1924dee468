// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "message.h"
#include "table_changes.h"
#include "visible_table.h"

namespace zanfel::net {

// A guest's copy of what it may see, as the host last told it, with the guest's own moves laid
// over it from the moment they are made until the host answers them: a move the host makes
// then shows as the host told it, one it refuses simply disappears and the card is back.
class GuestTable {
public:
    explicit GuestTable(int seat) : seat_(seat) {}

    void reset();
    void apply(const TableChanges& changes) { applyChanges(told_, changes); }
    const VisibleTable& told() const { return told_; }
    // What the screen shows: the host's word with the moves not yet answered laid over it.
    VisibleTable shown() const;

    // The guest's own move, checked by the rules against what is shown, and shown at once if
    // they allow it. A card that would come up from a face-down pile shows as kHiddenCard.
    bool predictToFoundation(int seq, int slot, int foundation);
    bool predictToStack(int seq, int slot, int target);
    // Where an unanswered move took its card from and to, as places; nothing once answered.
    struct Places {
        int from, to;
    };
    std::optional<Places> placesOf(int seq) const;
    // The host has answered this move, or every move.
    void settle(int seq);
    void settleAll() { pending_.clear(); }
    bool anyPending() const { return !pending_.empty(); }

private:
    struct Placed {
        int place;
        VisiblePile value;
    };
    struct Pending {
        int seq;
        Places places;
        std::vector<Placed> changes;
    };
    std::vector<Placed> takeTop(const VisibleTable& shown, int slot) const;

    int seat_;
    VisibleTable told_;
    std::vector<Pending> pending_;
};

}  // namespace zanfel::net
