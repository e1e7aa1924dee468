// SPDX-License-Identifier: GPL-3.0-or-later
#include "bare_dib.h"

#include <cstdint>

namespace zanfel::artwork {
namespace {

void putLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void putInfoHeader(QByteArray& out, int width, int height, int imageBytes) {
    putLittleEndian(out, 40, 4);  // biSize
    putLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
    putLittleEndian(out, 1, 2);                                   // biPlanes
    putLittleEndian(out, 24, 2);                                  // biBitCount
    putLittleEndian(out, 0, 4);                                   // biCompression = BI_RGB
    putLittleEndian(out, static_cast<std::uint32_t>(imageBytes), 4);
    for (int i = 0; i < 4; ++i) {
        putLittleEndian(out, 0, 4);  // resolution x/y, colours used, colours important
    }
}

}  // namespace

QByteArray encodeBareDib(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) & ~3;

    QByteArray out;
    out.reserve(40 + rowBytes * height);
    putInfoHeader(out, width, height, rowBytes * height);
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
        }
        out.append(rowBytes - width * 3, '\0');
    }
    return out;
}

}  // namespace zanfel::artwork
