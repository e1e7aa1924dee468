// SPDX-License-Identifier: GPL-3.0-or-later
// The art as drawn at each desktop scale the suite runs under (QT_SCALE_FACTOR 1, 1.25, 1.5, 2).
#include "dialogs/announcement_window.h"
#include "table/card_table.h"
#include "table/pictures.h"
#include "window_test_support.h"

class ArtworkScaleTest : public testing_support::WindowTest {
    Q_OBJECT

    const qreal ratio_ = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();

    static QImage rgb(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }

private slots:
    // 100 %, 175 %: places take floor(size x ratio) px; the announcement fills its window, names who's out.
    void placesAndTheAnnouncementDrawArtForTheirDevicePixels() {
        clickDeck();
        for (int percent : {100, 175}) {
            find<CardTable>("table")->setZoom(percent);
            const QSizeF logical = QSizeF(find("Stack5")->size()) * ratio_;
            const QSize pixels(int(logical.width()), int(logical.height()));  // whole pixels only
            const PlaceArt art{pixels, percent / 100.0 * ratio_, ratio_, {}};
            for (const auto& [name, picture] : {std::pair<const char*, QPixmap>{"Deck", deckPicture(art)},
                                                {"PlayerDeck1", playerDeckPicture(1, art)},
                                                {"Pile0", emptyPlacePicture(art)}}) {
                find(name)->grab();
                QVERIFY2(find<CardImage>(name)->drawnKey() == picture.cacheKey(), name);
            }
            const QRect inside = QRect(QPoint(0, 0), pixels).adjusted(6, 6, -6, -6);
            QCOMPARE(rgb(find("Stack5")->grab()).copy(inside),
                     rgb(facePicture(card("Stack5"), art)).copy(inside));
        }
        AnnouncementWindow window;
        const QString named[] = {"You went out!", "Middle Guy went out."};  // the rest: the score sheet's
        for (int player = zanfel::kHuman; player <= zanfel::kMiddlePlayer; ++player) {
            window.setGoingOut(player);
            QCOMPARE(window.accessibleDescription(), named[player]);
            QCOMPARE(window.accessibleName(), window.windowTitle() + ' ' + named[player]);
        }
        const QImage shown = rgb(window.grab()),
                     art = rgb(goingOutPicture(AnnouncementPicture::Theyout, ratio_));
        for (QPoint at : {QPoint(2, 2), QPoint(100, 60), QPoint(197, 100), QPoint(100, 197)})
            QCOMPARE(shown.pixel(at * ratio_), art.pixel(at * ratio_));
        QCOMPARE(iconPicture().size(), QSize(64, 64));  // every window's, and the taskbar's
    }

    // Ink across each line's middle, as wide as the scale rounded, at whole and odd-menu-bar offsets.
    void theFrameShowsAllFourLines() {
        const QRectF frame(find("Shape1")->geometry());
        for (int shift : {0, 1}) {
            QImage table((QSizeF(find("table")->size() + QSize(0, shift)) * ratio_).toSize(),
                         QImage::Format_RGB32);
            table.setDevicePixelRatio(ratio_);
            table.fill(Qt::white);
            find("table")->render(&table, QPoint(0, shift));
            const auto inkNear = [&](qreal x, qreal y, QPoint step) {  // pixels within 3 along step
                const QPoint at = (QPointF(x, y + shift) * ratio_).toPoint();
                int inked = 0;
                for (int d = -3; d <= 3; ++d)
                    inked += qGray(table.pixel(at + d * step)) < 80;
                return inked;
            };
            QCOMPARE((QList<int>{inkNear(frame.center().x(), frame.top(), {0, 1}),
                                 inkNear(frame.center().x(), frame.bottom(), {0, 1}),
                                 inkNear(frame.left(), frame.center().y(), {1, 0}),
                                 inkNear(frame.right(), frame.center().y(), {1, 0})}),
                     QList<int>(4, qRound(ratio_)));
        }
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
            art.append({QString("cards/1x/player_deck_%1.png").arg(d), playerDeckPicture(d, {})});
        for (int card = 1; card <= zanfel::kDeckSize; ++card)  // from the ace of spades, 101.png
            art.append({QString("cards/1x/%1.png").arg(zanfel::faceResourceId(card)), facePicture(card, {})});
        const auto argb = [](const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); };
        for (const auto& [file, drawn] : art)
            QVERIFY2(argb(QImage(ZANFEL_RESOURCE_DIR "/" + file)) == argb(drawn.toImage()), qPrintable(file));
    }
};

QTEST_MAIN(ArtworkScaleTest)
#include "artwork_scale_test.moc"
