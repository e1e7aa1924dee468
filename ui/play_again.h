#pragma once

#include "table_view.h"

class QString;
class QWidget;

// Asks the end-of-game question with OK and Cancel. Closing the box without pressing a
// button counts as Cancel.
zanfel::Answer askPlayAgain(QWidget* parent, const QString& question);
