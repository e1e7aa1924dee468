// The menu commands as a player meets them: which items are enabled and checked through a
// hand, Score and Exit at awkward moments, the Ctrl+D key, the skill-level group and About.

#include <QActionGroup>
#include <QLabel>
#include <QPushButton>

#include "about_window.h"
#include "card_image.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const QStringList kAlwaysEnabled{"mnuNewGame", "mnuScore",      "mnuExit",   "mnuLevel1",    "mnuLevel2",
                                 "mnuLevel3",  "mnuLevel4",     "mnuLevel5", "mnuBackColor", "mnuCardCount",
                                 "mnuReset",   "mnuHelpTopics", "mnuAbout"};

// Closes whatever modal window comes up once its own queued calls have run, and names it.
struct ClosingAnswerer {
    QStringList seen;
    ModalAnswerer answerer{[this](QWidget* modal) {
        if (seen.value(seen.size() - 1) == modal->metaObject()->className())
            return;
        seen << modal->metaObject()->className();
        QTimer::singleShot(0, modal, [modal] {
            if (QApplication::activeModalWidget() == modal)
                modal->close();
        });
    }};
};

}  // namespace

class MenuCommandsTest : public WindowTest {
    Q_OBJECT

    // "Deal Pause Unstuck" as E (enabled) or - (disabled), X after Pause when it is checked,
    // then whether the computer players' timer runs.
    QString handCommands() {
        const auto state = [this](const char* name) { return action(name)->isEnabled() ? "E" : "-"; };
        return QStringLiteral("%1 %2%3 %4 %5")
            .arg(state("mnuDeal"), state("mnuPause"), action("mnuPause")->isChecked() ? "X" : "",
                 state("mnuUnstuck"), timer()->isActive() ? "running" : "stopped");
    }
    void trigger(const char* name) { action(name)->trigger(); }
    void humanGoesOut() {
        for (auto& list : window_->game().table().lstStack)
            list.clear();
        window_->game().humanGoesOut();
    }

private slots:
    void init() { startWindow(); }
    void cleanup() {
        window_.reset();
        clearQuitRequest();
    }

    void handCommandsFollowTheHand_data() {
        QTest::addColumn<QString>("expected");
        QTest::newRow("start-up") << "E - - stopped";
        QTest::newRow("deal") << "- E E running";
        QTest::newRow("pause") << "- EX E stopped";
        QTest::newRow("resume") << "- E E running";
        QTest::newRow("new game mid-hand") << "E - - stopped";
        QTest::newRow("deal again") << "- E E running";
        QTest::newRow("pause again") << "- EX E stopped";
        QTest::newRow("new game while paused") << "E - - stopped";
        QTest::newRow("deal a third time") << "- E E running";
        QTest::newRow("going out") << "E - - stopped";
    }
    // One hand walked through step by step; each row checks the state after its step.
    void handCommandsFollowTheHand() {
        QFETCH(QString, expected);
        const ClosingAnswerer answerer;
        const QString step = QTest::currentDataTag();
        const QList<std::pair<QString, std::function<void()>>> steps{
            {"start-up", [] {}},
            {"deal", [this] { trigger("mnuDeal"); }},
            {"pause", [this] { trigger("mnuPause"); }},
            {"resume", [this] { trigger("mnuPause"); }},
            {"new game mid-hand", [this] { trigger("mnuNewGame"); }},
            {"deal again", [this] { trigger("mnuDeal"); }},
            {"pause again", [this] { trigger("mnuPause"); }},
            {"new game while paused", [this] { trigger("mnuNewGame"); }},
            {"deal a third time", [this] { trigger("mnuDeal"); }},
            {"going out", [this] { humanGoesOut(); }},
        };
        for (const auto& [name, run] : steps) {
            run();
            if (name == step)
                break;
        }
        QCOMPARE(handCommands(), expected);
        for (const QString& name : kAlwaysEnabled)
            QVERIFY2(action(name)->isEnabled(), qPrintable(name));
    }

    // Nothing opens before a hand is scored; afterwards the sheet does.
    void scoreOpensTheSheetOnlyOnceAHandIsScored() {
        ClosingAnswerer answerer;
        trigger("mnuDeal");
        trigger("mnuScore");
        QVERIFY(answerer.seen.isEmpty());
        humanGoesOut();
        answerer.seen.clear();
        trigger("mnuScore");
        QCOMPARE(answerer.seen, QStringList{"ScoreSheet"});
    }

    void exitMidHandEndsAtOnceWithoutScoring() {
        const ClosingAnswerer answerer;
        trigger("mnuDeal");
        trigger("mnuExit");
        QVERIFY(window_->ended() && !window_->isVisible());
        QVERIFY(answerer.seen.isEmpty());
        QCOMPARE(window_->game().handNumber(), 0);
    }

    // Ctrl+D deals between hands; during one it leaves the turned stock alone.
    void ctrlDDealsOnlyBetweenHands() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(timer()->isActive());
        QTest::mouseClick(find("Deck"), Qt::LeftButton);
        QCOMPARE(find<CardImage>("Stack0")->card(), 21);
        QTest::keyClick(window_.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(find<CardImage>("Stack0")->card(), 21);
    }

    void skillLevelsAreOneExclusiveGroup() {
        const auto* group = find<QActionGroup>("mnuLevel");
        QVERIFY(group->isExclusive());
        QCOMPARE(group->actions().size(), 5);
        QCOMPARE(group->checkedAction(), action("mnuLevel3"));
        trigger("mnuLevel3");  // the current level again keeps its mark
        QCOMPARE(group->checkedAction(), action("mnuLevel3"));
    }

    // Made once, at its drawn places; modal over a hand that goes on; OK and the close box hide it.
    void aboutWindowLayoutAndShowing() {
        trigger("mnuDeal");
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
            QCOMPARE(label->geometry().topLeft(), label == label1 ? QPoint(192, 8) : QPoint(192, 24));
            QCOMPARE(label->width(), 169);
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
            QVERIFY(label->height() >= qMax(17, label->fontMetrics().height()));
        }
        const QImage drawn = about->grab().toImage();
        const QColor titleBar = about->palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(drawn.pixelColor(300, 40), titleBar);   // Line2
        QCOMPARE(drawn.pixelColor(100, 192), titleBar);  // Line1
    }
};

QTEST_MAIN(MenuCommandsTest)
#include "menu_commands_test.moc"
