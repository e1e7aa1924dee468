// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zanfel::artwork {

// Draws every picture the game ships into `folder`: faces/ and backs/ as bitmaps, the icons at
// its top, and in cards/1x and pictures/1x what the program draws on screen at 100 %, kept as
// the reference for the program's own drawing.
// Returns false, after saying why on stderr, if anything could not be written.
bool writeAllArtwork(const QString& folder);

}  // namespace zanfel::artwork
