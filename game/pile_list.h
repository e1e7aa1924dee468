// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>

#include "card.h"

namespace zanfel {

// One pile of one player: item 0 is the top card (for a stock, its face-up card).
// A player never holds more than one deck, so a fixed ring of 52 places is enough and no
// move on the table ever allocates.
class PileList {
public:
    static constexpr int kCapacity = kDeckSize;

    int count() const { return count_; }
    bool empty() const { return count_ == 0; }

    CardNumber item(int index) const {
        assert(index >= 0 && index < count_);
        return items_[place(index)];
    }
    CardNumber top() const { return item(0); }

    void addEnd(CardNumber card) {
        assert(count_ < kCapacity);
        items_[place(count_)] = card;
        ++count_;
    }
    void addFront(CardNumber card) {
        assert(count_ < kCapacity);
        first_ = (first_ + kCapacity - 1) % kCapacity;
        items_[first_] = card;
        ++count_;
    }
    void removeFirst() {
        assert(count_ > 0);
        first_ = (first_ + 1) % kCapacity;
        --count_;
    }
    void clear() {
        first_ = 0;
        count_ = 0;
    }
    // Item 0 goes to the end of the same list: one step of a circular stock.
    void rotate() {
        const CardNumber card = top();
        removeFirst();
        addEnd(card);
    }

private:
    int place(int index) const { return (first_ + index) % kCapacity; }

    std::array<CardNumber, kCapacity> items_{};
    int first_ = 0;
    int count_ = 0;
};

}  // namespace zanfel
