// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork_writer.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "about_picture.h"
#include "art_scale.h"
#include "bare_dib.h"
#include "burst_picture.h"
#include "card_back.h"
#include "card_backs.h"
#include "card_face.h"
#include "small_pictures.h"
#include "table_back.h"
#include "table_face.h"

namespace zanfel::artwork {
namespace {

constexpr int kFirstFaceId = 101;
constexpr int kCards = 52;
constexpr int kLargeIcon = 256;

const struct {
    const char* name;
    QColor colour;
    FrameLine line;  // on the table; the bitmaps keep the plain frame
} kBacks[] = {
    {"deck", QColor(QRgb(kDeckBack)), kDeckLine},
    {"player_deck_0", QColor(QRgb(kPlayerDeckBacks[0])), kPlayerDeckLines[0]},
    {"player_deck_1", QColor(QRgb(kPlayerDeckBacks[1])), kPlayerDeckLines[1]},
    {"player_deck_2", QColor(QRgb(kPlayerDeckBacks[2])), kPlayerDeckLines[2]},
};

bool fail(const QString& what) {
    QTextStream(stderr) << "zanfel-artwork: " << what << '\n';
    return false;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return true;
}

bool writePng(const QString& path, const QImage& image) {
    return image.save(path, "PNG") || fail(QStringLiteral("cannot write %1").arg(path));
}

QString faceName(int card, const char* suffix) {
    return QStringLiteral("%1.%2").arg(kFirstFaceId + card - 1).arg(QLatin1String(suffix));
}

// The faces and backs as 71 x 96 bitmaps, each face under its card's number + 100.
bool writeBitmaps(const QDir& faces, const QDir& backs) {
    for (int n = 1; n <= kCards; ++n) {
        if (!writeBytes(faces.filePath(faceName(n, "dib")), encodeBareDib(drawCardFace(cardFromNumber(n))))) {
            return false;
        }
    }
    for (const auto& back : kBacks) {
        if (!writeBytes(backs.filePath(QStringLiteral("%1.dib").arg(QLatin1String(back.name))),
                        encodeBareDib(drawCardBack(back.colour)))) {
            return false;
        }
    }
    return true;
}

// Everything a card place shows, and the pictures, as the program draws them at 100 % on a
// screen of ratio 1: the reference a test holds the program's own drawing to.
bool writeCards(const QDir& cards) {
    for (int n = 1; n <= kCards; ++n) {
        if (!writePng(cards.filePath(faceName(n, "png")), drawTableFace(cardFromNumber(n), kPlaceSize))) {
            return false;
        }
    }
    for (const auto& back : kBacks) {
        if (!writePng(cards.filePath(QStringLiteral("%1.png").arg(QLatin1String(back.name))),
                      drawTableBack(back.colour, kPlaceSize, 1, back.line))) {
            return false;
        }
    }
    return writePng(cards.filePath("empty_place.png"), drawTableEmptyPlace(kPlaceSize, 1));
}

bool writePictures(const QDir& pictures) {
    return writePng(pictures.filePath("youout.png"), drawYouOutPicture(1)) &&
           writePng(pictures.filePath("theyout.png"), drawTheyOutPicture(1)) &&
           writePng(pictures.filePath("about.png"), drawAboutPicture(kAboutSquare));
}

bool writeReferenceSets(const QDir& top) {
    if (!top.mkpath("cards/1x") || !top.mkpath("pictures/1x")) {
        return fail(QStringLiteral("cannot create folders under %1").arg(top.path()));
    }
    return writeCards(QDir(top.filePath("cards/1x"))) && writePictures(QDir(top.filePath("pictures/1x")));
}

}  // namespace

bool writeAllArtwork(const QString& folder) {
    QDir top(folder);
    if (!top.mkpath("faces") || !top.mkpath("backs")) {
        return fail(QStringLiteral("cannot create folders under %1").arg(folder));
    }
    return writeBitmaps(QDir(top.filePath("faces")), QDir(top.filePath("backs"))) &&
           writeReferenceSets(top) && writePng(top.filePath("zanfel_icon.png"), drawIcon()) &&
           writePng(top.filePath("zanfel_icon_256.png"), drawIcon(kLargeIcon));
}

}  // namespace zanfel::artwork
