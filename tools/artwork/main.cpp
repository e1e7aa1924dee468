// SPDX-License-Identifier: GPL-3.0-or-later
// zanfel-artwork OUTPUT_FOLDER: draws the card faces, card backs and other pictures.

#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include "artwork_writer.h"
#include "fonts.h"

namespace {

// Another font would silently change every picture, so refuse to draw without DejaVu.
bool haveDejaVu() {
    for (const QFont& font : {zanfel::artwork::sansBold(12), zanfel::artwork::serifBold(12)}) {
        if (QFontInfo(font).family() != font.family()) {
            QTextStream(stderr) << "zanfel-artwork: font " << font.family()
                                << " not found (install fonts-dejavu-core)\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zanfel-artwork OUTPUT_FOLDER\n";
        return 2;
    }
    if (!haveDejaVu()) {
        return 1;
    }
    return zanfel::artwork::writeAllArtwork(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
