// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "player_record.h"
#include "settings/save_failure_notice.h"

class QWidget;

// The player's record, kept in the settings file beside the table colour in section
// "Statistics": a group per skill level, a key per figure, each the decimal text of a number.
// Nothing is held in memory: every count re-reads the file, so two copies of the game playing
// at once add to each other's figures rather than write over them.
class PlayerRecordStore {
public:
    // Messages about a file that cannot be written come up over `parent`.
    explicit PlayerRecordStore(QWidget* parent);

    // A figure that is missing, not a number or impossible beside the others reads as 0.
    zanfel::PlayerRecord load() const;
    // Counts a finished hand, and the game it ended, into the figures as the file holds them now.
    void countHand(const zanfel::HandResult& hand);
    // Every level back to nothing; the rest of the file is left as it is.
    void clear();

private:
    QWidget* parent_;
    SaveFailureNotice notSaved_;
};
