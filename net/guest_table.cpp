// SPDX-License-Identifier: GPL-3.0-or-later
#include "guest_table.h"

#include <algorithm>

#include "table_changes.h"

namespace zanfel::net {

void GuestTable::reset() {
    told_ = VisibleTable{};
    pending_.clear();
}

VisibleTable GuestTable::shown() const {
    VisibleTable shown = told_;
    for (const Pending& move : pending_)
        for (const Placed& change : move.changes)
            setValueAt(shown, change.place, change.value);
    return shown;
}

// The top leaves its pile: a work pile shows the card beneath it, which its owner saw; any
// other pile a card face down, until the host says which.
std::vector<GuestTable::Placed> GuestTable::takeTop(const VisibleTable& shown, int slot) const {
    const int place = pilePlace(seat_, slot);
    const int left = shown.piles[place].count - 1;
    CardNumber next = kHiddenCard;
    if (left == 0)
        next = kNoCard;
    else if (isWorkSlot(slot) && shown.ownBeneath[slot] != kNoCard)
        next = shown.ownBeneath[slot];
    const CardNumber beneath = left > 1 ? kHiddenCard : kNoCard;
    return {{place, {next, static_cast<std::int16_t>(left)}}, {kFirstBeneathPlace + slot, {beneath, 0}}};
}

bool GuestTable::predictToFoundation(int seq, int slot, int foundation) {
    const VisibleTable shown = this->shown();
    const VisiblePile source = shown.piles[pilePlace(seat_, slot)];
    if (source.count == 0 || source.top <= kNoCard ||
        !fitsOnFoundation(shown.foundations[foundation], source.top))
        return false;
    const int to = kFirstFoundationPlace + foundation;
    Pending move{seq, {pilePlace(seat_, slot), to}, takeTop(shown, slot)};
    move.changes.push_back({to, {source.top, 0}});
    pending_.push_back(std::move(move));
    return true;
}

bool GuestTable::predictToStack(int seq, int slot, int target) {
    const VisibleTable shown = this->shown();
    const VisiblePile source = shown.piles[pilePlace(seat_, slot)];
    const VisiblePile onto = shown.piles[pilePlace(seat_, target)];
    if (source.count == 0 || source.top <= kNoCard || !isWorkSlot(target) || target == slot ||
        (onto.count > 0 && !buildsDownOn(source.top, onto.top)))
        return false;
    const int to = pilePlace(seat_, target);
    Pending move{seq, {pilePlace(seat_, slot), to}, takeTop(shown, slot)};
    move.changes.push_back({to, {source.top, static_cast<std::int16_t>(onto.count + 1)}});
    move.changes.push_back({kFirstBeneathPlace + target, {onto.count > 0 ? onto.top : kNoCard, 0}});
    pending_.push_back(std::move(move));
    return true;
}

std::optional<GuestTable::Places> GuestTable::placesOf(int seq) const {
    for (const Pending& move : pending_)
        if (move.seq == seq)
            return move.places;
    return std::nullopt;
}

void GuestTable::settle(int seq) {
    std::erase_if(pending_, [seq](const Pending& move) { return move.seq == seq; });
}

}  // namespace zanfel::net
