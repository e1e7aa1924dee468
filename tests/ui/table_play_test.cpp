// Playing at the window: the red deck, the pace and the pause, the card counts, leaving, and
// the windows at the end of a hand.

#include <QAction>
#include <QLabel>
#include <QTest>

#include "announcement_window.h"
#include "card_image.h"
#include "pictures.h"
#include "score_sheet.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// Closes every modal window of a hand's end and notes what each showed, in order.
class EndOfHandAnswers {
public:
    explicit EndOfHandAnswers(QMessageBox::StandardButton reply = QMessageBox::Ok)
        : reply_(reply), answerer_([this](QWidget* modal) { answer(modal); }) {}

    QStringList seen;               // "You won this hand !!", "sheet", "question"...
    std::vector<QWidget*> windows;  // the announcement and the sheet, at every showing
    qint64 pictureKey = 0;
    MessageBoxSeen question;

private:
    void answer(QWidget* modal) {
        if (auto* sheet = qobject_cast<ScoreSheet*>(modal)) {
            answerSheet(sheet);
        } else if (auto* announcement = dynamic_cast<AnnouncementWindow*>(modal)) {
            windows.push_back(announcement);
            seen << announcement->windowTitle();
            pictureKey = announcement->picture().cacheKey();
            announcement->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << QStringLiteral("question");
            question.answer(box, reply_);
        }
    }

    // The sheet runs the end-of-game check from a call it queues as it comes up: OK is queued
    // behind that, and left out when the check has put its question over the sheet.
    void answerSheet(ScoreSheet* sheet) {
        if (sheetPending_)
            return;
        sheetPending_ = true;
        windows.push_back(sheet);
        seen << QStringLiteral("sheet");
        QMetaObject::invokeMethod(
            sheet,
            [this, sheet] {
                sheetPending_ = false;
                if (QApplication::activeModalWidget() == sheet)
                    sheet->accept();
            },
            Qt::QueuedConnection);
    }

    QMessageBox::StandardButton reply_;
    bool sheetPending_ = false;
    ModalAnswerer answerer_;
};

}  // namespace

class TablePlayTest : public QObject {
    Q_OBJECT

    PrivateSettings settings_;
    FirstPlaceRandom random_;
    std::unique_ptr<Form1> window_;

    template <typename T = CardImage>
    T* find(const QString& name) {
        T* child = window_->findChild<T*>(name);
        if (!child)
            qFatal("no child named %s", qPrintable(name));
        return child;
    }
    QAction* action(const QString& name) { return find<QAction>(name); }
    QTimer* timer() { return find<QTimer>("PlayerTimer"); }
    zanfel::CardNumber card(const QString& image) { return find(image)->card(); }
    QStringList counts() {
        QStringList texts;
        for (int k = 0; k <= 5; ++k)
            texts << find<QLabel>(QStringLiteral("lblStack%1").arg(k))->text();
        return texts;
    }
    void clickDeck(Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(find("Deck"), button); }
    void checkedLevelIs(int level) {
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(action(QStringLiteral("mnuLevel%1").arg(n))->isChecked(), n == level);
    }
    // Every card of the human's has reached the foundations: the hand scores 52 for the human.
    void humanPlaysEverything() {
        for (auto& list : window_->game().table().lstStack)
            list.clear();
    }

private slots:
    void initTestCase() { QVERIFY(settings_.ok()); }
    void init() { window_ = startedWindow(random_); }
    void cleanup() {
        window_.reset();
        clearQuitRequest();
    }

    void deckClickDealsThenTurnsTheStockByThree() {
        clickDeck(Qt::RightButton);
        QVERIFY(!timer()->isActive());

        clickDeck();
        QCOMPARE(counts(), (QStringList{"35", "1", "1", "1", "1", "13"}));
        QVERIFY(!action("mnuDeal")->isEnabled());
        QVERIFY(action("mnuPause")->isEnabled() && !action("mnuPause")->isChecked());
        QVERIFY(action("mnuUnstuck")->isEnabled());
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 1000);
        QCOMPARE(find<QLabel>("lblTips")->text(),
                 QStringLiteral("Click the back of the red deck for 3 more cards"));
        QCOMPARE(card("Stack5"), 5);
        QCOMPARE(find("Stack5")->picture().cacheKey(), facePicture(5).cacheKey());
        QCOMPARE(card("Stack1"), 1);
        QCOMPARE(card("Stack4"), 4);
        QCOMPARE(card("Stack0"), 18);
        QCOMPARE(card("Player17"), 5);  // the right player's personal pile
        QCOMPARE(card("Pile0"), zanfel::kNoCard);

        clickDeck();
        QCOMPARE(card("Stack0"), 21);
        QCOMPARE(find("Stack0")->picture().cacheKey(), facePicture(21).cacheKey());
        QCOMPARE(counts()[0], QStringLiteral("35"));
        clickDeck();
        QCOMPARE(card("Stack0"), 24);
    }

    void deckClickWhilePausedDoesNothing() {
        clickDeck();
        action("mnuPause")->trigger();
        clickDeck();
        QCOMPARE(card("Stack0"), 18);
        QVERIFY(!timer()->isActive());
    }

    void skillLevelSetsTheTimer_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("interval");
        const int intervals[] = {0, 3000, 2000, 1000, 500, 100};
        for (int level = 1; level <= 5; ++level)
            QTest::addRow("level %d", level) << level << intervals[level];
    }
    void skillLevelSetsTheTimer() {
        QFETCH(int, level);
        QFETCH(int, interval);
        action(QStringLiteral("mnuLevel%1").arg(level))->trigger();
        QCOMPARE(timer()->interval(), interval);
        QVERIFY(!timer()->isActive());
        checkedLevelIs(level);
        // During a hand, after another level and chosen twice: still one mark.
        clickDeck();
        action(QStringLiteral("mnuLevel%1").arg(level == 1 ? 5 : 1))->trigger();
        action(QStringLiteral("mnuLevel%1").arg(level))->trigger();
        action(QStringLiteral("mnuLevel%1").arg(level))->trigger();
        QCOMPARE(timer()->interval(), interval);
        QVERIFY(timer()->isActive());
        checkedLevelIs(level);
    }

    void pauseStopsAndResumesTheComputerPlayers() {
        clickDeck();
        QAction* pause = action("mnuPause");
        pause->trigger();
        QVERIFY(pause->isChecked());
        QVERIFY(!timer()->isActive());
        action("mnuLevel5")->trigger();  // a new pace waits for the resume
        QCOMPARE(timer()->interval(), 100);
        QVERIFY(!timer()->isActive());
        pause->trigger();
        QVERIFY(!pause->isChecked());
        QVERIFY(timer()->isActive());
        // New Game while paused: the mark goes, Pause is disabled, the timer stops.
        pause->trigger();
        action("mnuNewGame")->trigger();
        QVERIFY(!pause->isChecked() && !pause->isEnabled());
        QVERIFY(!timer()->isActive());
        QVERIFY(action("mnuDeal")->isEnabled());
    }

    void cardCountShowsAndHidesTheCounts() {
        QAction* cardCount = action("mnuCardCount");
        cardCount->trigger();
        QVERIFY(cardCount->isChecked());
        for (int k = 0; k <= 6; ++k)
            QVERIFY(find<QLabel>(QStringLiteral("lblStack%1").arg(k))->isVisible());
        cardCount->trigger();
        QVERIFY(!cardCount->isChecked());
        for (int k = 0; k <= 6; ++k)
            QVERIFY(find<QLabel>(QStringLiteral("lblStack%1").arg(k))->isHidden());
    }

    void exitAndClosingEndTheProgram() {
        clickDeck();
        action("mnuExit")->trigger();
        QVERIFY(window_->ended() && !window_->isVisible());
        QVERIFY(!timer()->isActive());
        init();
        clickDeck();
        window_->close();
        QVERIFY(window_->ended());
        QVERIFY(!timer()->isActive());
    }

    // Two hands that the human wins outright: 52 and 52 pass 99, and Cancel ends the program.
    void handEndsThroughTheAnnouncementAndTheSheet() {
        EndOfHandAnswers answers{QMessageBox::Cancel};
        action("mnuScore")->trigger();  // nothing scored yet: nothing opens
        for (int hand = 1; hand <= 2; ++hand) {
            clickDeck();
            humanPlaysEverything();
            window_->game().humanGoesOut();
        }
        QCOMPARE(answers.seen.mid(0, 3),
                 (QStringList{"You won this hand !!", "sheet", "You won this hand !!"}));
        QCOMPARE(answers.seen.last(), QStringLiteral("question"));
        QCOMPARE(answers.pictureKey, goingOutPicture(zanfel::Picture::Youout).cacheKey());
        QCOMPARE(answers.question.text, QStringLiteral("You Won !!\nDo you want to play again?"));
        // Each window is made once, over the table, and the question comes up over the sheet.
        QCOMPARE(answers.windows[0], answers.windows[2]);
        QCOMPARE(answers.windows[1]->parentWidget(), window_.get());
        QCOMPARE(answers.question.parent, answers.windows[1]);
        QVERIFY(window_->ended());
        QVERIFY(!window_->isVisible() && !answers.windows[1]->isVisible());
    }

    // The left player goes out while the sheet is open from the Score command: the tick closes
    // that sheet, and the announcement and the hand's own sheet follow once the Score
    // command's modal showing has returned, with no computer move in between.
    void aHandEndingUnderTheScoreSheetIsAnnouncedAfterItCloses() {
        {
            EndOfHandAnswers firstHand;
            clickDeck();
            humanPlaysEverything();
            window_->game().humanGoesOut();
        }
        clickDeck();
        zanfel::Game& game = window_->game();
        zanfel::PileList& leftPersonal = game.table().lstPlayer[zanfel::kLeftBase + zanfel::kPersonalSlot];
        leftPersonal.clear();
        leftPersonal.addEnd(1);
        while (game.playerBase() != zanfel::kMiddleBase)
            game.tick();
        action("mnuLevel5")->trigger();

        QStringList seen;
        bool sheetUp = false;
        bool sheetVisibleAtAnnouncement = true;
        int baseAtAnnouncement = -1;
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* sheet = qobject_cast<ScoreSheet*>(modal)) {
                if (sheetUp)
                    return;
                sheetUp = true;
                seen << QStringLiteral("sheet");
                if (seen.size() > 1)  // the hand's own sheet: OK, behind its end-of-game check
                    QMetaObject::invokeMethod(sheet, [sheet] { sheet->accept(); }, Qt::QueuedConnection);
            } else if (auto* announcement = dynamic_cast<AnnouncementWindow*>(modal)) {
                sheetUp = false;
                seen << announcement->windowTitle();
                sheetVisibleAtAnnouncement = window_->findChild<ScoreSheet*>()->isVisible();
                baseAtAnnouncement = game.playerBase();
                announcement->accept();
            }
        });
        action("mnuScore")->trigger();  // returns once the sheet, the announcement and the tally are done

        QCOMPARE(seen, (QStringList{"sheet", "Someone else called...", "sheet"}));
        QVERIFY(!sheetVisibleAtAnnouncement);
        QCOMPARE(baseAtAnnouncement, zanfel::kLeftBase);
        QCOMPARE(game.handNumber(), 2);
        QCOMPARE(game.scoreSheet().lblScore[zanfel::kHuman], "52\n\r-26\n\r");
        QVERIFY(!timer()->isActive());
        QVERIFY(action("mnuDeal")->isEnabled());
        QVERIFY(!window_->ended());
    }
};

QTEST_MAIN(TablePlayTest)
#include "table_play_test.moc"
