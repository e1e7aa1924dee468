#include "artwork_writer.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "about_picture.h"
#include "bare_dib.h"
#include "burst_picture.h"
#include "card_back.h"
#include "card_face.h"
#include "small_pictures.h"

namespace zanfel::artwork {
namespace {

constexpr int kFirstFaceId = 101;
constexpr int kCards = 52;

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

bool writeFaces(const QDir& faces) {
    for (int n = 1; n <= kCards; ++n) {
        const QString name = QStringLiteral("%1.dib").arg(kFirstFaceId + n - 1);
        if (!writeBytes(faces.filePath(name), encodeBareDib(drawCardFace(cardFromNumber(n))))) {
            return false;
        }
    }
    return true;
}

bool writeBacks(const QDir& backs) {
    const struct {
        const char* name;
        QColor colour;
    } kBacks[] = {
        {"deck.dib", QColor(0xC0, 0x00, 0x00)},
        {"player_deck_0.dib", QColor(0x00, 0x80, 0x00)},  // the left player
        {"player_deck_1.dib", QColor(0x00, 0x00, 0x80)},  // the middle player
        {"player_deck_2.dib", QColor(0x00, 0x80, 0x80)},  // the right player
    };
    for (const auto& back : kBacks) {
        if (!writeBytes(backs.filePath(QString::fromLatin1(back.name)),
                        encodeBareDib(drawCardBack(back.colour)))) {
            return false;
        }
    }
    return true;
}

bool writePictures(const QDir& top) {
    return writePng(top.filePath("empty_place.png"), drawEmptyPlace()) &&
           writePng(top.filePath("youout.png"),
                    drawBurstPicture(QColor(0x1E, 0x46, 0xC8), QColor(0x3C, 0xC8, 0x46),
                                     {QStringLiteral("I'M"), QStringLiteral("OUT!")})) &&
           writePng(top.filePath("theyout.png"),
                    drawBurstPicture(QColor(0xC8, 0x1E, 0x1E), QColor(0xFF, 0x96, 0x1E),
                                     {QStringLiteral("ZANFEL!")})) &&
           writePng(top.filePath("zanfel_icon.png"), drawIcon()) &&
           writePng(top.filePath("about.png"), drawAboutPicture());
}

}  // namespace

bool writeAllArtwork(const QString& folder) {
    QDir top(folder);
    if (!top.mkpath("faces") || !top.mkpath("backs")) {
        return fail(QStringLiteral("cannot create folders under %1").arg(folder));
    }
    return writeFaces(QDir(top.filePath("faces"))) && writeBacks(QDir(top.filePath("backs"))) &&
           writePictures(top);
}

}  // namespace zanfel::artwork
