// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scoring.h"
#include "table_view.h"

class QWidget;

// Names the winner or the tie of a game that is over and asks whether to play again, with OK
// and Cancel. Closing the box without pressing a button counts as Cancel. The box stands
// beside its parent, the score sheet, leaving the sheet uncovered.
zanfel::Answer askPlayAgain(QWidget* parent, const zanfel::GameOutcome& outcome);
