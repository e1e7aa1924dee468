// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zanfel::artwork {

// Draws every picture the game ships into `folder`: faces/ and backs/ as bitmaps, cards/ and
// pictures/ with one folder per screen scale, and the icons at its top.
// Returns false, after saying why on stderr, if anything could not be written.
bool writeAllArtwork(const QString& folder);

}  // namespace zanfel::artwork
