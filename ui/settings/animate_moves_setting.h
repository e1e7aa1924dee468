// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the computer players' cards are drawn travelling: kept between runs beside the table
// colour, in the same per-user settings file under a key of its own. On unless turned off.
bool savedAnimateMoves();
// False when the settings could not be written.
bool saveAnimateMoves(bool animate);
