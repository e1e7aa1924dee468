// The score sheet, the announcement window and the play-again question on the offscreen
// platform; modal windows are answered from inside their own loops.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "announcement_window.h"
#include "play_again.h"
#include "score_sheet.h"

namespace {

// Runs `answer` inside the loop of the modal window about to open, after the window's own
// queued start-up calls.
void whenModalRuns(std::function<void()> answer) {
    QTimer::singleShot(0, qApp, [answer] { QMetaObject::invokeMethod(qApp, answer, Qt::QueuedConnection); });
}

// `hands` hands in which player p scores 10 * (p + 1) + hand, as the game writes them.
zanfel::ScoreSheetText sheetFor(int hands) {
    zanfel::HandScores scores;
    for (int hand = 1; hand <= hands; ++hand) {
        zanfel::HandRow row{};
        for (int p = 0; p < zanfel::kPlayers; ++p) row[p] = static_cast<std::int16_t>(10 * (p + 1) + hand);
        scores.set(hand, row);
    }
    zanfel::ScoreSheetText text;
    zanfel::rebuildSheet(text, scores, hands);
    return text;
}

QLabel* label(const QWidget& window, const QString& name) { return window.findChild<QLabel*>(name); }
QLabel* score(const QWidget& sheet, int player) { return label(sheet, QStringLiteral("lblScore%1").arg(player)); }
QLabel* total(const QWidget& sheet, int player) { return label(sheet, QStringLiteral("lblTotal%1").arg(player)); }
QPoint placeOn(const QWidget& window, const QWidget* child) { return child->mapTo(&window, QPoint(0, 0)); }

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void sheetLayoutAndColumnOrder();
    void threeHandsShowThreeLinesAndTotals();
    void longGameScrollsColumnsTogether();
    void activatedOncePerShowingInsideTheLoop();
    void okAndCloseBoxHideAndKeepCaptions();
    void announcementLayout();
    void secondAnnouncementReplacesTheFirst();
    void playAgainAnswers_data();
    void playAgainAnswers();
};

void DialogsTest::sheetLayoutAndColumnOrder() {
    ScoreSheet sheet;
    sheet.show();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Score Sheet"));
    QVERIFY(sheet.isModal());
    QCOMPARE(sheet.size(), QSize(323, 359));
    QCOMPARE(sheet.minimumSize(), sheet.maximumSize());
    const QStringList headings = {"Your Score", "Left Guy", "Middle Guy", "Right Guy"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(label(sheet, QStringLiteral("Label%1").arg(i + 1))->text(), headings[i]);
        QCOMPARE(label(sheet, QStringLiteral("Label%1").arg(i + 1))->geometry(), QRect(8 + 80 * i, 0, 65, 17));
    }
    const int leftOfPlayer[4] = {8, 168, 88, 248};  // human, middle, left, right
    for (int p = 0; p < 4; ++p) {
        QCOMPARE(placeOn(sheet, score(sheet, p)), QPoint(leftOfPlayer[p], 24));
        QCOMPARE(total(sheet, p)->geometry(), QRect(leftOfPlayer[p], 296, 65, 17));
    }
    QCOMPARE(sheet.findChild<QWidget*>("Line1")->geometry(), QRect(0, 16, 321, 1));
    QCOMPARE(sheet.findChild<QWidget*>("Line2")->geometry(), QRect(0, 296, 321, 1));
    QCOMPARE(sheet.findChild<QPushButton*>("cmdOk")->geometry(), QRect(128, 328, 73, 25));
}

void DialogsTest::threeHandsShowThreeLinesAndTotals() {
    ScoreSheet sheet;
    sheet.setText(sheetFor(3));
    QCOMPARE(score(sheet, 0)->text(), QStringLiteral("11\n12\n13"));
    QCOMPARE(score(sheet, 2)->text(), QStringLiteral("31\n32\n33"));
    QCOMPARE(total(sheet, 0)->text(), QStringLiteral("36"));
    QCOMPARE(total(sheet, 1)->text(), QStringLiteral("66"));
}

void DialogsTest::longGameScrollsColumnsTogether() {
    ScoreSheet sheet;
    sheet.setText(sheetFor(3));
    sheet.show();
    QScrollBar* bar = sheet.scoreArea()->verticalScrollBar();
    QCOMPARE(bar->maximum(), 0);
    QVERIFY(!bar->isVisible());

    sheet.setText(sheetFor(30));
    QCoreApplication::processEvents();
    QVERIFY(bar->maximum() > 0);
    QVERIFY(bar->isVisible());
    bar->setValue(bar->maximum() / 2);
    const int top = placeOn(sheet, score(sheet, 0)).y();
    QVERIFY(top < 24);
    for (int p = 1; p < 4; ++p) QCOMPARE(placeOn(sheet, score(sheet, p)).y(), top);
    QCOMPARE(label(sheet, "Label1")->y(), 0);
    QCOMPARE(total(sheet, 0)->y(), 296);
}

// The end-of-game check runs from this signal inside the sheet's own loop, once per
// showing, and may hide the sheet itself.
void DialogsTest::activatedOncePerShowingInsideTheLoop() {
    ScoreSheet sheet;
    QSignalSpy spy(&sheet, &ScoreSheet::activated);
    bool loopRunning = false, emittedInLoop = false, checkHides = false;
    connect(&sheet, &ScoreSheet::activated, &sheet, [&] {
        emittedInLoop = loopRunning;
        if (checkHides && loopRunning) sheet.hide();
    });
    for (int showing = 1; showing <= 2; ++showing) {
        loopRunning = emittedInLoop = false;
        checkHides = showing == 2;
        QTimer::singleShot(0, qApp, [&] { loopRunning = true; });
        whenModalRuns([&] {
            if (sheet.isVisible()) sheet.findChild<QPushButton*>("cmdOk")->click();
        });
        QCOMPARE(sheet.exec(), int(checkHides ? QDialog::Rejected : QDialog::Accepted));
        QCoreApplication::processEvents();
        QVERIFY(emittedInLoop);
        QCOMPARE(spy.count(), showing);
    }
}

void DialogsTest::okAndCloseBoxHideAndKeepCaptions() {
    ScoreSheet sheet;
    sheet.setText(sheetFor(2));
    const std::function<void()> ways[] = {[&] { sheet.findChild<QPushButton*>("cmdOk")->click(); },
                                          [&] { sheet.close(); },
                                          [&] { QTest::keyClick(&sheet, Qt::Key_Escape); }};
    for (const auto& hide : ways) {
        sheet.show();
        hide();
        QVERIFY(!sheet.isVisible());
    }
    QCOMPARE(score(sheet, 2)->text(), QStringLiteral("31\n32"));
    QCOMPARE(total(sheet, 2)->text(), QStringLiteral("63"));
}

void DialogsTest::announcementLayout() {
    AnnouncementWindow window;
    QVERIFY(window.isModal());
    QCOMPARE(window.size(), QSize(200, 200));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.findChild<QPushButton*>("cmdOK")->geometry(), QRect(157, 165, 33, 25));
}

void DialogsTest::secondAnnouncementReplacesTheFirst() {
    AnnouncementWindow window;
    QPixmap blue(100, 100), red(100, 100);
    blue.fill(Qt::blue);
    red.fill(Qt::red);
    window.setAnnouncement("You won this hand !!", blue);
    window.setAnnouncement("Someone else called...", red);
    QCOMPARE(window.windowTitle(), QStringLiteral("Someone else called..."));
    const QImage shown = window.grab().toImage();  // stretched over the whole window
    for (QPoint at : {QPoint(2, 2), QPoint(197, 100), QPoint(100, 197)}) QCOMPARE(shown.pixelColor(at), QColor(Qt::red));

    whenModalRuns([&] { window.close(); });  // the close box does what OK does
    QCOMPARE(window.exec(), int(QDialog::Accepted));
}

void DialogsTest::playAgainAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::newRow("OK") << "ok" << int(zanfel::Answer::Ok);
    QTest::newRow("Cancel") << "cancel" << int(zanfel::Answer::Cancel);
    QTest::newRow("close box") << "close" << int(zanfel::Answer::Cancel);
    QTest::newRow("Escape") << "escape" << int(zanfel::Answer::Cancel);
}

void DialogsTest::playAgainAnswers() {
    QFETCH(QString, how);
    QFETCH(int, expected);
    QString shown;
    whenModalRuns([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
        if (how == "ok") box->button(QMessageBox::Ok)->click();
        if (how == "cancel") box->button(QMessageBox::Cancel)->click();
        if (how == "close") box->close();
        if (how == "escape") QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(int(askPlayAgain(nullptr, "You Won !!\r\nDo you want to play again?")), expected);
    QCOMPARE(shown, QStringLiteral("Zanfel|You Won !!\nDo you want to play again?|0"));  // 0: no icon
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
