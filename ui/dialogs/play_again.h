// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "scoring.h"
#include "table_view.h"

class QWidget;

// Names the winner or the tie of a game that is over and asks whether to play again, with OK
// and Cancel. Closing the box without pressing a button counts as Cancel. The box stands
// beside its parent, the score sheet, leaving the sheet uncovered.
// In a network game `winner` names the leader, a person or a computer player.
zanfel::Answer askPlayAgain(QWidget* parent, const zanfel::GameOutcome& outcome, const QString& winner = {});
// On a guest's screen: the same words, but `host` alone answers, so the buttons are greyed and
// say why. Not modal; the box closes itself when closed, and its owner closes it when the host
// has answered.
QWidget* showHostAnswers(QWidget* parent, const zanfel::GameOutcome& outcome, const QString& winner,
                         const QString& host);
