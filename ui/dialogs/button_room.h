// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QPushButton;

// How much wider and taller `button` must be for its text to show whole inside its bevel, at
// the button's own font and style; nothing when it already fits.
QSize textShortfall(const QPushButton* button);
