// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the game shown, input forwarded, leaving, hand ends, names, tooltips, marks and flights.

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>

#include "dialogs/announcement_window.h"
#include "layers/card_flight.h"
#include "table/card_table.h"
#include "layers/drop_targets.h"
#include "layers/keyboard_play.h"
#include "layers/move_marks.h"
#include "layers/pause_veil.h"
#include "table/place_names.h"
#include "layers/place_outline.h"
#include "dialogs/score_sheet.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// Answers a hand's end, noting the announcement (+sheet if over one), "sheet", question (Cancel), its cover.
struct HandEndAnswers {
    QStringList seen;
    int sheetsLeftOpen = 0;  // for the game to close
    ModalAnswerer answerer{[this](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QWidget* under = box->parentWidget();
            const bool covers = box->frameGeometry().intersects(under->frameGeometry());
            seen << describeBox(box) + " over " + under->metaObject()->className() +
                        (covers ? " covering it" : "");
            box->button(QMessageBox::Cancel)->click();
        } else if (auto* sheet = qobject_cast<ScoreSheet*>(modal);
                   sheet && seen.value(seen.size() - 1) != "sheet") {
            seen << "sheet";
            // OK queues behind the end-of-game check the sheet queues, which may put the question up.
            if (sheetsLeftOpen-- <= 0)
                QTimer::singleShot(0, sheet, [sheet] {
                    if (QApplication::activeModalWidget() == sheet)
                        sheet->accept();
                });
        } else if (auto* announcement = dynamic_cast<AnnouncementWindow*>(modal)) {
            const auto* sheet = modal->parentWidget()->findChild<ScoreSheet*>();
            seen << announcement->windowTitle() + (sheet && sheet->isVisible() ? "+sheet" : "");
            announcement->accept();
        }
    }};
};

const QPoint kGrip(28, 36);  // where the mouse takes a card, near its top left corner

}  // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    QString text(const QString& label) { return find<QLabel>(label)->text(); }
    void keys(const char* typed) { QTest::keyClicks(window_.get(), typed); }
    QString spoken(const QString& name) {
        return QAccessible::queryAccessibleInterface(find(name))->text(QAccessible::Name);
    }
    // Every card of the human's reaches the foundations: the hand scores 52 for the human.
    void humanWinsAHand() {
        clickDeck();
        for (int slot = zanfel::kStockSlot; slot <= zanfel::kPersonalSlot; ++slot)
            lay(slot, {});
        lay(zanfel::kPersonalSlot, {1});
        window_->game().playToFoundation(zanfel::kPersonalSlot);
    }
    // "Deal Pause Unstuck" as E/-, X if Pause checked, the computers' timer state, items wrongly disabled.
    QString handCommands() {
        const auto state = [this](const char* name) { return action(name)->isEnabled() ? "E" : "-"; };
        QString commands =
            QStringLiteral("%1 %2%3 %4 %5")
                .arg(state("mnuDeal"), state("mnuPause"), action("mnuPause")->isChecked() ? "X" : "",
                     state("mnuUnstuck"), timer()->isActive() ? "running" : "stopped");
        for (const char* name : {"mnuNewGame", "mnuScore", "mnuExit", "mnuLevel1", "mnuLevel5",
                                 "mnuBackColor", "mnuCardCount", "mnuReset", "mnuHelpTopics", "mnuAbout"})
            if (!action(name)->isEnabled())
                commands += QStringLiteral(" but %1 is disabled").arg(name);
        return commands;
    }
    // The mouse at a point of a place, sent as the window system sends it: to the window.
    void mouse(QTest::MouseAction act, const QString& place, QPoint at = kGrip) {
        QTest::mouseEvent(act, window_->windowHandle(), Qt::LeftButton, {},
                          find(place)->mapTo(window_.get(), at));
    }
    // The top card of the human's pile `slot` lifted, carried over the table and let go on `target`.
    void drag(int slot, const QString& target) {
        mouse(QTest::MousePress, QStringLiteral("Stack%1").arg(slot));
        mouse(QTest::MouseMove, target, kGrip + QPoint(0, 12));
        mouse(QTest::MouseMove, target);
        mouse(QTest::MouseRelease, target);
    }
    // Lays cards on one of the human's piles, or of the computer player's at `base`, top card first.
    void lay(int slot, std::initializer_list<zanfel::CardNumber> topFirst, int base = -1) {
        zanfel::Table& table = window_->game().tableForSetUp();
        zanfel::PileList& pile = base < 0 ? table.lstStack[slot] : table.lstPlayer[base + slot];
        pile.clear();
        for (zanfel::CardNumber card : topFirst)
            pile.addEnd(card);
    }
    QString placeName(std::optional<zanfel::PileImage> place) {
        return place ? window_->findChild<CardTable*>()->image(*place)->objectName() : QString("none");
    }

private slots:
    // Right clicks and presses let go off the deck do nothing. Paused: veiled, no lift, but No one can play
    // and pace work; New Game unpauses.
    void deckPauseAndLevelReachTheGameAndTheItemsFollow() {
        clickDeck(Qt::RightButton);
        QTest::mousePress(find("Deck"), Qt::LeftButton);
        QTest::mouseRelease(find("Deck"), Qt::LeftButton, {}, QPoint(-4, 30));
        QCOMPARE(handCommands(), QStringLiteral("E - - stopped"));
        clickDeck();
        QCOMPARE(handCommands(), QStringLiteral("- E E running"));
        QCOMPARE(text("lblStack0") + ' ' + text("lblStack5"), QStringLiteral("35 13"));
        clickDeck();
        QCOMPARE(text("lblTips"), QStringLiteral("Click the back of the red deck for 3 more cards"));
        trigger("mnuPause");
        QCOMPARE(handCommands(), QStringLiteral("- EX E stopped"));
        QVERIFY(layers().veil().isVisible());
        QCOMPARE(layers().veil().text(), QStringLiteral("Paused: Ctrl+Z to go on"));
        mouse(QTest::MousePress, "Stack1");
        mouse(QTest::MouseMove, "Pile0");
        QVERIFY(!layers().dropTargets().isVisible());
        mouse(QTest::MouseRelease, "Pile0");
        trigger("mnuUnstuck");
        QCOMPARE(card("Stack0"), 22);  // 18 after the deal, 21 turned, then one on
        trigger("mnuLevel5");
        QCOMPARE(timer()->interval(), 100);
        trigger("mnuNewGame");  // the pause ends with the hand
        QCOMPARE(handCommands(), QStringLiteral("E - - stopped"));
        QVERIFY(!layers().veil().isVisible());
    }

    // At Blinding, a move or a pause under a tick must not restart the computers' tick, or it never comes.
    void theComputerPlayersKeepTheirPaceWhileTheHumanMovesAndPauses() {
        clickDeck();
        trigger("mnuLevel5");
        lay(1, {17});  // the five of spades
        lay(2, {22});  // onto the six of hearts, and back
        const QSignalSpy ticks(timer(), &QTimer::timeout);
        QElapsedTimer run;
        qint64 playedMs = 0;
        for (int move = 0; move < 30; ++move) {
            run.start();
            drag(move % 2 ? 2 : 1, move % 2 ? "Stack1" : "Stack2");
            QTest::qWait(30);
            trigger("mnuPause");
            playedMs += run.elapsed();
            QTest::qWait(5);
            trigger("mnuPause");
        }
        QCOMPARE(card("Stack1"), 17);  // every move was made, the last one back
        const qint64 due = playedMs / 100;
        QVERIFY2(ticks.count() >= due - 3 && ticks.count() <= due + 2,
                 qPrintable(QStringLiteral("%1 ticks in %2 ms of play").arg(ticks.count()).arg(playedMs)));
    }

    // The close box, mid-hand, ends the program at once: no hand is scored and nothing opens.
    void closingEndsTheProgram() {
        HandEndAnswers answers;
        clickDeck();
        window_->close();
        QVERIFY(window_->ended());
        QVERIFY(!window_->isVisible());
        QVERIFY(answers.seen.isEmpty());
    }

    // 52 and 52 pass 99; Cancel ends the program. Each window made once; the question sits beside the sheet.
    void handEndsThroughTheAnnouncementAndTheSheet() {
        HandEndAnswers answers;
        humanWinsAHand();
        humanWinsAHand();
        QCOMPARE(answers.seen.mid(0, 3),
                 (QStringList{"You won this hand !!", "sheet", "You won this hand !!"}));
        QCOMPARE(answers.seen.last(),
                 QStringLiteral("Zanfel|You Won !!\nDo you want to play again?|0|400400 over ScoreSheet"));
        QCOMPARE(window_->findChildren<QDialog*>().size(), 2);  // the announcement and the sheet
        QVERIFY(window_->ended());
    }

    // Left goes out under Score's sheet: the tick closes it; the hand's windows follow once Score returns.
    void aHandEndingUnderTheScoreSheetIsAnnouncedAfterItCloses() {
        HandEndAnswers answers;
        humanWinsAHand();
        answers.seen.clear();
        answers.sheetsLeftOpen = 1;
        clickDeck();
        zanfel::Game& game = window_->game();
        lay(zanfel::kPersonalSlot, {1}, zanfel::kLeftBase);
        while (game.playerBase() != zanfel::kMiddleBase)
            game.tick();
        trigger("mnuLevel5");
        trigger("mnuScore");  // returns once the sheet, the announcement and the tally are done
        QCOMPARE(answers.seen, (QStringList{"sheet", "Someone else called...", "sheet"}));
        QVERIFY(!window_->ended());
    }

    // Aces on work piles, 2S personal. Stock, deck, computer piles take nothing; deck double-click turns 2.
    void theMouseMovesCardsUpToGoingOut() {
        clickDeck();
        drag(1, "Pile3");
        QCOMPARE(card("Pile3"), 1);
        drag(5, "Stack1");
        QCOMPARE(card("Stack1"), 5);
        QCOMPARE(card("Stack5"), 6);
        for (const char* refusing : {"Stack0", "Deck", "Player0"})
            drag(2, refusing);
        QCOMPARE(card("Stack2"), 2);
        for (const char* place : {"Stack2", "Deck"})
            mouse(QTest::MouseDClick, place, find(place)->rect().center());
        QCOMPARE(card("Pile0"), 2);
        QCOMPARE(card("Stack0"), 24);  // 18 after the deal, then 21, then 24
        lay(5, {3});
        HandEndAnswers answers;
        drag(5, "Pile5");  // the ace of clubs, the last card
        QCOMPARE(answers.seen.value(0), QStringLiteral("You won this hand !!"));
    }

    // Every deck comes out 1..52: the work piles hold the aces, the personal pile shows 5.
    void keysDealPickPlayAndDrop() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        keys("  ");
        QCOMPARE(card("Stack0"), 21);
        keys("2\r");  // the ace of hearts to the lowest empty foundation
        QCOMPARE(card("Pile0"), 2);
        keys("52");  // the two of spades starts the emptied work pile
        QCOMPARE(card("Stack2"), 5);
        keys("1\r61");  // the stock's six of spades to the emptied pile
        QCOMPARE(card("Stack1"), 21);
        keys("16");  // the personal pile and the stock pick, never drop
        QCOMPARE(layers().keyboard().picked(), zanfel::kStockSlot);
        keys("\x1b");  // Escape
        QCOMPARE(layers().keyboard().picked(), -1);
        keys("3");  // a pick left over when the hand is given up
        trigger("mnuNewGame");
        QCOMPARE(layers().keyboard().picked(), -1);
        QVERIFY(!layers().keyboard().ring()->isVisible());
        QTest::keyClick(window_.get(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(window_->ended());
    }

    // Each personal pile tells whose it is, what it shows, what it is for; the human's show counts if shown.
    void namesAndTooltipsFollowTheCards() {
        QStringList decks;  // each in its owner's colour
        for (const char* deck : {"PlayerDeck0", "PlayerDeck1", "PlayerDeck2", "Deck"})
            decks << spoken(deck) + ' ' +
                         find<CardImage>(deck)->picture().toImage().pixelColor(35, 48).name();
        QCOMPARE(decks, (QStringList{"Left Guy's deck #008000", "Middle Guy's deck #000080",
                                     "Right Guy's deck #008080", "Your deck #c00000"}));
        clickDeck();
        const QString endsTheHand = "\nWhoever empties a personal pile first goes out and ends the hand.";
        for (const auto& [place, text] : {std::pair{"Stack5", "Your personal pile: two of spades"},
                                          {"Player5", "Middle Guy's personal pile: two of spades"},
                                          {"Player11", "Left Guy's personal pile: two of spades"},
                                          {"Player17", "Right Guy's personal pile: two of spades"}}) {
            QCOMPARE(spoken(place), QString(text));
            QCOMPARE(find(place)->toolTip(), text + endsTheHand);
        }
        QCOMPARE(find("Stack0")->toolTip(), QStringLiteral("Your stock: five of hearts"));
        trigger("mnuCardCount");
        QCOMPARE(find("Stack0")->toolTip(), QStringLiteral("Your stock: five of hearts, 35 cards"));
        QCOMPARE(cardName(1) + ", " + cardName(52) + ", " + cardName(53),
                 "ace of spades, king of diamonds, empty");
        window_->game().playToFoundation(2);
        QCOMPARE(spoken("Pile0"), QStringLiteral("Foundation 1: ace of hearts"));
        QCOMPARE(find("Stack2")->toolTip(), QStringLiteral("Your work pile 2: empty, 0 cards"));
        QCOMPARE(spoken("lblStack2"), QStringLiteral("Cards in Your work pile 2: 0"));
    }

    // Left's ace of diamonds flies, framed green at both ends, as right moves; at Blinding frames last a
    // tick at most; the human's emptied personal pile stays framed red until the announcement closes.
    void computerMovesFlyAndAreMarked() {
        clickDeck();
        window_->game().tick();
        const MoveMarks* marks = &layers().moveMarks();
        QCOMPARE(marks->moveFrom()->place(), find("Player10"));
        QCOMPARE(marks->moveTo()->place(), find("Pile0"));
        QCOMPARE(marks->moveTo()->colour(), QColor(0x00, 0x80, 0x00));
        const CardFlight* flight = &layers().flight();
        QCOMPARE(flight->target(), find("Pile0"));
        QCOMPARE(flight->cardRect(), find("Player10")->geometry());
        QTRY_VERIFY(flight->cardRect() != find("Player10")->geometry());
        QVERIFY(flight->inFlight());  // between the two: 300 ms at Normal
        QVERIFY(flight->cardRect() != find("Pile0")->geometry());
        window_->game().tick();
        int framed = 0;
        for (QWidget* shown : window_->findChildren<QWidget*>())
            framed += dynamic_cast<PlaceOutline*>(shown) && shown->isVisible();
        QCOMPARE(framed, 4);
        QVERIFY(flight->inFlight());  // the right player's card
        trigger("mnuNewGame");
        QVERIFY(!flight->inFlight());
        clickDeck();
        trigger("mnuLevel5");
        window_->game().tick();
        trigger("mnuPause");  // no one else moves meanwhile
        QTest::qWait(250);    // gone after the tick at Blinding, with room to spare
        QVERIFY(!marks->moveTo()->isVisible());
        trigger("mnuPause");

        lay(zanfel::kPersonalSlot, {1});
        QColor goingOut;
        const ModalAnswerer answerer([&](QWidget* modal) {
            if (dynamic_cast<AnnouncementWindow*>(modal) && marks->goingOut()->isVisible())
                goingOut = marks->goingOut()->colour();
            qobject_cast<QDialog*>(modal)->accept();
        });
        window_->game().playToFoundation(zanfel::kPersonalSlot);
        QCOMPARE(goingOut, QColor(0xC0, 0x00, 0x00));
        QVERIFY(!marks->goingOut()->isVisible());
        trigger("mnuAnimateMoves");  // off, which the next run remembers: no card flies
        startWindow();
        QVERIFY(!action("mnuAnimateMoves")->isChecked());
        clickDeck();
        window_->game().tick();
        QVERIFY(!layers().flight().inFlight());
        trigger("mnuAnimateMoves");  // back on for the tests after, which share the settings
    }

    // 7H lifted off 2S outlines its takers (hearts sixes, black eights, empty pile); the one under it is lit.
    void aLiftedCardShowsWhereItCanGoAndLandsWhereItMostlyLies() {
        clickDeck();
        zanfel::Table& t = window_->game().tableForSetUp();
        t.pileTop[3] = t.pileTop[7] = 22;
        t.pileTop[9] = 24;
        for (auto [slot, top] : {std::pair{1, 29}, {3, 30}, {4, 31}})
            lay(slot, {zanfel::CardNumber(top)});
        lay(2, {});
        lay(5, {26, 5});
        const DropTargets* targets = &layers().dropTargets();
        const QPoint grip(50, 65);
        mouse(QTest::MousePress, "Stack5", grip);
        mouse(QTest::MouseMove, "Stack5", grip - QPoint(0, QApplication::startDragDistance() - 1));
        QVERIFY(!targets->isVisible());  // too short a move to lift the card
        mouse(QTest::MouseMove, "Stack5", grip - QPoint(0, 20));
        QCOMPARE(card("Stack5"), 5);
        QStringList outlined;
        for (zanfel::PileImage place : targets->outlined())
            outlined << placeName(place);
        QCOMPARE(outlined, (QStringList{"Pile3", "Pile7", "Stack1", "Stack2", "Stack4"}));
        QStringList lit;
        for (const auto& [place, at] :
             {std::pair{"Pile3", kGrip}, {"Stack3", kGrip}, {"Pile7", QPoint(60, 40)}}) {
            mouse(QTest::MouseMove, place, at);
            lit << placeName(targets->lit());
        }
        QCOMPARE(lit, (QStringList{"Pile3", "none", "Pile7"}));
        mouse(QTest::MouseRelease, "Pile7", {60, 40});
        QCOMPARE((QList<int>{card("Pile7"), card("Stack5")}), (QList<int>{26, 5}));
        QVERIFY(!targets->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
