// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "card.h"
#include "table.h"

// The words the table uses for its places and cards, for screen readers and tooltips:
// "Your work pile 2: nine of clubs", "Foundation 7: empty", "Left Guy's personal pile: queen of
// hearts". Foundations are counted from 1 for the player.

// `owner` names who plays a computer seat's places ("Ann"); empty, its usual player ("Left Guy").
// The human's own places are always "Your".
QString cardName(zanfel::CardNumber card);  // "empty" for no card
// A player's deck by player index: "Your deck", "Left Guy's deck".
QString deckName(int player, const QString& owner = {});
QString placeName(zanfel::PileImage image, const QString& owner = {});
// The place and what it shows now.
QString placeText(zanfel::PileImage image, zanfel::CardNumber card, const QString& owner = {});
// The tooltip: the same words, with `count` when one is given (the human's own piles while the
// counts are shown), and on every personal pile what it is for.
QString placeTip(zanfel::PileImage image, zanfel::CardNumber card, std::optional<int> count,
                 const QString& owner = {});
