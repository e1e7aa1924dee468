// The score sheet, the announcement window and the play-again question; modal windows are
// answered from inside their own loops.

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <map>

#include "announcement_window.h"
#include "play_again.h"
#include "score_sheet.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// Runs `answer` inside the loop of the modal window about to open, after its queued calls.
void whenModalRuns(std::function<void()> answer) {
    QTimer::singleShot(0, qApp, [answer] { QMetaObject::invokeMethod(qApp, answer, Qt::QueuedConnection); });
}

// A sheet showing `hands` hands in which player p scores 10 * (p + 1) + hand, as the game writes them.
void fill(ScoreSheet& sheet, int hands) {
    zanfel::HandScores scores;
    for (int hand = 1; hand <= hands; ++hand)
        scores.set(hand, {std::int16_t(10 + hand), std::int16_t(20 + hand), std::int16_t(30 + hand),
                          std::int16_t(40 + hand)});
    zanfel::ScoreSheetText text;
    zanfel::rebuildSheet(text, scores, hands);
    sheet.setText(text);
}

// The sheet's labels column by column from the left, as "x: y text|y text|...".
QStringList columns(const QWidget& sheet) {
    std::map<int, QStringList> texts;
    for (const QLabel* label : sheet.findChildren<QLabel*>()) {
        const QPoint at = label->mapTo(&sheet, QPoint(0, 0));
        texts[at.x()] << QString::number(at.y()) + ' ' + label->text();
    }
    QStringList shown;
    for (const auto& [x, column] : texts)
        shown << QString::number(x) + ": " + column.join('|');
    return shown;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // Columns from the left: the human, the left, the middle and the right player, one line per
    // hand and the totals below. OK, the close box and Escape only hide it; the captions stay.
    // Thirty hands scroll the four columns together, and the headings and totals stay put.
    void sheetLayoutCaptionsAndScrolling() {
        ScoreSheet sheet;
        fill(sheet, 3);
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Score Sheet"));
        QCOMPARE(sheet.minimumSize(), QSize(323, 359));
        QCOMPARE(sheet.maximumSize(), QSize(323, 359));
        QCOMPARE(child(&sheet, "cmdOk")->geometry(), QRect(128, 328, 73, 25));
        QCOMPARE(child(&sheet, "Label1")->size(), QSize(65, 17));
        const QStringList shown{"8: 0 Your Score|24 11\n12\n13|296 36", "88: 0 Left Guy|24 31\n32\n33|296 96",
                                "168: 0 Middle Guy|24 21\n22\n23|296 66",
                                "248: 0 Right Guy|24 41\n42\n43|296 126"};
        const std::function<void()> ways[] = {[&] { child<QPushButton>(&sheet, "cmdOk")->click(); },
                                              [&] { sheet.close(); },
                                              [&] { QTest::keyClick(&sheet, Qt::Key_Escape); }};
        QScrollBar* bar = sheet.scoreArea()->verticalScrollBar();
        for (const auto& hide : ways) {
            sheet.show();
            QCOMPARE(columns(sheet), shown);
            QVERIFY(!bar->isVisible());
            hide();
            QVERIFY(!sheet.isVisible());
        }
        QCOMPARE(columns(sheet), shown);

        QCoreApplication::processEvents();  // the queued activations of those showings
        fill(sheet, 30);
        sheet.show();
        QCoreApplication::processEvents();
        QVERIFY(bar->maximum() > 0 && bar->isVisible());
        QCOMPARE(bar->value(), bar->maximum());  // the newest hands next to the totals
        bar->setValue(bar->maximum() / 2);
        const auto top = [&](const QString& name) {
            return child(&sheet, name)->mapTo(&sheet, QPoint(0, 0)).y();
        };
        QVERIFY(top("lblScore0") < 24);
        for (int p = 1; p < 4; ++p)
            QCOMPARE(top(QStringLiteral("lblScore%1").arg(p)), top("lblScore0"));
        QCOMPARE(top("Label1"), 0);
        QCOMPARE(top("lblTotal0"), 296);
    }

    // The end-of-game check runs from activated() inside the sheet's own loop, once per
    // showing, and may hide the sheet itself.
    void activatedOncePerShowingInsideTheLoop() {
        ScoreSheet sheet;
        QStringList emitted;
        bool inLoop = false;
        connect(&sheet, &ScoreSheet::activated, &sheet, [&] {
            emitted << (inLoop ? "in the loop" : "before it");
            if (emitted.size() == 2)
                sheet.hide();
        });
        for (int showing = 1; showing <= 2; ++showing) {
            inLoop = false;
            QTimer::singleShot(0, qApp, [&] { inLoop = true; });
            whenModalRuns([&] {
                if (sheet.isVisible())
                    child<QPushButton>(&sheet, "cmdOk")->click();
            });
            QCOMPARE(sheet.exec(), int(showing == 1 ? QDialog::Accepted : QDialog::Rejected));
        }
        QCoreApplication::processEvents();
        QCOMPARE(emitted, (QStringList{"in the loop", "in the loop"}));
    }

    // Its picture is checked at each scale in the artwork test; the close box does what OK does.
    void announcementLayoutAndClosing() {
        AnnouncementWindow window;
        QCOMPARE(window.minimumSize(), QSize(200, 200));
        QCOMPARE(window.maximumSize(), QSize(200, 200));
        QCOMPARE(child(&window, "cmdOK")->geometry(), QRect(157, 165, 33, 25));
        whenModalRuns([&] { window.close(); });
        QCOMPARE(window.exec(), int(QDialog::Accepted));
    }

    // OK, then Cancel, the close box and Escape, which all count as Cancel.
    void playAgainAnswers() {
        for (int way = 0; way < 4; ++way) {
            QString shown;
            whenModalRuns([&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown = describeBox(box);
                if (way < 2)
                    box->button(way == 0 ? QMessageBox::Ok : QMessageBox::Cancel)->click();
                else
                    way == 2 ? void(box->close()) : QTest::keyClick(box, Qt::Key_Escape);
            });
            const auto answer = askPlayAgain(nullptr, "You Won !!\r\nDo you want to play again?");
            QCOMPARE(answer, way == 0 ? zanfel::Answer::Ok : zanfel::Answer::Cancel);
            QCOMPARE(shown, QStringLiteral("Zanfel|You Won !!\nDo you want to play again?|0|400400"));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
