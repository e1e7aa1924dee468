#pragma once

#include <QString>

namespace zanfel::artwork {

// Draws every picture the game ships into `folder` (faces/, backs/ and the PNGs at its top).
// Returns false, after saying why on stderr, if anything could not be written.
bool writeAllArtwork(const QString& folder);

}  // namespace zanfel::artwork
