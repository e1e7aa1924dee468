// The main window: how it stands after start-up, and that it shows the game and forwards the
// player's clicks, keys and menu commands; leaving, and the windows at the end of a hand.

#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "about_window.h"
#include "announcement_window.h"
#include "card_image.h"
#include "pictures.h"
#include "score_sheet.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// Each menu: its title, then every item as "name|caption|shortcut|state" or "name|-" for a
// separator; the state holds E if it is enabled, C if it is checkable and X if it is checked.
const QStringList kStartUpMenus{
    "&Game: mnuNewGame|&New Game|Ctrl+N|E, mnuDeal|&Deal|Ctrl+D|E, mnuPause|&Pause|Ctrl+Z|C, space1|-, "
    "mnuScore|&Score||E, space2|-, mnuExit|&Exit|Ctrl+X|E",
    "&Skill Level: mnuLevel1|&Super Easy||EC, mnuLevel2|&Easy||EC, mnuLevel3|&Normal||ECX, "
    "mnuLevel4|&Really Hard||EC, mnuLevel5|&Blinding||EC",
    "&Options: mnuBackColor|&Background Color...||E, mnuCardCount|&Show Card Count||EC, space3|-, "
    "mnuReset|&Reset Options||E",
    "&Help: mnuHelpTopics|Help Topics||E, mnuAbout|&About||E, space4|-, mnuUnstuck|&No one can play||"};

const QStringList kAlwaysEnabled{"mnuNewGame", "mnuScore",      "mnuExit",   "mnuLevel1",    "mnuLevel2",
                                 "mnuLevel3",  "mnuLevel4",     "mnuLevel5", "mnuBackColor", "mnuCardCount",
                                 "mnuReset",   "mnuHelpTopics", "mnuAbout"};

QString describe(const QAction* item) {
    if (item->isSeparator())
        return item->objectName() + "|-";
    const QString state = QString(item->isEnabled() ? "E" : "") + (item->isCheckable() ? "C" : "") +
                          (item->isChecked() ? "X" : "");
    return QStringList{item->objectName(), item->text(), item->shortcut().toString(), state}.join('|');
}

// Answers the windows of a hand's end and notes each in `seen`: the announcement's caption,
// "sheet", and the question with the window it came up over.
struct HandEndAnswers {
    QStringList seen;
    qint64 pictureKey = 0;
    QMessageBox::StandardButton reply = QMessageBox::Ok;
    int sheetsLeftOpen = 0;                   // for the game to close
    std::function<void()> announced = [] {};  // runs as each announcement comes up
    ModalAnswerer answerer{[this](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->text() + " over " + box->parentWidget()->metaObject()->className();
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
            seen << announcement->windowTitle();
            pictureKey = announcement->picture().cacheKey();
            announced();
            announcement->accept();
        }
    }};
};

}  // namespace

class MainWindowTest : public WindowTest {
    Q_OBJECT

    zanfel::CardNumber card(const QString& image) { return find<CardImage>(image)->card(); }
    QString text(const QString& label) { return find<QLabel>(label)->text(); }
    void clickDeck(Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(find("Deck"), button); }
    void trigger(const QString& name) { action(name)->trigger(); }
    // Every card of the human's reaches the foundations: the hand scores 52 for the human.
    void humanWinsAHand() {
        clickDeck();
        for (auto& list : window_->game().table().lstStack)
            list.clear();
        window_->game().humanGoesOut();
    }
    // "Deal Pause Unstuck" as E (enabled) or - (disabled), X after Pause when it is checked,
    // then whether the computer players' timer runs.
    QString handCommands() {
        const auto state = [this](const char* name) { return action(name)->isEnabled() ? "E" : "-"; };
        return QStringLiteral("%1 %2%3 %4 %5")
            .arg(state("mnuDeal"), state("mnuPause"), action("mnuPause")->isChecked() ? "X" : "",
                 state("mnuUnstuck"), timer()->isActive() ? "running" : "stopped");
    }

private slots:
    void windowStandsAsAtStartUp() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Zanfel v2.0"));
        QCOMPARE(window_->centralWidget()->size(), QSize(754, 452));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(text("lblTips"), QStringLiteral("Click the back of the red deck to deal"));
        QCOMPARE(timer()->interval(), 1000);
        QStringList backs;  // every image but these four shows the empty place
        for (const CardImage* image : window_->findChildren<CardImage*>())
            if (image->picture().cacheKey() != emptyPlacePicture(1).cacheKey())
                backs << image->objectName() + ' ' + image->picture().toImage().pixelColor(35, 48).name();
        QCOMPARE(backs, (QStringList{"PlayerDeck0 #008000", "PlayerDeck1 #000080", "PlayerDeck2 #008080",
                                     "Deck #c00000"}));
        QCOMPARE(faceBitmap(1).size(), QSize(71, 96));  // the faces are read as bare DIBs
        QStringList menus;
        for (const QAction* title : window_->menuBar()->actions()) {
            QStringList items;
            for (const QAction* item : title->menu()->actions())
                items << describe(item);
            menus << title->text() + ": " + items.join(", ");
        }
        QCOMPARE(menus, kStartUpMenus);
    }

    // Drawn for a smaller font than ours, the count caption runs on to the right, uncut.
    void everythingStandsAtItsPlace() {
        QList<QRect> places;
        // One image of each group whose order is easy to get wrong: the middle player's row,
        // the foundations' numbering, the left and right players' piles.
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

    // A right click does nothing; the images and counts show the dealt cards, the stock turns;
    // a new pace set while paused waits for the resume. The items follow every step.
    void deckPauseAndLevelReachTheGameAndTheItemsFollow() {
        clickDeck(Qt::RightButton);
        QCOMPARE(handCommands(), QStringLiteral("E - - stopped"));
        clickDeck();
        QCOMPARE(handCommands(), QStringLiteral("- E E running"));
        QCOMPARE(text("lblStack0") + text("lblStack5"), QStringLiteral("3513"));
        QCOMPARE(text("lblTips"), QStringLiteral("Click the back of the red deck for 3 more cards"));
        QCOMPARE(card("Stack5"), 5);
        QCOMPARE(card("Player17"), 5);  // the right player's personal pile
        clickDeck();
        QCOMPARE(find<CardImage>("Stack0")->picture().cacheKey(), facePicture(21, 1).cacheKey());
        trigger("mnuPause");
        QCOMPARE(handCommands(), QStringLiteral("- EX E stopped"));
        trigger("mnuLevel5");
        QCOMPARE(timer()->interval(), 100);
        QCOMPARE(find<QActionGroup>("mnuLevel")->checkedAction(), action("mnuLevel5"));
        trigger("mnuLevel5");  // the current level again keeps its mark
        QVERIFY(action("mnuLevel5")->isChecked() && !action("mnuLevel3")->isChecked());
        trigger("mnuPause");
        QCOMPARE(handCommands(), QStringLiteral("- E E running"));
        trigger("mnuNewGame");
        QCOMPARE(handCommands(), QStringLiteral("E - - stopped"));
        for (const QString& name : kAlwaysEnabled)
            QVERIFY2(action(name)->isEnabled(), qPrintable(name));
    }

    // Ctrl+D deals between hands; during one it leaves the turned stock alone.
    void ctrlDDealsOnlyBetweenHands() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(timer()->isActive());
        clickDeck();
        QCOMPARE(card("Stack0"), 21);
        QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(card("Stack0"), 21);
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
        trigger("mnuScore");  // nothing scored yet: nothing opens
        humanWinsAHand();
        humanWinsAHand();
        QCOMPARE(answers.seen.mid(0, 3),
                 (QStringList{"You won this hand !!", "sheet", "You won this hand !!"}));
        QCOMPARE(answers.seen.last(),
                 QStringLiteral("You Won !!\nDo you want to play again? over ScoreSheet"));
        QCOMPARE(answers.pictureKey, goingOutPicture(zanfel::Picture::Youout, 1).cacheKey());
        QCOMPARE(window_->findChildren<QDialog*>().size(), 2);  // the announcement and the sheet
        QVERIFY(window_->ended());
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
        zanfel::PileList& leftPersonal = game.table().lstPlayer[zanfel::kLeftBase + zanfel::kPersonalSlot];
        leftPersonal.clear();
        leftPersonal.addEnd(1);
        while (game.playerBase() != zanfel::kMiddleBase)
            game.tick();
        trigger("mnuLevel5");

        HandEndAnswers answers;
        answers.sheetsLeftOpen = 1;
        bool sheetVisibleAtAnnouncement = true;
        answers.announced = [&] {
            sheetVisibleAtAnnouncement = window_->findChild<ScoreSheet*>()->isVisible();
        };
        trigger("mnuScore");  // returns once the sheet, the announcement and the tally are done

        QCOMPARE(answers.seen, (QStringList{"sheet", "Someone else called...", "sheet"}));
        QVERIFY(!sheetVisibleAtAnnouncement && !window_->ended());
    }

    // Made once, at its drawn places; modal over a hand that goes on; OK and the close box hide it.
    void aboutWindowLayoutAndShowing() {
        clickDeck();
        QStringList seen;
        const ModalAnswerer answerer([&](QWidget* modal) {
            auto* about = qobject_cast<AboutWindow*>(modal);
            QVERIFY(about && about->isModal());
            seen << about->windowTitle() + (timer()->isActive() ? " over a running hand" : "");
            seen.size() == 1 ? child<QPushButton>(about, "Command1")->click() : void(about->close());
        });
        trigger("mnuAbout");
        trigger("mnuAbout");
        QCOMPARE(seen, QStringList(2, "About Zanfel over a running hand"));
        const auto abouts = window_->findChildren<AboutWindow*>();
        QCOMPARE(abouts.size(), 1);
        AboutWindow* about = abouts[0];
        QVERIFY(!about->isVisible());
        QCOMPARE(about->objectName(), QStringLiteral("Form3"));
        QCOMPARE(about->size(), QSize(376, 233));
        QCOMPARE(about->windowIcon().cacheKey(), window_->windowIcon().cacheKey());
        QList<QRect> places;
        for (const char* name : {"Image1", "Command1"})
            places << child(about, name)->geometry();
        QCOMPARE(places, (QList<QRect>{{8, 8, 172, 172}, {288, 200, 73, 25}}));
        const auto* label1 = child<QLabel>(about, "Label1");
        const auto* label2 = child<QLabel>(about, "Label2");
        QVERIFY(label1->text().startsWith("Zanfel v2.0"));
        QCOMPARE(label2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        for (const auto* label : {label1, label2}) {
            QCOMPARE(label->geometry(), QRect(192, label == label1 ? 8 : 24, 169, label->height()));
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
            QVERIFY(label->height() >= qMax(17, label->fontMetrics().height()));
        }
        const QImage drawn = about->grab().toImage();
        const QColor titleBar = about->palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(drawn.pixelColor(300, 40), titleBar);   // Line2
        QCOMPARE(drawn.pixelColor(100, 192), titleBar);  // Line1
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
