// SPDX-License-Identifier: GPL-3.0-or-later
// Run once at 1x and once with QT_SCALE_FACTOR=2: the table draws every card place, and the
// announcement its picture, from the artwork made for the screen's ratio, pixel for pixel;
// and the announcement's layout with the line that names who went out.

#include "announcement_window.h"
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

private slots:
    // Each place draws the artwork of its ratio, and the grabbed face holds the artwork's own
    // pixels: nothing was stretched on the way.
    void placesDrawTheArtworkOfTheirRatioPixelForPixel() {
        QCOMPARE(window_->devicePixelRatioF(), ratio_);
        clickDeck();
        const QPixmap face = facePicture(5, ratio_);
        QCOMPARE(face.devicePixelRatio(), ratio_);
        QCOMPARE(face.size(), (QSizeF(57, 73) * ratio_).toSize());  // drawn for the place, not resampled
        QCOMPARE(drawn("Stack5"), face.cacheKey());
        QCOMPARE(drawn("Deck"), deckPicture(ratio_).cacheKey());
        QCOMPARE(drawn("PlayerDeck1"), playerDeckPicture(1, ratio_).cacheKey());
        QCOMPARE(drawn("Pile0"), emptyPlacePicture(ratio_).cacheKey());
        const QImage shown = find("Stack5")->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage art = face.toImage().convertToFormat(QImage::Format_RGB32);
        const QRect inside = art.rect().adjusted(4, 4, -4, -4);  // the corners show the table
        QCOMPARE(shown.copy(inside), art.copy(inside));
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
        const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage art = goingOutPicture(AnnouncementPicture::Theyout, ratio_).toImage();
        QCOMPARE(art.size(), (QSizeF(200, 200) * ratio_).toSize());
        for (QPoint at : {QPoint(2, 2), QPoint(100, 60), QPoint(197, 100), QPoint(100, 197)})
            QCOMPARE(shown.pixel(at * ratio_), art.pixel(at * ratio_));
    }
};

QTEST_MAIN(ArtworkScaleTest)
#include "artwork_scale_test.moc"
