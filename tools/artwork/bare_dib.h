// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace zanfel::artwork {

// Faces and backs are stored as bare DIBs: a 40-byte BITMAPINFOHEADER and bottom-up 24-bit
// rows padded to four bytes, with no file header, so the resource id alone finds them.
QByteArray encodeBareDib(const QImage& image);

}  // namespace zanfel::artwork
