// SPDX-License-Identifier: GPL-3.0-or-later
// Run at desktop scales 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR): the table puts on every card place
// art drawn for the device pixels it covers, pixel for pixel, at 100 % and 175 %; the frame
// round the foundations shows all four lines; the announcement draws its picture for its ratio;
// the announcement names who went out; and at 1x, 100 % the art is the committed reference,
// pixel for pixel.

#include <QDir>
#include <cmath>

#include "announcement_window.h"
#include "card_table.h"
#include "pictures.h"
#include "window_test_support.h"

using namespace testing_support;

class ArtworkScaleTest : public WindowTest {
    Q_OBJECT

    const qreal ratio_ = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();

    // What the place drew on its last paint, after making it paint now.
    qint64 drawn(const QString& name) {
        auto* image = find<CardImage>(name);
        image->grab();
        return image->drawnKey();
    }
    static QImage rgb(const QPixmap& pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    // A place grabbed on its own covers floor(size x ratio) device pixels; the picture drawn for
    // them shows one to one, and the corners show the table.
    void placesDrawArtForTheDevicePixelsTheyCover() {
        QCOMPARE(window_->devicePixelRatioF(), ratio_);
        clickDeck();
        for (int percent : {100, 175}) {
            find<CardTable>("table")->setZoom(percent);
            const QSize logical = find("Stack5")->size();
            const QSize pixels(std::floor(logical.width() * ratio_), std::floor(logical.height() * ratio_));
            const PlaceArt art{pixels, percent / 100.0 * ratio_, ratio_};
            const QPixmap face = facePicture(5, art);
            QCOMPARE(face.size(), pixels);
            QCOMPARE(drawn("Stack5"), face.cacheKey());
            QCOMPARE(drawn("Deck"), deckPicture(art).cacheKey());
            QCOMPARE(drawn("PlayerDeck1"), playerDeckPicture(1, art).cacheKey());
            QCOMPARE(drawn("Pile0"), emptyPlacePicture(art).cacheKey());
            const QRect inside = QRect(QPoint(0, 0), pixels).adjusted(6, 6, -6, -6);
            QCOMPARE(rgb(find("Stack5")->grab()).copy(inside), rgb(face).copy(inside));
        }
    }

    // Each line of the frame has ink across its middle, with the table drawn at a whole and at
    // a fractional device pixel: under a menu bar of odd height the frame's top falls mid-pixel.
    void theFrameShowsAllFourLines() {
        const QRect frame = find("Shape1")->geometry();
        for (int shift : {0, 1}) {
            QImage table((QSizeF(find("table")->size() + QSize(0, shift)) * ratio_).toSize(),
                         QImage::Format_RGB32);
            table.setDevicePixelRatio(ratio_);
            table.fill(Qt::white);
            find("table")->render(&table, QPoint(0, shift));
            const auto inkNear = [&](QPointF logical, bool across) {
                for (int d = -3; d <= 3; ++d) {
                    const QPoint at = ((logical + QPointF(0, shift)) * ratio_).toPoint() +
                                      (across ? QPoint(0, d) : QPoint(d, 0));
                    if (qGray(table.pixel(at)) < 80)
                        return true;
                }
                return false;
            };
            const QPointF middle = QRectF(frame).center();
            QVERIFY(inkNear({middle.x(), qreal(frame.top())}, true));
            QVERIFY(inkNear({middle.x(), frame.bottom() + 1.0}, true));
            QVERIFY(inkNear({qreal(frame.left()), middle.y()}, false));
            QVERIFY(inkNear({frame.right() + 1.0, middle.y()}, false));
        }
    }

    // Its picture fills the window to the edges but the bottom, where one line under it names
    // who went out, also to screen readers.
    void theAnnouncementDrawsItsRatiosPictureAndNamesWhoWentOut() {
        AnnouncementWindow window;
        const QWidget* line = child(&window, "lblWentOut");
        QCOMPARE(line->geometry().topLeft(), QPoint(0, 200));
        QCOMPARE(window.minimumSize(), QSize(200, 200 + line->height()));
        QCOMPARE(window.maximumSize(), window.minimumSize());
        QCOMPARE(child(&window, "cmdOK")->geometry(), QRect(157, 165, 33, 25));
        QStringList named;
        for (int player :
             {zanfel::kHuman, zanfel::kMiddlePlayer, zanfel::kRightPlayer, zanfel::kLeftPlayer}) {
            window.setGoingOut(player);
            named << window.wentOutLine() + "|" + window.accessibleDescription() + "|" + window.windowTitle();
        }
        QCOMPARE(named, (QStringList{"You went out!|You went out!|You won this hand !!",
                                     "Middle Guy went out.|Middle Guy went out.|Someone else called...",
                                     "Right Guy went out.|Right Guy went out.|Someone else called...",
                                     "Left Guy went out.|Left Guy went out.|Someone else called..."}));
        window.setGoingOut(zanfel::kLeftPlayer);
        const QImage shown = rgb(window.grab());
        const QImage art = goingOutPicture(AnnouncementPicture::Theyout, ratio_).toImage();
        QCOMPARE(art.size(), (QSizeF(200, 200) * ratio_).toSize());
        for (QPoint at : {QPoint(2, 2), QPoint(100, 60), QPoint(197, 100), QPoint(100, 197)})
            QCOMPARE(shown.pixel(at * ratio_), art.pixel(at * ratio_));
    }

    // The generator's reference set holds what the program draws at 100 % on a 1x screen.
    void atActualSizeTheArtIsTheReference() {
        if (ratio_ != 1)
            QSKIP("the reference is drawn for 1x");
        QList<std::pair<QString, QPixmap>> art{
            {"cards/1x/deck.png", deckPicture({})},
            {"cards/1x/empty_place.png", emptyPlacePicture({})},
            {"pictures/1x/youout.png", goingOutPicture(AnnouncementPicture::Youout, 1)},
            {"pictures/1x/theyout.png", goingOutPicture(AnnouncementPicture::Theyout, 1)},
            {"pictures/1x/about.png", aboutPicture(1)}};
        for (int d = 0; d < 3; ++d)
            art.append({QStringLiteral("cards/1x/player_deck_%1.png").arg(d), playerDeckPicture(d, {})});
        for (int card = 1; card <= 52; ++card)
            art.append({QStringLiteral("cards/1x/%1.png").arg(card + 100), facePicture(card, {})});
        for (const auto& [file, drawn] : art)
            QVERIFY2(
                QImage(QDir(ZANFEL_RESOURCE_DIR).filePath(file)).convertToFormat(QImage::Format_ARGB32) ==
                    drawn.toImage().convertToFormat(QImage::Format_ARGB32),
                qPrintable(file));
    }
};

QTEST_MAIN(ArtworkScaleTest)
#include "artwork_scale_test.moc"
