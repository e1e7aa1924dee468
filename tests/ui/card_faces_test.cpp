// SPDX-License-Identifier: GPL-3.0-or-later
// Options > Card Faces.

#include <QLabel>
#include <QPixmapCache>
#include <algorithm>
#include <ranges>

#include "layers/card_flight.h"
#include "pip_layout.h"
#include "table/pictures.h"
#include "table_face.h"
#include "window_test_support.h"

using namespace testing_support;
using zanfel::artwork::FaceLayout;
using zanfel::artwork::FaceSet;

namespace {

const FaceSet kToday{};
const FaceSet kFourColour{.fourColour = true};
const FaceSet kLarge{.largeIndices = true};
const FaceSet kBoth{.fourColour = true, .largeIndices = true};

// Inks by suit (D, S, H, C): red and black today; burnt orange, black, crimson and cobalt in four colours.
constexpr std::array<QRgb, 4> kTodayInks{0xFFC00000, 0xFF101010, 0xFFC00000, 0xFF101010};
constexpr std::array<QRgb, 4> kFourInks{0xFFA04000, 0xFF101010, 0xFFDC143C, 0xFF17459E};
QRgb promisedInk(zanfel::Suit suit, FaceSet faces) {
    return (faces.fourColour ? kFourInks : kTodayInks)[static_cast<int>(suit)];
}

// The index's box turned about the middle of the place, where the second index stands.
QRectF turned(const QRectF& box) {
    const QSizeF place = zanfel::artwork::kPlaceSize;
    return {place.width() - box.right(), place.height() - box.bottom(), box.width(), box.height()};
}

// The boxes the pips, the ace's suit or the court panel may ink.
QList<QRectF> middleBoxes(int rank, const FaceLayout& layout) {
    if (rank == 1 || rank > 10)
        return {layout.middleBox(rank)};
    QList<QRectF> boxes;
    const QRectF& field = layout.pipField;
    for (const zanfel::artwork::PipSpot spot : zanfel::artwork::pipLayout(rank))
        boxes << layout.pipBox(
            {field.left() + spot.x * field.width(), field.top() + spot.y * field.height()});
    return boxes;
}

// A face as a place at `zoom` on a 1x screen shows it.
struct DrawnFace {
    QImage image;
    qreal zoom;

    DrawnFace(zanfel::CardNumber card, FaceSet faces, qreal zoom)
        : image(facePicture(card, PlaceArt::forPlace(zanfel::artwork::kPlaceSize * zoom, zoom, 1, faces))
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32)),
          zoom(zoom) {}

    QRect pixels(const QRectF& logical) const {
        return QRectF(logical.topLeft() * zoom, logical.size() * zoom).toAlignedRect() & image.rect();
    }
    // Ink is anything drawn on the white card inside its border and rounded corners.
    bool inked(QPoint at) const {
        const int border = qCeil(1.5 * zoom);
        const int corner = qCeil(4 * zoom);
        const bool inCorner = (at.x() < corner || at.x() >= image.width() - corner) &&
                              (at.y() < corner || at.y() >= image.height() - corner);
        const QRgb pixel = image.pixel(at);
        return image.rect().adjusted(border, border, -border, -border).contains(at) && !inCorner &&
               qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) != 0xFFFFFF;
    }
    // At least half inked: the shape the eye sees, not a smoothed edge or a court panel's pale fill.
    bool solid(QPoint at) const { return inked(at) && qGray(image.pixel(at)) < 170; }
    // An edge comes in many shades; the ink itself is the colour most of the solid pixels share.
    QRgb commonInk(const QRectF& logical) const {
        QHash<QRgb, int> counts;
        const QRect area = pixels(logical);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (solid({x, y}))
                    ++counts[image.pixel(x, y) & 0xFFFFFF];
        return counts.isEmpty() ? 0 : std::max_element(counts.cbegin(), counts.cend()).key() | 0xFF000000;
    }
    // The heights of the runs of solid rows down `logical`: the rank's, then the suit's.
    QList<int> inkRuns(const QRectF& logical) const {
        QList<int> runs;
        const QRect area = pixels(logical);
        bool inRun = false;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const bool row = std::ranges::any_of(std::views::iota(area.left(), area.right() + 1), [&](int x) {
                return solid({x, y});
            });
            if (row && !inRun)
                runs << 0;
            if (row)
                ++runs.last();
            inRun = row;
        }
        return runs;
    }
    // Inked pixels in none of `boxes`, give or take the pixel an edge is smoothed over.
    int strayInk(const QList<QRectF>& boxes) const {
        QRegion allowed;
        for (const QRectF& box : boxes)
            allowed += pixels(box).adjusted(-1, -1, 1, 1);
        int stray = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (inked({x, y}) && !allowed.contains(QPoint(x, y)))
                    ++stray;
        return stray;
    }
};

}  // namespace

class CardFacesTest : public WindowTest {
    Q_OBJECT

    void everyFaceIsIn(FaceSet faces) {
        for (CardImage* place : window_->findChildren<CardImage*>()) {
            if (place->card() == zanfel::kNoCard)
                continue;
            place->grab();
            QVERIFY(place->art().faces == faces && action("mnuFourColour")->isChecked() == faces.fourColour &&
                    action("mnuLargeIndices")->isChecked() == faces.largeIndices);
            QCOMPARE(place->drawnKey(), facePicture(place->card(), place->art()).cacheKey());
        }
    }

private slots:
    // At 100 % and 200 %: index and pips (ace, court letter, marks) in the suit's ink; large indices twice
    // today's or more; no ink outside the index, pip or middle boxes, no index box over the others.
    void everyFaceShowsItsCardInItsSet() {
        for (qreal zoom : {1.0, 2.0}) {
            for (const FaceSet faces : {kToday, kFourColour, kLarge, kBoth}) {
                const FaceLayout& layout = zanfel::artwork::faceLayout(faces);
                const QRectF index = layout.indexBox();
                for (zanfel::CardNumber card = of(1, S); card <= of(13, D); ++card) {
                    const QString name = QString("%1 %2 %3").arg(card).arg(zoom).arg(faces.largeIndices);
                    const DrawnFace drawn(card, faces, zoom);
                    const QRgb ink = promisedInk(zanfel::suitOf(card), faces);
                    const QList<QRectF> middle = middleBoxes(zanfel::rankOf(card), layout);
                    QCOMPARE(drawn.commonInk(index), ink);
                    QCOMPARE(drawn.commonInk(turned(index)), ink);
                    QCOMPARE(drawn.commonInk(middle.first()), ink);
                    QVERIFY2(drawn.strayInk(middle + QList<QRectF>{index, turned(index)}) == 0,
                             qPrintable(name));
                    for (const QRectF& box : middle)
                        for (const QRectF& corner : {index, turned(index)})
                            QVERIFY2(!drawn.pixels(box).intersects(drawn.pixels(corner)), qPrintable(name));
                    if (!faces.largeIndices)
                        continue;
                    const QList<int> today =
                        DrawnFace(card, kToday, zoom).inkRuns(zanfel::artwork::faceLayout(kToday).indexBox());
                    const QList<int> large = drawn.inkRuns(index);
                    QCOMPARE(large.size(), 2);
                    if (today.size() == 1)  // today's jack hangs down to its suit
                        QVERIFY2(large[0] + large[1] >= 2 * today[0], qPrintable(name));
                    else
                        QVERIFY2(large[0] >= 2 * today[0] && large[1] >= 2 * today[1], qPrintable(name));
                }
            }
        }
    }

    // Even with no room in Qt's shared picture cache, a place draws its picture once, not at every paint.
    void aPlaceDrawsItsPictureOnce() {
        QPixmapCache::setCacheLimit(0);
        auto* place = find<CardImage>("Stack5");
        place->grab();
        const qint64 first = place->drawnKey();
        place->grab();
        QPixmapCache::setCacheLimit(10240);
        QCOMPARE(place->drawnKey(), first);
    }

    // Mid-hand, paused, a card flying and one in the hand: all at once. A hand-edited value is no choice.
    void aChoiceReachesEveryFaceAtOnceAndIsKept() {
        clickDeck();
        window_->game().tick();  // the left player's ace of diamonds flies to Pile0
        QTest::mousePress(find("Stack5"), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(find("Stack5"), QPoint(20, 60));  // the two of spades in the hand
        trigger("mnuFourColour");
        everyFaceIsIn(kFourColour);
        QCOMPARE(layers().flight().picture().cacheKey(),
                 facePicture(of(1, D), find<CardImage>("Pile0")->art()).cacheKey());
        QCOMPARE(find<QLabel>("heldCard")->pixmap().cacheKey(),
                 facePicture(of(2, S), find<CardImage>("Stack5")->art()).cacheKey());
        QTest::mouseRelease(find("Stack5"), Qt::LeftButton, {}, QPoint(20, 60));
        trigger("mnuPause");
        trigger("mnuLargeIndices");
        everyFaceIsIn(kBoth);
        startWindow();
        clickDeck();
        everyFaceIsIn(kBoth);
        window_.reset();
        savedSettings().setValue("Display/FourColourSuits", "yes");
        savedSettings().setValue("Display/LargeIndices", "yes");
        startWindow();
        clickDeck();
        everyFaceIsIn(kToday);
    }
};

QTEST_MAIN(CardFacesTest)
#include "card_faces_test.moc"
