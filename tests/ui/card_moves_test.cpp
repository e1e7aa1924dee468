// Moving the human's cards at the window: drops arrive through Qt's drag-and-drop events, a
// double-click plays to a foundation, and the red deck counts every press.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>

#include "card_image.h"
#include "window_test_support.h"

using namespace testing_support;

class CardMovesTest : public WindowTest {
    Q_OBJECT

    zanfel::CardNumber card(const QString& image) { return find<CardImage>(image)->card(); }
    // Two quick clicks as the window system delivers them: press, release, press, release.
    void doubleClick(const QString& image) {
        QWidget* place = find(image);
        const QPoint at = place->mapTo(window_.get(), place->rect().center());
        QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // A drag from the human's pile `slot` let go over `target`; true when the target took it.
    bool drop(const QString& target, int slot) {
        const std::unique_ptr<QMimeData> mime(CardImage::slotMimeData(slot));
        QWidget* place = find(target);
        QDragEnterEvent enter(QPoint(20, 20), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(place, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(20, 20), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(place, &drop);
        return true;
    }

private slots:
    void init() {
        startWindow();
        QTest::mouseClick(find("Deck"), Qt::LeftButton);  // every deck comes out 1..52
    }

    // The work piles hold the four aces. Only the foundations and the human's piles take drops.
    void dropsMoveCardsAndRefuseQuietly() {
        QVERIFY(drop("Pile3", 1));
        QCOMPARE(card("Pile3"), 1);
        QCOMPARE(find<QLabel>("lblStack1")->text(), QStringLiteral("0"));
        QVERIFY(drop("Stack1", 5));  // the two of spades starts the empty work pile
        QCOMPARE(card("Stack1"), 5);
        QVERIFY(drop("Stack0", 2));  // the stock takes nothing
        QCOMPARE(card("Stack2"), 2);
        QVERIFY(!drop("Deck", 2) && !drop("Player0", 2));
        QDragEnterEvent foreign(QPoint(5, 5), Qt::CopyAction, new QMimeData, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(find("Pile0"), &foreign);
        QVERIFY(!foreign.isAccepted());
        delete foreign.mimeData();
    }

    // A double-click on a pile plays its card to the lowest empty foundation; on the red deck it
    // is two presses, so the stock turns twice: 18 is face up after the deal, then 21, then 24.
    void doubleClicksPlayCardsAndTurnTheStockTwice() {
        doubleClick("Stack2");
        QCOMPARE(card("Pile0"), 2);
        QCOMPARE(card("Stack2"), 0);
        doubleClick("Deck");
        QCOMPARE(card("Stack0"), 24);
    }

    // Every stock shows the card that was second: the stock of 18..52 now shows 19.
    void noOneCanPlayMovesEveryStockOn() {
        action("mnuUnstuck")->trigger();
        for (const char* stock : {"Stack0", "Player0", "Player6", "Player12"})
            QCOMPARE(card(stock), 19);
    }
};

QTEST_MAIN(CardMovesTest)
#include "card_moves_test.moc"
