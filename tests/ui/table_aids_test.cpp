// What helps a player beside the mouse: the keys that play, the names a screen reader reads
// and the tooltips show, and the marks left by a computer player's move and by going out.

#include <QAccessible>
#include <QLabel>

#include "announcement_window.h"
#include "card_image.h"
#include "keyboard_play.h"
#include "move_marks.h"
#include "place_outline.h"
#include "window_test_support.h"

using namespace testing_support;

class TableAidsTest : public WindowTest {
    Q_OBJECT

    zanfel::CardNumber card(const QString& image) { return find<CardImage>(image)->card(); }
    void key(Qt::Key key) { QTest::keyClick(window_.get(), key); }
    QString spoken(const QString& name) {
        return QAccessible::queryAccessibleInterface(find(name))->text(QAccessible::Name);
    }

private slots:
    void init() {
        startWindow();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    // Every deck comes out 1..52: the work piles hold the aces, the personal pile shows 5.
    void keysDealPickPlayAndDrop() {
        key(Qt::Key_Space);
        key(Qt::Key_Space);
        QCOMPARE(card("Stack0"), 21);
        key(Qt::Key_2);
        QCOMPARE(window_->keyboardPlay()->ring()->place(), find("Stack2"));
        key(Qt::Key_Return);  // the ace of hearts to the lowest empty foundation
        QCOMPARE(card("Pile0"), 2);
        QVERIFY(!window_->keyboardPlay()->ring()->isVisible());
        key(Qt::Key_5);
        key(Qt::Key_2);  // the two of spades starts the emptied work pile
        QCOMPARE(card("Stack2"), 5);
        key(Qt::Key_6);
        key(Qt::Key_Escape);
        QCOMPARE(window_->keyboardPlay()->picked(), -1);
        key(Qt::Key_Return);
        QCOMPARE(card("Stack0"), 21);
    }

    void namesAndTooltipsFollowTheCards() {
        QCOMPARE(spoken("Pile6"), QStringLiteral("Foundation 7: empty"));
        QTest::mouseClick(find("Deck"), Qt::LeftButton);
        QCOMPARE(spoken("Stack2"), QStringLiteral("Your work pile 2: ace of hearts"));
        QCOMPARE(spoken("Player11"), QStringLiteral("Left Guy's personal pile: two of spades"));
        QCOMPARE(find("Stack0")->toolTip(), QStringLiteral("Your stock: five of hearts, 35 cards"));
        QVERIFY(find("Player17")->toolTip().startsWith("Right Guy's personal pile: two of spades\n"));
        window_->game().playToFoundation(2);
        QCOMPARE(spoken("Pile0"), QStringLiteral("Foundation 1: ace of hearts"));
        QCOMPARE(find("Stack2")->toolTip(), QStringLiteral("Your work pile 2: empty, 0 cards"));
        QCOMPARE(spoken("lblStack2"), QStringLiteral("Cards in Your work pile 2: 0"));
    }

    // The left player's ace of diamonds goes from work pile 4 to foundation 0: both framed in green
    // for no longer than the tick, then nothing.
    void aComputerMoveIsMarkedForAMoment() {
        QTest::mouseClick(find("Deck"), Qt::LeftButton);
        window_->game().tick();
        const MoveMarks* marks = window_->moveMarks();
        QVERIFY(marks->moveFrom()->isVisible() && marks->moveTo()->isVisible());
        QCOMPARE(marks->moveTo()->place(), find("Pile0"));
        QCOMPARE(marks->moveFrom()->place(), find("Player10"));
        QCOMPARE(marks->moveTo()->colour(), QColor(0x00, 0x80, 0x00));
        QTRY_VERIFY_WITH_TIMEOUT(!marks->moveTo()->isVisible() && !marks->moveFrom()->isVisible(), 2000);
    }

    // The personal pile that emptied stays framed in its owner's colour until the
    // announcement has been closed.
    void goingOutFramesTheEmptiedPileUntilTheAnnouncementCloses() {
        QTest::mouseClick(find("Deck"), Qt::LeftButton);
        zanfel::PileList& personal = window_->game().table().lstStack[zanfel::kPersonalSlot];
        personal.clear();
        personal.addEnd(1);
        QColor framed;
        const ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* announcement = dynamic_cast<AnnouncementWindow*>(modal)) {
                if (window_->moveMarks()->goingOut()->isVisible())
                    framed = window_->moveMarks()->goingOut()->colour();
                announcement->accept();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->accept();
            }
        });
        window_->game().playToFoundation(zanfel::kPersonalSlot);
        QCOMPARE(framed, QColor(0xC0, 0x00, 0x00));
        QVERIFY(!window_->moveMarks()->goingOut()->isVisible());
    }
};

QTEST_MAIN(TableAidsTest)
#include "table_aids_test.moc"
