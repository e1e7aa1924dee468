// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "card.h"
#include "table.h"

// The words the table uses for its places and cards, for screen readers and tooltips:
// "Your work pile 2: nine of clubs", "Foundation 7: empty", "Left Guy's personal pile: queen of
// hearts". Foundations are counted from 1 for the player.

// `owner` names whose a player's place is ("Ann's"); empty, the usual "Your" or "Left Guy's".
QString cardName(zanfel::CardNumber card);  // "empty" for no card
QString placeName(zanfel::PileImage image, const QString& owner = {});
// The place and what it shows now.
QString placeText(zanfel::PileImage image, zanfel::CardNumber card, const QString& owner = {});
// The tooltip: the same words, with `count` when one is given (the human's own piles while the
// counts are shown), and on every personal pile what it is for.
QString placeTip(zanfel::PileImage image, zanfel::CardNumber card, const QString& count,
                 const QString& owner = {});
