// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: input, leaving, hand ends, names, tooltips, marks and flights.

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>

#include "dialogs/announcement_window.h"
#include "dialogs/score_sheet.h"
#include "layers/card_flight.h"
#include "layers/drop_targets.h"
#include "layers/keyboard_play.h"
#include "layers/move_marks.h"
#include "layers/pause_veil.h"
#include "layers/place_outline.h"
#include "table/card_table.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// Answers a hand's end, noting the announcement (+sheet if over one), "sheet", "question" (Cancel).
struct HandEndAnswers {
    QStringList seen;
    ShownBox question;
    QString questionOver;  // the window under it, by class
    bool questionCovers = false;
    ModalAnswerer answerer{[this](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << "question";
            question = shown(box);
            questionOver = box->parentWidget()->metaObject()->className();
            questionCovers = box->frameGeometry().intersects(box->parentWidget()->frameGeometry());
            box->button(QMessageBox::Cancel)->click();
        } else if (auto* sheet = qobject_cast<ScoreSheet*>(modal);
                   sheet && seen.value(seen.size() - 1) != "sheet") {
            seen << "sheet";
            // OK queues behind the end-of-game check the sheet queues, which may put the question up.
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

struct HandClock : QAnimationDriver {  // the animations' clock, moved on by hand
    qint64 ms = 0;
    qint64 elapsed() const override { return ms; }
};

}  // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    QImage onScreen() {  // as drawn once what waits to be drawn is, without drawing it again
        QTest::qWait(20);
        return window_->screen()->grabWindow(window_->winId()).toImage();
    }
    QString spoken(const QString& name) {
        return QAccessible::queryAccessibleInterface(find(name))->text(QAccessible::Name);
    }
    // The last card by a double-click: 52 for the human.
    void humanWinsAHand() {
        clickDeck();
        window_->game().tableForSetUp().lstStack = {};
        lay(zanfel::kPersonalSlot, {of(1, S)});
        doubleClick("Stack5");
    }
    // The hand's commands as the menu shows them, and the computers' timer.
    struct HandCommands {
        bool deal = false, pause = false, paused = false, noOneCanPlay = false, running = false;
        bool operator==(const HandCommands&) const = default;
    };
    HandCommands handCommands() {
        return {action("mnuDeal")->isEnabled(), action("mnuPause")->isEnabled(),
                action("mnuPause")->isChecked(), action("mnuUnstuck")->isEnabled(), timer()->isActive()};
    }
    QString placeName(std::optional<zanfel::PileImage> place) {
        return place ? window_->findChild<CardTable*>()->image(*place)->objectName() : QString("none");
    }

private slots:
    // Paused: veiled, No one can play offered. A lost link lets go of a held card.
    void deckPauseAndLevelReachTheGameAndTheItemsFollow() {
        QCOMPARE(std::ranges::count_if(window_->findChildren<QAction*>(), &QAction::isSeparator), 7);
        clickDeck();
        QCOMPARE(handCommands(), (HandCommands{.pause = true, .noOneCanPlay = true, .running = true}));
        mouse(QTest::MousePress, "Deck");
        mouse(QTest::MouseMove, "Deck", kGrip + QPoint(0, 30));  // a shaky click turns it too
        mouse(QTest::MouseRelease, "Deck");
        mouse(QTest::MousePress, "Stack1");
        mouse(QTest::MouseMove, "Pile0");
        window_->showLinkLost("The connection was lost");
        QVERIFY(!find("heldCard")->isVisible());
        trigger("mnuPause");
        QCOMPARE(handCommands(), (HandCommands{.pause = true, .paused = true, .noOneCanPlay = true}));
        const QImage veiled = onScreen();
        window_->showLinkLost({});  // new words on the veil that is up
        QCOMPARE(spoken("pauseVeil"), "Paused: Ctrl+Z to go on");
        QVERIFY(onScreen() != veiled);
    }

    // Moves and pauses keep the tick's rest, else acting often would stop the computers; the next is whole.
    void theComputerPlayersKeepTheirPaceWhileTheHumanMovesAndPauses() {
        clickDeck();
        trigger("mnuLevel2");  // a new pace, kept as well
        lay(1, {of(5, S)});
        lay(2, {of(6, H)});  // onto which it goes
        QTest::qWait(300);
        const int rest = timer()->remainingTime();
        drag(1, "Stack2");
        trigger("mnuPause");
        QTest::qWait(50);
        trigger("mnuPause");
        QVERIFY(timer()->remainingTime() < rest + rest / 20 + 5);  // a coarse timer may run a twentieth late
        QVERIFY(QSignalSpy(timer(), &QTimer::timeout).wait());
        QCOMPARE(timer()->interval(), 2000);
        trigger("mnuPause");
        trigger("mnuLevel5");  // a rest kept is never longer than a tick of the new pace
        trigger("mnuPause");
        QVERIFY(timer()->remainingTime() < 150);
        trigger("mnuPause");
        trigger("mnuNewGame");  // the rest kept goes with the hand: the next begins with a whole tick
        trigger("mnuLevel1");
        clickDeck();
        QVERIFY(timer()->remainingTime() > 1000);
    }

    // 52 and 52 pass 99; Cancel ends the program. Windows made once, the question beside the sheet; the last
    // card heard before the hand's end, the game's end after its last going out.
    void handEndsThroughTheAnnouncementAndTheSheet() {
        HandEndAnswers answers;
        humanWinsAHand();
        humanWinsAHand();
        std::erase(sounds_.played, Sound::RivalCard);  // the rivals' cards land whenever the timer says
        QCOMPARE(sounds_.played, (std::vector{Sound::Deal, Sound::OwnCard, Sound::GoingOut, Sound::Deal,
                                              Sound::OwnCard, Sound::GoingOut, Sound::GameOver}));
        QCOMPARE(answers.seen.mid(0, 3),
                 (QStringList{"You won this hand !!", "sheet", "You won this hand !!"}));
        QCOMPARE(answers.question, (ShownBox{"Zanfel", "You Won !!\nDo you want to play again?",
                                             QMessageBox::NoIcon, QMessageBox::Ok | QMessageBox::Cancel}));
        QCOMPARE(answers.questionOver, "ScoreSheet");
        QVERIFY(!answers.questionCovers);
        QCOMPARE(window_->findChildren<QDialog*>().size(), 2);  // the announcement and the sheet
        QVERIFY(window_->ended());
    }

    // Aces on work piles; a deck double-click turns it twice; the stock's card is carried too, and Space
    // meanwhile leaves the stock alone. Closed mid-hand, it ends at once: nothing scored or opened.
    void theMouseMovesCards() {
        clickDeck();
        for (const char* place : {"Stack2", "Deck"})
            doubleClick(place);
        QCOMPARE(card("Stack0"), of(6, D));  // 5H after the deal, then 6S, then 6D
        lay(zanfel::kStockSlot, {of(2, H), of(6, D)});
        drag(zanfel::kStockSlot, "Pile0", " ");
        QCOMPARE(card("Pile0"), of(2, H));
        HandEndAnswers answers;
        window_->close();
        QVERIFY(window_->ended());
        QVERIFY(answers.seen.isEmpty());
    }

    // Every deck comes out in order: the work piles hold the aces, the personal pile shows 2S.
    void keysDealPickPlayAndDrop() {
        focus();
        keys("  ");   // deals, then turns the stock to the six of spades
        keys("2\r");  // the ace of hearts to the lowest empty foundation
        keys("6");    // the stock's six of spades would fit the emptied work pile
        keys("52");   // the two of spades starts it instead
        QCOMPARE(card("Stack2"), of(2, S));
        keys("1\r61");  // the stock's six of spades to the emptied pile
        QCOMPARE(card("Stack1"), of(6, S));
        lay(zanfel::kStockSlot, {of(2, H), of(9, C)});
        keys("6\r");  // the stock's card goes up by Enter too
        QCOMPARE(card("Pile0"), of(2, H));
        keys("16");  // the personal pile and the stock pick, never drop
        QCOMPARE(layers().keyboard().picked(), zanfel::kStockSlot);
        keys("\03370");  // Escape; no pile has the keys 7 and 0
        QCOMPARE(layers().keyboard().picked(), -1);
        keys("3");  // a pick left over when the hand is given up
        QTest::keyClick(window_.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(layers().keyboard().picked(), -1);
    }

    // Each personal pile tells whose it is, what it shows, what it is for; the human's show counts if shown.
    void namesAndTooltipsFollowTheCards() {
        QStringList decks;  // their colours in the reference pictures
        for (const char* deck : {"PlayerDeck0", "PlayerDeck1", "PlayerDeck2", "Deck"})
            decks << spoken(deck);
        QCOMPARE(decks,
                 (QStringList{"Left Guy's deck", "Middle Guy's deck", "Right Guy's deck", "Your deck"}));
        clickDeck();
        const QString endsTheHand = "\nWhoever empties a personal pile first goes out and ends the hand.";
        for (const auto& [place, text] : {std::pair{"Stack5", "Your personal pile: two of spades"},
                                          {"Player17", "Right Guy's personal pile: two of spades"}})
            QCOMPARE(find(place)->toolTip(), text + endsTheHand);
        QVERIFY(spoken("Player8").startsWith("Left Guy's work pile 2: "));
        trigger("mnuCardCount");
        QCOMPARE(find("Stack0")->toolTip(), "Your stock: five of hearts, 35 cards");
        window_->game().playToFoundation(2);
        window_->showImage({zanfel::ImageKind::Foundation, 1}, of(13, D));  // the deck's last card
        QCOMPARE(spoken("Pile1"), "Foundation 2: king of diamonds");
        QCOMPARE(find("Stack2")->toolTip(), "Your work pile 2: empty, 0 cards");
        QCOMPARE(spoken("lblStack2"), "Cards in Your work pile 2: 0");
    }

    // Left's AD slows into place; marks stay three ticks, one at Blinding; yours goes with the announcement.
    void computerMovesFlyAndAreMarked() {
        clickDeck();
        trigger("mnuLevel5");
        timer()->stop();  // no one else moves meanwhile
        const QRect from = find("Player10")->geometry(), to = find("Pile0")->geometry();
        HandClock clock;
        clock.install();
        window_->game().tick();
        QCOMPARE(CardFlight::durationFor(3000), 300);  // 300 ms at most, however slow the pace
        const QImage flying = find("table")->grab(from.adjusted(3, 3, -3, -3)).toImage();
        QTRY_VERIFY(clock.isRunning());
        clock.ms = 25;  // half its 50 ms at Blinding: fast away, seven eighths of the way
        clock.advance();
        QCOMPARE(layers().flight().cardRect().topLeft(), (from.topLeft() + to.topLeft() * 7) / 8);
        clock.ms = 50;
        clock.advance();
        QVERIFY(!layers().flight().inFlight());
        QCOMPARE(find("table")->grab(to.adjusted(3, 3, -3, -3)).toImage(), flying);  // its corners aside
        // Its mark gone after the tick at Blinding, long before three ticks however late the timer.
        QTRY_VERIFY_WITH_TIMEOUT(!layers().moveMarks().moveTo()->isVisible(), 200);
        window_->game().tick();  // the right player's card, in the air as the hand is given up
        trigger("mnuNewGame");
        QVERIFY(!layers().flight().inFlight());
        clickDeck();
        trigger("mnuLevel4");
        window_->game().tick();
        trigger("mnuPause");  // the marks wait with the players
        QTest::qWait(600);
        trigger("mnuPause");
        timer()->stop();     // no one else moves meanwhile
        QTest::qWait(1000);  // three ticks of 500 ms, the pause aside: until its player's next move is due
        QVERIFY(layers().moveMarks().moveTo()->isVisible());
        QThread::msleep(700);  // its time over, its timeout undelivered: a pause now must not keep it
        trigger("mnuPause");
        trigger("mnuPause");
        timer()->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!layers().moveMarks().moveTo()->isVisible(), 200);

        HandEndAnswers answers;
        mouse(QTest::MousePress, "Stack1");  // held as the hand ends: its release goes to the announcement
        mouse(QTest::MouseMove, "Pile0");
        humanGoesOut(window_->game());
        QVERIFY(!layers().moveMarks().goingOut()->isVisible());
        clickDeck();  // in the next hand the same pile's card is lifted afresh
        drag(1, "Pile0");
        QCOMPARE(card("Pile0"), of(1, S));
        trigger("mnuAnimateMoves");  // off, which the next run remembers: no card flies
        startWindow();
        QVERIFY(!action("mnuAnimateMoves")->isChecked());
        clickDeck();
        window_->game().tick();
        QVERIFY(!layers().flight().inFlight());
        trigger("mnuAnimateMoves");  // back on for the tests after, which share the settings
    }

    // Stock's 7H (on 2S) outlines its takers (hearts sixes, black eights, empty pile); the one under it: lit.
    void aLiftedCardShowsWhereItCanGoAndLandsWhereItMostlyLies() {
        clickDeck();
        zanfel::Table& t = window_->game().tableForSetUp();
        t.pileTop[3] = t.pileTop[7] = of(6, H);
        for (auto [slot, top] : {std::pair{1, of(8, S)}, {3, of(7, H)}, {4, of(8, C)}})
            lay(slot, {top});
        lay(2, {});
        lay(0, {of(7, H), of(2, S)});
        const DropTargets* targets = &layers().dropTargets();
        const QPoint besidePile3 = find("Pile3")->mapTo(window_.get(), QPoint(-1, 30));
        const QColor table = onScreen().pixelColor(besidePile3);
        const QPoint grip(50, 65);
        mouse(QTest::MousePress, "Stack0", grip);
        mouse(QTest::MouseMove, "Stack0", grip - QPoint(0, QApplication::startDragDistance() - 1));
        QVERIFY(!targets->isVisible());  // too short a move to lift the card
        mouse(QTest::MouseMove, "Stack0", grip - QPoint(0, 20));
        QStringList outlined;
        for (zanfel::PileImage place : targets->outlined())
            outlined << placeName(place);
        QCOMPARE(outlined, (QStringList{"Pile3", "Pile7", "Stack1", "Stack2", "Stack4"}));
        t.pileTop[3] = of(7, H);  // a computer player's, meanwhile: the outline beside it goes too
        static_cast<zanfel::TableView&>(*window_).showImage({zanfel::ImageKind::Foundation, 3}, of(7, H));
        QCOMPARE(onScreen().pixelColor(besidePile3), table);
        t.pileTop[3] = of(6, H);
        QStringList lit;
        for (const auto& [place, at] :
             {std::pair{"Pile3", kGrip}, {"Stack3", kGrip}, {"Pile7", QPoint(60, 40)}}) {
            mouse(QTest::MouseMove, place, at);
            lit << placeName(targets->lit());
        }
        QCOMPARE(lit, (QStringList{"Pile3", "none", "Pile7"}));
        keys("1\r\033");  // 8S: no pick, play or Escape while 7H is held
        mouse(QTest::MouseRelease, "Pile7", {60, 40});
        QCOMPARE((QList<int>{card("Pile7"), card("Stack0")}), (QList<int>{of(7, H), of(2, S)}));
        QVERIFY(!targets->isVisible());
    }

    // A lift puts a pick away, Ctrl+Z the card, a pause a pick; the pointer finds the veil. The real window's
    // run shows it.
    void aPauseVeilsEveryCardAndTheKeysPickNothing() {
        focus();
        clickDeck();
        keys("1");
        mouse(QTest::MousePress, "Stack2");
        mouse(QTest::MouseMove, "Pile1");
        QVERIFY(find("heldCard")->isVisible() && !layers().keyboard().ring()->isVisible());
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!find("heldCard")->isVisible());
        keys("2 \r6");
        mouse(QTest::MouseRelease, "Pile1");
        trigger("mnuPause");
        keys("1");
        mouse(QTest::MousePress, "Stack1");  // nor is a card pressed before the pause lifted
        trigger("mnuPause");
        mouse(QTest::MouseMove, "Pile0");
        QVERIFY(!layers().keyboard().ring()->isVisible() && !layers().dropTargets().isVisible());
        QCOMPARE(window_->childAt(find("Stack5")->mapTo(window_.get(), kGrip)), &layers().veil());
        QCOMPARE((QList<int>{card("Stack2"), card("Pile1"), card("Stack0")}),
                 (QList<int>{of(1, H), 0, of(5, H)}));
    }

    // Four clicks bring the stock round: the line beside the hint, No one can play stands out; Stuck Cue off
    // hides it all. Left's AD, on the timer, frees the two; the next run remembers the option.
    void theStuckCueComesWhenTurningCannotHelpAndGoesAtTheNextMove() {
        clickDeck();
        lay(zanfel::kStockSlot, {of(5, S), of(5, C), of(6, S), of(6, C)});
        for (auto [slot, suit] : {std::pair{1, S}, {2, C}, {3, H}, {4, D}})
            lay(slot, {of(9, suit)});
        lay(zanfel::kPersonalSlot, {of(2, D)});
        const auto cue = [this] {
            return QList<bool>{find("lblStuck")->isVisible(), action("mnuUnstuck")->font().bold()};
        };
        for (int turn = 1; turn <= 4; ++turn)
            clickDeck();
        QCOMPARE(cue(), QList<bool>({true, true}));
        QCOMPARE(find<QLabel>("lblStuck")->text(), "None of your cards can move. Try No one can play.");
        trigger("mnuStuckCue");
        QCOMPARE(cue(), QList<bool>({false, false}));
        trigger("mnuStuckCue");
        QCOMPARE(cue(), QList<bool>({true, true}));
        QTRY_COMPARE_WITH_TIMEOUT(cue(), QList<bool>({false, false}), 3000);
        trigger("mnuStuckCue");
        startWindow();
        QVERIFY(!action("mnuStuckCue")->isChecked());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
