// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "message.h"
#include "visible_table.h"

namespace zanfel::net {

// A place of the message numbering (see message.h) and the image that shows it, as the host
// numbers images. Places of the cards beneath a guest's tops have no image of their own.
int placeOf(PileImage hostImage);
PileImage imageAt(int place);

// What a place holds: a pile's top and count; a foundation's or a card beneath's top alone.
VisiblePile valueAt(const VisibleTable& table, int place);
void setValueAt(VisibleTable& table, int place, VisiblePile value);

// Just what differs from what the guest was last told; applied to that, it gives `now`.
TableChanges changesBetween(const VisibleTable& told, const VisibleTable& now);
void applyChanges(VisibleTable& table, const TableChanges& changes);

}  // namespace zanfel::net
