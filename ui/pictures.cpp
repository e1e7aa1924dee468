#include "pictures.h"

#include <QFile>
#include <QPixmapCache>
#include <QString>
#include <QtEndian>

// The resources live in the ui library; naming their init function here makes the linker
// keep them in every program that shows a picture. (The macro must stand outside namespaces.)
static void initResources() {
    Q_INIT_RESOURCE(zanfel);
}

namespace {

void loadResourcesOnce() {
    static const bool loaded = (initResources(), true);
    (void)loaded;
}

constexpr int kFileHeaderSize = 14;
constexpr int kMinInfoHeaderSize = 40;

void putLittleEndian32(char* at, quint32 value) {
    qToLittleEndian(value, at);
}

QPixmap loadCached(const QString& path, QImage (*decode)(const QString&)) {
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    loadResourcesOnce();
    pixmap = QPixmap::fromImage(decode(path));
    QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QImage readDib(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeBareDib(file.readAll());
}

QImage readPicture(const QString& path) {
    return QImage(path);
}

}  // namespace

QImage decodeBareDib(const QByteArray& dib) {
    if (dib.size() < kMinInfoHeaderSize)
        return {};
    const auto* info = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 infoSize = qFromLittleEndian<quint32>(info);
    const quint16 bitCount = qFromLittleEndian<quint16>(info + 14);
    const quint32 coloursUsed = qFromLittleEndian<quint32>(info + 32);
    // Indexed pictures carry their colour table between the header and the rows.
    const quint32 tableEntries = coloursUsed != 0 ? coloursUsed : (bitCount <= 8 ? 1u << bitCount : 0u);

    QByteArray bmp(kFileHeaderSize, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putLittleEndian32(bmp.data() + 2, static_cast<quint32>(kFileHeaderSize + dib.size()));
    putLittleEndian32(bmp.data() + 10, kFileHeaderSize + infoSize + 4 * tableEntries);
    bmp.append(dib);

    QImage image;
    image.loadFromData(bmp, "BMP");
    return image;
}

QPixmap facePicture(zanfel::CardNumber card) {
    return loadCached(QStringLiteral(":/faces/%1.dib").arg(zanfel::faceResourceId(card)), readDib);
}

QPixmap deckPicture() {
    return loadCached(QStringLiteral(":/backs/deck.dib"), readDib);
}

QPixmap playerDeckPicture(int index) {
    return loadCached(QStringLiteral(":/backs/player_deck_%1.dib").arg(index), readDib);
}

QPixmap emptyPlacePicture() {
    return loadCached(QStringLiteral(":/empty_place.png"), readPicture);
}

QPixmap goingOutPicture(zanfel::Picture picture) {
    return loadCached(
        picture == zanfel::Picture::Youout ? QStringLiteral(":/youout.png") : QStringLiteral(":/theyout.png"),
        readPicture);
}

QPixmap iconPicture() {
    return loadCached(QStringLiteral(":/zanfel_icon.png"), readPicture);
}

QPixmap aboutPicture() {
    return loadCached(QStringLiteral(":/about.png"), readPicture);
}
