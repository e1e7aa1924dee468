// SPDX-License-Identifier: GPL-3.0-or-later
// The table's zoom on a 1920 x 1080 screen, where 200 % is the largest step that fits, and one 920 high.

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

#include "layers/keyboard_play.h"
#include "layers/place_outline.h"
#include "table/card_table.h"
#include "table/table_zoom.h"
#include "window_test_support.h"

using namespace testing_support;

class ZoomTest : public WindowTest {
    Q_OBJECT

    void key(Qt::Key key) { QTest::keyClick(window_.get(), key, Qt::ControlModifier); }
    int zoom() { return find<CardTable>("table")->zoom(); }
    using Items = std::pair<int, QStringList>;
    Items items() {  // the zoom, and which of Zoom In, Zoom Out and Actual Size are greyed
        Items shown{zoom(), {}};
        for (const char* name : {"mnuZoomIn", "mnuZoomOut", "mnuActualSize"})
            if (!action(name)->isEnabled())
                shown.second << name;
        return shown;
    }
    // How many follow the window from screen to screen: each move must not add to them.
    int screenFollowers() {
        return (window_->windowHandle()->*&ZoomTest::receivers)(SIGNAL(screenChanged(QScreen*)));
    }

private slots:
    // A window of 30 pixels' menu bar and frame: 150 % needs 1131 x 708; never below 100 %.
    void theLimitIsTheLargestStepThatFits() {
        const auto limit = [](QSize available) {
            return largestFittingZoom(CardTable::kTwipsSize, QSize(0, 30), available);
        };
        QCOMPARE(QList<int>({limit({1131, 708}), limit({1130, 708}), limit({1131, 707}), limit({1885, 1160}),
                             limit({3840, 2160}), limit({640, 480})}),
                 QList<int>({150, 125, 125, 250, 300, 100}));
    }

    // Ctrl++ twice with a pile picked: 150 %, window and ring scaled (the places: reference pictures).
    void stepsGreyAtTheEndsAndScaleEveryPlace() {
        clickDeck();
        keys("1");
        window_->move(1000, 500);
        key(Qt::Key_Plus);
        key(Qt::Key_Plus);
        QCOMPARE(window_->size(), QSize(1131, window_->menuBar()->height() + 678));
        const QImage table = find("table")->grab().toImage();
        const QPoint card = find("Stack1")->pos() + QPoint(0, 30);
        QList<bool> inked;
        for (int x = -6; x < 0; ++x)
            inked << (table.pixelColor(card + QPoint(x, 0)) == layers().keyboard().ring()->shownColour());
        QCOMPARE(inked, (QList<bool>{false, true, true, true, false, false}));  // 3 px of line, 2 px of gap
        // Where its card may go is framed too, the corners as round as the zoom: the top line starts 3 px in.
        const QPoint corner = find("Pile0")->pos() - QPoint(3, 3);
        QCOMPARE(table.pixelColor(corner + QPoint(2, 0)), table.pixelColor(corner - QPoint(1, 1)));
        QVERIFY(table.pixelColor(corner + QPoint(3, 0)) != table.pixelColor(corner - QPoint(1, 1)));
        key(Qt::Key_Equal);
        key(Qt::Key_Plus);
        QCOMPARE(items(), Items(200, {"mnuZoomIn"}));
        const int followers = screenFollowers();
        // On a screen 920 pixels high the 200 % table fits, but not with the menu bar over it.
        window_->windowHandle()->setScreen(QGuiApplication::screens().at(1));
        QCOMPARE(items(), Items(175, {"mnuZoomIn"}));
        QVERIFY(window_->screen()->availableGeometry().contains(window_->frameGeometry()));
        window_->windowHandle()->setScreen(QGuiApplication::screens().at(0));
        QCOMPARE(items(), Items(175, {}));
        QCOMPARE(screenFollowers(), followers);
        key(Qt::Key_Minus);
        QCOMPARE(items(), Items(150, {}));
        key(Qt::Key_0);
        QCOMPARE(items(), Items(100, {"mnuZoomOut", "mnuActualSize"}));
    }

    // At every step the longest hint fits its box and the count caption ends before the first count.
    void everyLabelShowsWholeAtEveryStep() {
        trigger("mnuCardCount");
        const auto* tips = find<QLabel>("lblTips");
        const auto* caption = find<QLabel>("lblStack6");
        find<QLabel>("lblStuck")->setText(QString("Stuck\n").repeated(100));  // fits at no size
        for (int percent : kZoomSteps) {
            find<CardTable>("table")->setZoom(percent);
            QVERIFY2(tips->heightForWidth(tips->width()) <= tips->height(),
                     qPrintable(QString::number(percent)));
            QVERIFY(caption->geometry().right() < find("lblStack1")->x());
            QCOMPARE(qFloor(find("lblStuck")->font().pointSizeF()), 7);
        }
        QFont pixels;  // a desktop font in pixels rather than points grows with the zoom too
        pixels.setPixelSize(24);
        QApplication::setFont(pixels);
        find<QLabel>("lblStuck")->setText("Stuck");  // with room again it takes the table's font
        find<CardTable>("table")->setZoom(200);  // the counts, grown past the bottom, move up onto the table
        QCOMPARE(find("lblStuck")->fontInfo().pixelSize(), 48);
        QCOMPARE(caption->geometry().bottom(), find("table")->height() - 1);
    }

    // The saved zoom returns; a non-step or too large one silently gives the largest that fits; none: 100 %.
    void theZoomIsKeptBetweenRuns() {
        key(Qt::Key_Plus);
        startWindow();
        QCOMPARE(items(), Items(125, {}));
        for (const auto& [saved, percent] : {std::pair{"300", 200}, {"130", 200}, {"", 100}}) {
            savedSettings().setValue("View/Zoom", saved);
            QCOMPARE(boxesDuring([this] { startWindow(); }), QList<ShownBox>());
            QCOMPARE(zoom(), percent);
        }
    }
};

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
