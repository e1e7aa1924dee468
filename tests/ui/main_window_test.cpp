// The main window: how it stands after start-up, and that it shows the game and forwards the
// player's clicks, drops, keys and menu commands; leaving, the windows at the end of a hand,
// and the aids beside the mouse: screen-reader names, tooltips and move marks.

#include <QAccessible>
#include <QActionGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "announcement_window.h"
#include "keyboard_play.h"
#include "move_marks.h"
#include "pictures.h"
#include "place_outline.h"
#include "score_sheet.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// Each menu: its title, then every item as "name|caption|shortcut|state" or "name|-" for a
// separator; the state holds E if it is enabled, C if it is checkable and X if it is checked.
// The offscreen screen is 800 x 600, where no zoom larger than 100 % fits: all three are grey.
const QStringList kStartUpMenus{
    "&Game: mnuNewGame|&New Game|Ctrl+N|E, mnuDeal|&Deal|Ctrl+D|E, mnuPause|&Pause|Ctrl+Z|C, space1|-, "
    "mnuScore|&Score||E, space2|-, mnuExit|&Exit|Ctrl+X|E",
    "&Skill Level: mnuLevel1|&Super Easy||EC, mnuLevel2|&Easy||EC, mnuLevel3|&Normal||ECX, "
    "mnuLevel4|&Really Hard||EC, mnuLevel5|&Blinding||EC",
    "&Options: mnuBackColor|&Background Color...||E, mnuCardCount|&Show Card Count||EC, spaceZoom|-, "
    "mnuZoomIn|Zoom In|Ctrl++|, mnuZoomOut|Zoom Out|Ctrl+-|, mnuActualSize|Actual Size|Ctrl+0|, space3|-, "
    "mnuReset|&Reset Options||E",
    "&Help: mnuHelpTopics|Help Topics||E, mnuAbout|&About||E, space4|-, mnuUnstuck|&No one can play||"};

QString describe(const QAction* item) {
    if (item->isSeparator())
        return item->objectName() + "|-";
    const QString state = QString(item->isEnabled() ? "E" : "") + (item->isCheckable() ? "C" : "") +
                          (item->isChecked() ? "X" : "");
    return QStringList{item->objectName(), item->text(), item->shortcut().toString(), state}.join('|');
}

// Answers the windows of a hand's end and notes each in `seen`: the announcement's caption
// (with "+sheet" if a sheet is still up under it), "sheet", and the question's box with the
// window it came up over.
struct HandEndAnswers {
    QStringList seen;
    qint64 pictureKey = 0;
    QMessageBox::StandardButton reply = QMessageBox::Ok;
    int sheetsLeftOpen = 0;  // for the game to close
    ModalAnswerer answerer{[this](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << describeBox(box) + " over " + box->parentWidget()->metaObject()->className();
            box->button(reply)->click();
        } else if (auto* sheet = qobject_cast<ScoreSheet*>(modal);
                   sheet && seen.value(seen.size() - 1) != "sheet") {
            seen << "sheet";
            // The sheet runs the end-of-game check from a call it queues as it comes up: OK is
            // queued behind that, and left out when the check has put its question over the sheet.
            if (sheetsLeftOpen-- <= 0)
                QTimer::singleShot(0, sheet, [sheet] {
                    if (QApplication::activeModalWidget() == sheet)
                        sheet->accept();
                });
        } else if (auto* announcement = dynamic_cast<AnnouncementWindow*>(modal)) {
            const auto* sheet = modal->parentWidget()->findChild<ScoreSheet*>();
            seen << announcement->windowTitle() + (sheet && sheet->isVisible() ? "+sheet" : "");
            pictureKey = announcement->picture().cacheKey();
            announcement->accept();
        }
    }};
};

}  // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    QString text(const QString& label) { return find<QLabel>(label)->text(); }
    void key(Qt::Key key) { QTest::keyClick(window_.get(), key); }
    QString spoken(const QString& name) {
        return QAccessible::queryAccessibleInterface(find(name))->text(QAccessible::Name);
    }
    // Every card of the human's reaches the foundations: the hand scores 52 for the human.
    void humanWinsAHand() {
        clickDeck();
        zanfel::Table& table = window_->game().tableForSetUp();
        for (auto& list : table.lstStack)
            list.clear();
        table.lstStack[zanfel::kPersonalSlot].addEnd(1);
        window_->game().playToFoundation(zanfel::kPersonalSlot);
    }
    // "Deal Pause Unstuck" as E (enabled) or - (disabled), X after Pause when it is checked,
    // then whether the computer players' timer runs.
    QString handCommands() {
        const auto state = [this](const char* name) { return action(name)->isEnabled() ? "E" : "-"; };
        return QStringLiteral("%1 %2%3 %4 %5")
            .arg(state("mnuDeal"), state("mnuPause"), action("mnuPause")->isChecked() ? "X" : "",
                 state("mnuUnstuck"), timer()->isActive() ? "running" : "stopped");
    }
    // A drag from the human's pile `slot` let go over `target` through Qt's own events; true
    // when the target took it.
    bool drop(const QString& target, int slot) {
        const std::unique_ptr<QMimeData> mime(CardImage::slotMimeData(slot));
        QDragEnterEvent enter(QPoint(20, 20), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(find(target), &enter);
        QDropEvent drop(QPointF(20, 20), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        return enter.isAccepted() && QApplication::sendEvent(find(target), &drop);
    }
    // Two quick clicks as the window system delivers them: press, release, press, release.
    void doubleClick(const QString& image) {
        const QPoint at = find(image)->mapTo(window_.get(), find(image)->rect().center());
        QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    }

private slots:
    // Drawn for a smaller font than ours, the count caption runs on to the right, uncut. One
    // image of each group whose order is easy to get wrong: the middle player's row, the
    // foundations' numbering, the left and right players' piles.
    void windowStandsAsAtStartUp() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Zanfel v2.0"));
        QCOMPARE(window_->centralWidget()->size(), QSize(754, 452));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(text("lblTips"), QStringLiteral("Click the back of the red deck to deal"));
        QStringList backs;  // every image but these four shows the empty place
        for (const CardImage* image : window_->findChildren<CardImage*>())
            if (image->picture().cacheKey() != emptyPlacePicture({}).cacheKey())
                backs << image->objectName() + ' ' + image->picture().toImage().pixelColor(35, 48).name();
        QCOMPARE(backs, (QStringList{"PlayerDeck0 #008000", "PlayerDeck1 #000080", "PlayerDeck2 #008080",
                                     "Deck #c00000"}));
        QStringList menus;
        for (const QAction* title : window_->menuBar()->actions()) {
            QStringList items;
            for (const QAction* item : title->menu()->actions())
                items << describe(item);
            menus << title->text() + ": " + items.join(", ");
        }
        QCOMPARE(menus, kStartUpMenus);
        QList<QRect> places;
        for (const char* name : {"Deck", "Stack5", "Player5", "Pile0", "Pile9", "Pile15", "Player8",
                                 "Player11", "Player15", "PlayerDeck2", "lblTips"})
            places << find(name)->geometry();
        const QList<QRect> wanted{{547, 352, 57, 73}, {424, 352, 57, 73}, {272, 0, 57, 73},
                                  {248, 256, 57, 73}, {184, 136, 57, 73}, {504, 224, 57, 73},
                                  {80, 136, 57, 73},  {16, 96, 57, 73},   {616, 216, 57, 73},
                                  {680, 93, 57, 73},  {616, 392, 129, 41}};
        QCOMPARE(places, wanted);
        const auto* caption = find<QLabel>("lblStack6");
        QCOMPARE(caption->pos(), QPoint(88, 432));
        QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
        QVERIFY(caption->geometry().right() < find("lblStack1")->x());
    }

    // A right click does nothing; the counts show the dealt cards, the stock turns and No one
    // can play moves it on; a new pace set while paused waits for the resume. The items follow
    // every step.
    void deckPauseAndLevelReachTheGameAndTheItemsFollow() {
        clickDeck(Qt::RightButton);
        QCOMPARE(handCommands(), QStringLiteral("E - - stopped"));
        clickDeck();
        QCOMPARE(handCommands(), QStringLiteral("- E E running"));
        QCOMPARE(text("lblStack0") + text("lblStack5"), QStringLiteral("3513"));
        clickDeck();
        trigger("mnuUnstuck");
        QCOMPARE(card("Stack0"), 22);  // 18 after the deal, 21 turned, then one on
        trigger("mnuPause");
        QCOMPARE(handCommands(), QStringLiteral("- EX E stopped"));
        trigger("mnuLevel5");
        QCOMPARE(timer()->interval(), 100);
        QCOMPARE(find<QActionGroup>("mnuLevel")->checkedAction(), action("mnuLevel5"));
        trigger("mnuLevel5");  // the current level again keeps its mark
        QVERIFY(action("mnuLevel5")->isChecked() && !action("mnuLevel3")->isChecked());
        trigger("mnuPause");
        QCOMPARE(handCommands(), QStringLiteral("- E E running"));
    }

    // Mid-hand, at once: no hand is scored and nothing opens.
    void exitAndClosingEndTheProgram() {
        for (bool byMenu : {true, false}) {
            HandEndAnswers answers;
            clickDeck();
            byMenu ? trigger("mnuExit") : void(window_->close());
            QVERIFY(window_->ended() && !window_->isVisible() && !timer()->isActive());
            QVERIFY(answers.seen.isEmpty());
            startWindow();
        }
    }

    // Two hands that the human wins outright: 52 and 52 pass 99, and Cancel ends the program.
    // Each window is made once, over the table, and the question comes up over the sheet.
    void handEndsThroughTheAnnouncementAndTheSheet() {
        HandEndAnswers answers;
        answers.reply = QMessageBox::Cancel;
        humanWinsAHand();
        humanWinsAHand();
        QCOMPARE(answers.seen.mid(0, 3),
                 (QStringList{"You won this hand !!", "sheet", "You won this hand !!"}));
        QCOMPARE(answers.seen.last(),
                 QStringLiteral("Zanfel|You Won !!\nDo you want to play again?|0|400400 over ScoreSheet"));
        QCOMPARE(answers.pictureKey, goingOutPicture(AnnouncementPicture::Youout, 1).cacheKey());
        QCOMPARE(window_->findChildren<QDialog*>().size(), 2);  // the announcement and the sheet
        QVERIFY(!window_->isVisible() && !window_->findChild<ScoreSheet*>()->isVisible());
    }

    // The left player goes out while the sheet is open from the Score command: the tick closes
    // that sheet, and the announcement and the hand's own sheet follow once the Score
    // command's modal showing has returned.
    void aHandEndingUnderTheScoreSheetIsAnnouncedAfterItCloses() {
        {
            HandEndAnswers firstHand;
            humanWinsAHand();
        }
        clickDeck();
        zanfel::Game& game = window_->game();
        zanfel::PileList& leftPersonal =
            game.tableForSetUp().lstPlayer[zanfel::kLeftBase + zanfel::kPersonalSlot];
        leftPersonal.clear();
        leftPersonal.addEnd(1);
        while (game.playerBase() != zanfel::kMiddleBase)
            game.tick();
        trigger("mnuLevel5");

        HandEndAnswers answers;
        answers.sheetsLeftOpen = 1;
        trigger("mnuScore");  // returns once the sheet, the announcement and the tally are done

        QCOMPARE(answers.seen, (QStringList{"sheet", "Someone else called...", "sheet"}));
        QCOMPARE(answers.pictureKey, goingOutPicture(AnnouncementPicture::Theyout, 1).cacheKey());
        QVERIFY(!window_->ended());
    }

    // The work piles hold the four aces. Only the foundations and the human's piles take drops,
    // and only a card dragged from the table. A double-click on a pile plays its card to the
    // lowest empty foundation; on the red deck it is two presses, so the stock turns twice.
    void dropsAndDoubleClicksMoveCards() {
        clickDeck();
        QVERIFY(drop("Pile3", 1));
        QCOMPARE(card("Pile3"), 1);
        QVERIFY(drop("Stack1", 5));  // the two of spades starts the empty work pile
        QCOMPARE(card("Stack1"), 5);
        QVERIFY(drop("Stack0", 2));  // taken from the window, then refused quietly by the stock
        QVERIFY(!drop("Deck", 2) && !drop("Player0", 2));
        QDragEnterEvent foreign(QPoint(5, 5), Qt::CopyAction, new QMimeData, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(find("Pile0"), &foreign);
        QVERIFY(!foreign.isAccepted());
        delete foreign.mimeData();
        doubleClick("Stack2");
        QCOMPARE(card("Pile0"), 2);
        QCOMPARE(card("Stack2"), 0);
        doubleClick("Deck");
        QCOMPARE(card("Stack0"), 24);  // 18 after the deal, then 21, then 24
    }

    // Every deck comes out 1..52: the work piles hold the aces, the personal pile shows 5.
    void keysDealPickPlayAndDrop() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClicks(window_.get(), "  ");
        QCOMPARE(card("Stack0"), 21);
        QTest::keyClicks(window_.get(), "2");
        QCOMPARE(window_->keyboardPlay()->ring()->place(), find("Stack2"));
        key(Qt::Key_Return);  // the ace of hearts to the lowest empty foundation
        QCOMPARE(card("Pile0"), 2);
        QVERIFY(!window_->keyboardPlay()->ring()->isVisible());
        QTest::keyClicks(window_.get(), "52");  // the two of spades starts the emptied work pile
        QCOMPARE(card("Stack2"), 5);
        QTest::keyClicks(window_.get(), "6");
        key(Qt::Key_Escape);
        QCOMPARE(window_->keyboardPlay()->picked(), -1);
        key(Qt::Key_Return);
        QCOMPARE(card("Stack0"), 21);
    }

    void namesAndTooltipsFollowTheCards() {
        QCOMPARE(spoken("Pile6"), QStringLiteral("Foundation 7: empty"));
        clickDeck();
        QCOMPARE(spoken("Stack2"), QStringLiteral("Your work pile 2: ace of hearts"));
        QCOMPARE(spoken("Player11"), QStringLiteral("Left Guy's personal pile: two of spades"));
        QCOMPARE(find("Stack0")->toolTip(), QStringLiteral("Your stock: five of hearts, 35 cards"));
        QVERIFY(find("Player17")->toolTip().startsWith("Right Guy's personal pile: two of spades\n"));
        window_->game().playToFoundation(2);
        QCOMPARE(spoken("Pile0"), QStringLiteral("Foundation 1: ace of hearts"));
        QCOMPARE(find("Stack2")->toolTip(), QStringLiteral("Your work pile 2: empty, 0 cards"));
        QCOMPARE(spoken("lblStack2"), QStringLiteral("Cards in Your work pile 2: 0"));
    }

    // The left player's ace of diamonds goes from work pile 4 to foundation 0: both framed in
    // green for no longer than the tick. The human's emptied personal pile stays framed in red
    // until the announcement has been closed.
    void movesAndGoingOutAreMarked() {
        clickDeck();
        window_->game().tick();
        const MoveMarks* marks = window_->moveMarks();
        QVERIFY(marks->moveFrom()->isVisible() && marks->moveTo()->isVisible());
        QCOMPARE(marks->moveTo()->place(), find("Pile0"));
        QCOMPARE(marks->moveFrom()->place(), find("Player10"));
        QCOMPARE(marks->moveTo()->colour(), QColor(0x00, 0x80, 0x00));
        QTRY_VERIFY_WITH_TIMEOUT(!marks->moveTo()->isVisible() && !marks->moveFrom()->isVisible(), 2000);

        zanfel::PileList& personal = window_->game().tableForSetUp().lstStack[zanfel::kPersonalSlot];
        personal.clear();
        personal.addEnd(1);
        QColor framed;
        const ModalAnswerer answerer([&](QWidget* modal) {
            if (dynamic_cast<AnnouncementWindow*>(modal) && marks->goingOut()->isVisible())
                framed = marks->goingOut()->colour();
            qobject_cast<QDialog*>(modal)->accept();
        });
        window_->game().playToFoundation(zanfel::kPersonalSlot);
        QCOMPARE(framed, QColor(0xC0, 0x00, 0x00));
        QVERIFY(!marks->goingOut()->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
