// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace zanfel::artwork {

// The window icon, a small fan of three cards drawn `size` pixels square; the 64-pixel
// one is reduced to 256 colours, larger ones keep every shade for the desktop.
QImage drawIcon(int size = 64);

}  // namespace zanfel::artwork
