// SPDX-License-Identifier: GPL-3.0-or-later
// The windows over the table: About, the score sheet and the play-again question (the
// announcement is the artwork test's); modal windows are answered from inside their own loops.
// Then every window at the interface fonts of the common desktops.

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <map>

#include "about_window.h"
#include "announcement_window.h"
#include "play_again.h"
#include "score_sheet.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// The sheet's labels column by column from the left, as "x: y text|y text|...", after giving
// it `hands` hands, if any, in which player p scores 10 * (p + 1) + hand, as the game writes them.
QStringList columns(ScoreSheet& sheet, int hands = 0) {
    zanfel::HandScores scores;
    for (int hand = 1; hand <= hands; ++hand)
        scores.set(hand, {std::int16_t(10 + hand), std::int16_t(20 + hand), std::int16_t(30 + hand),
                          std::int16_t(40 + hand)});
    if (hands)
        sheet.setFigures({hands, zanfel::totalsOf(scores, hands)}, scores);
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

// What a window shows badly at its font: a label's or a button's text cut short ("Label1 cut"),
// or a text over another, over a card or across a line ("Label1 over Line1"). A text is as tall
// as its letters need from the top of its label; a line may run along its top row, above them.
QStringList textFaults(const QWidget* window) {
    QList<std::pair<QString, QRect>> texts, others;
    QStringList faults;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QPushButton*>(widget);
        const auto* frame = qobject_cast<const QFrame*>(widget);
        QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (!widget->isVisibleTo(window)) {
            continue;
        } else if (!label && !button) {
            if (qobject_cast<const CardImage*>(widget) || (frame && frame->frameShape() == QFrame::HLine))
                others << std::pair(widget->objectName(), place);
            continue;
        }
        QSize text =
            label ? label->sizeHint() : button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        if (label && label->wordWrap())
            text = QSize(label->width(), label->heightForWidth(label->width()));
        if (button) {
            QStyleOptionButton option;
            option.initFrom(button);
            place = button->style()
                        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                        .translated(place.topLeft());
        }
        if (text.width() > place.width() || text.height() > place.height())
            faults << widget->objectName() + " cut";
        texts << std::pair(widget->objectName(), QRect(place.topLeft(), text.boundedTo(place.size())));
    }
    for (int i = 0; i < texts.size(); ++i)
        for (const auto& [name, other] : texts.mid(i + 1) + others) {
            const QRect both = texts[i].second & other;
            if (!both.isEmpty() && !(other.height() == 1 && both.top() == texts[i].second.top()))
                faults << texts[i].first + " over " + name;
        }
    return faults;
}

}  // namespace

class DialogsTest : public WindowTest {
    Q_OBJECT

private slots:
    // Made once; modal over a hand that goes on; OK and the close box hide it.
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
        QCOMPARE(about->windowIcon().cacheKey(), window_->windowIcon().cacheKey());
        const auto* label1 = child<QLabel>(about, "Label1");
        const auto* label2 = child<QLabel>(about, "Label2");
        QVERIFY(label1->text().startsWith("Zanfel v2.0"));
        QCOMPARE(label2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        const QImage drawn = about->grab().toImage();
        const QColor titleBar = about->palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(drawn.pixelColor(300, 40), titleBar);   // Line2
        QCOMPARE(drawn.pixelColor(100, 192), titleBar);  // Line1
    }

    // Columns from the left: the human, the left, the middle and the right player, one line per
    // hand and the totals below. OK, the close box and Escape only hide it; the captions stay.
    // Thirty hands scroll the four columns together, and the headings and totals stay put.
    void sheetLayoutCaptionsAndScrolling() {
        ScoreSheet sheet;
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Score Sheet"));
        // "Middle Guy" is wider than its column was drawn: the column widens about its middle.
        const QStringList shown{"8: 0 Your Score|24 11\n12\n13|296 36", "88: 0 Left Guy|24 31\n32\n33|296 96",
                                "166: 0 Middle Guy|24 21\n22\n23|296 66",
                                "248: 0 Right Guy|24 41\n42\n43|296 126"};
        const std::function<void()> ways[] = {[&] { child<QPushButton>(&sheet, "cmdOk")->click(); },
                                              [&] { sheet.close(); },
                                              [&] { QTest::keyClick(&sheet, Qt::Key_Escape); }};
        QScrollBar* bar = sheet.scoreArea()->verticalScrollBar();
        columns(sheet, 3);
        QCOMPARE(child(&sheet, "lblScore2")->accessibleName(), QStringLiteral("Left Guy: 31, 32, 33"));
        QCOMPARE(child(&sheet, "lblTotal1")->accessibleName(), QStringLiteral("Middle Guy total: 66"));
        for (const auto& hide : ways) {
            sheet.show();
            QCOMPARE(columns(sheet), shown);
            QVERIFY(!bar->isVisible());
            hide();
            QVERIFY(!sheet.isVisible());
        }
        QCoreApplication::processEvents();  // the queued activations of those showings
        columns(sheet, 30);
        sheet.show();
        QCoreApplication::processEvents();
        QVERIFY(bar->maximum() > 0);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->value(), bar->maximum());  // the newest hands next to the totals
        bar->setValue(bar->maximum() / 2);
        QList<int> tops;
        for (const char* name : {"lblScore0", "lblScore1", "lblScore2", "lblScore3", "Label1", "lblTotal0"})
            tops << child(&sheet, name)->mapTo(&sheet, QPoint(0, 0)).y();
        QVERIFY(tops[0] < 24);
        QCOMPARE(tops, (QList<int>{tops[0], tops[0], tops[0], tops[0], 0, 296}));
    }

    // Who won, or the tie, over the question; OK, then Cancel, the close box and Escape, which
    // all count as Cancel, and Enter, which is OK. How the box looks is the main window test's, at a game's
    // end.
    void playAgainNamesTheWinnerAndTakesTheAnswer() {
        const std::pair<zanfel::GameOutcome, QString> outcomes[] = {
            {{true, true, zanfel::kHuman}, "We have a tie !!"},
            {{true, false, zanfel::kMiddlePlayer}, "The middle player won !!"},
            {{true, false, zanfel::kHuman}, "You Won !!"},
            {{true, false, zanfel::kLeftPlayer}, "The left player won !!"},
            {{true, false, zanfel::kRightPlayer}, "The player on the right won !!"}};
        for (int way = 0; way < 5; ++way) {
            QString text;
            const ModalAnswerer answerer([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                text = box->text();
                if (way < 2)
                    box->button(way == 0 ? QMessageBox::Ok : QMessageBox::Cancel)->click();
                else if (way == 2)
                    box->close();
                else
                    QTest::keyClick(box, way == 3 ? Qt::Key_Escape : Qt::Key_Return);
            });
            const auto answer = askPlayAgain(nullptr, outcomes[way].first);
            QCOMPARE(text, outcomes[way].second + "\nDo you want to play again?");
            QCOMPARE(answer, way % 4 == 0 ? zanfel::Answer::Ok : zanfel::Answer::Cancel);  // Enter: OK
        }
    }

    // At 9 and at 12 points every window shows all its text, nothing over anything else: About
    // with Line2 under both its lines, the sheet, the announcement, the question, and the table
    // with its longest hint and the counts.
    void windowsFitTheFont_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("9 pt") << 9;
        QTest::newRow("12 pt") << 12;
    }
    void windowsFitTheFont() {
        QFETCH(int, points);
        const auto restore = qScopeGuard([font = QApplication::font()] { QApplication::setFont(font); });
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
        QStringList faults;

        AboutWindow about;
        faults << textFaults(&about);
        // Right of the text, nothing in the title bar's colour before Line2, under the release line.
        const QImage drawn = about.grab().toImage();
        const auto* label2 = child<QLabel>(&about, "Label2");
        for (int y = 0; y < label2->y() + label2->heightForWidth(label2->width()); ++y)
            if (drawn.pixelColor(370, y) == about.palette().color(QPalette::Active, QPalette::Highlight))
                faults << "Label2 over Line2";
        ScoreSheet sheet;
        columns(sheet, 3);
        faults << textFaults(&sheet);
        AnnouncementWindow announcement;
        faults << textFaults(&announcement);
        {
            const ModalAnswerer answerer([&faults](QWidget* box) {
                faults << textFaults(box);
                box->close();
            });
            askPlayAgain(nullptr, {true, false, zanfel::kRightPlayer});
        }
        window_.reset();
        startWindow();
        clickDeck();
        trigger("mnuCardCount");
        faults << textFaults(window_.get());
        QCOMPARE(faults.join(", "), QString());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
