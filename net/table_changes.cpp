// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_changes.h"

namespace zanfel::net {

int placeOf(PileImage hostImage) {
    switch (hostImage.kind) {
        case ImageKind::Stack:
            return pilePlace(kHuman, hostImage.index);
        case ImageKind::Player:
            return pilePlace(playerOfBase(playerBaseOf(hostImage.index)), hostImage.index % kSlotsPerPlayer);
        case ImageKind::Foundation:
            break;
    }
    return kFirstFoundationPlace + hostImage.index;
}

PileImage imageAt(int place) {
    if (place >= kFirstFoundationPlace)
        return {ImageKind::Foundation, place - kFirstFoundationPlace};
    return imageOf(place / kSlotsPerPlayer, place % kSlotsPerPlayer);
}

VisiblePile valueAt(const VisibleTable& table, int place) {
    if (place < kFirstFoundationPlace)
        return table.piles[place];
    if (place < kFirstBeneathPlace)
        return {table.foundations[place - kFirstFoundationPlace], 0};
    return {table.ownBeneath[place - kFirstBeneathPlace], 0};
}

void setValueAt(VisibleTable& table, int place, VisiblePile value) {
    if (place < kFirstFoundationPlace)
        table.piles[place] = value;
    else if (place < kFirstBeneathPlace)
        table.foundations[place - kFirstFoundationPlace] = value.top;
    else
        table.ownBeneath[place - kFirstBeneathPlace] = value.top;
}

TableChanges changesBetween(const VisibleTable& told, const VisibleTable& now) {
    TableChanges changes;
    for (int place = 0; place < kPlaces; ++place) {
        const VisiblePile before = valueAt(told, place), after = valueAt(now, place);
        if (before.top != after.top)
            changes.tops.insert(changes.tops.end(), {place, after.top});
        if (before.count != after.count)
            changes.counts.insert(changes.counts.end(), {place, after.count});
    }
    return changes;
}

void applyChanges(VisibleTable& table, const TableChanges& changes) {
    for (std::size_t i = 0; i + 1 < changes.tops.size(); i += 2) {
        VisiblePile value = valueAt(table, changes.tops[i]);
        value.top = static_cast<CardNumber>(changes.tops[i + 1]);
        setValueAt(table, changes.tops[i], value);
    }
    for (std::size_t i = 0; i + 1 < changes.counts.size(); i += 2)
        table.piles[changes.counts[i]].count = static_cast<std::int16_t>(changes.counts[i + 1]);
}

}  // namespace zanfel::net
