// SPDX-License-Identifier: GPL-3.0-or-later
// About, the score sheet and play-again, answered in their modal loops; every window at desktop fonts.
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QXmlStreamReader>

#include "dialogs/about_window.h"
#include "dialogs/beside_window.h"
#include "dialogs/play_again.h"
#include "dialogs/score_sheet.h"
#include "network/join_window.h"
#include "network/lobby_window.h"
#include "network/network_play.h"
#include "window_test_support.h"

using namespace testing_support;

// Gives the sheet `hands` hands in which player p scores 10 * (p + 1) + hand.
static void fill(ScoreSheet& sheet, int hands) {
    zanfel::HandScores scores;
    for (int hand = 1; hand <= hands; ++hand)
        scores.set(hand, {std::int16_t(10 + hand), std::int16_t(20 + hand), std::int16_t(30 + hand),
                          std::int16_t(40 + hand)});
    sheet.setFigures({hands, zanfel::totalsOf(scores, hands)}, scores);
}

// English the run's language translates otherwise was looked up under the wrong name.
static bool readsAsEnglish(const QString& text) {
    static const QStringList english = [] {
        QStringList sources;  // without their access keys
        QFile file(ZANFEL_TRANSLATIONS_DIR "/zanfel_" + kTestLanguage + ".ts");
        QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        for (QString source; xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd();) {
            if (xml.isStartElement() && xml.name() == u"source")
                source = xml.readElementText();
            else if (xml.isStartElement() && xml.name() == u"translation" &&
                     xml.readElementText(QXmlStreamReader::IncludeChildElements) != source)
                sources << source.remove('&');
        }
        return sources;
    }();
    return std::ranges::any_of(QString(text).remove('&').split('\n'),
                               [](const QString& line) { return english.contains(line); });
}

// Texts or hints cut short ("Label1 cut", "txtAddress hint cut"), over a text, card or line ("Label1 over
// Line1"), left in English ("Label1 in English"), or a menu's access key given twice ("mnuGame: &Score").
static QStringList textFaults(const QWidget* window) {
    QList<std::pair<QString, QRect>> texts, others;
    QStringList faults;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        QString keys;
        for (const QAction* action : widget->actions()) {
            const QString key = QRegularExpression("&([^&])").match(action->text()).captured(1).toLower();
            if ((!key.isEmpty() && keys.contains(key)) || readsAsEnglish(action->text()))
                faults << widget->objectName() + ": " + action->text();
            keys += key;
        }
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QPushButton*>(widget);
        const auto* frame = qobject_cast<const QFrame*>(widget);
        const QString words = label ? label->text() : button ? button->text() : QString();
        if (widget->isVisibleTo(window) &&
            readsAsEnglish(words + '\n' + widget->toolTip() + '\n' + widget->accessibleName() + '\n' +
                           window->windowTitle()))
            faults << widget->objectName() + " in English";
        QRect place = QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()) & window->rect();
        if (widget->isVisibleTo(window) && !label && !button &&
            (qobject_cast<const CardImage*>(widget) || (frame && frame->frameShape() == QFrame::HLine)))
            others << std::pair(widget->objectName(), place);
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        if (edit && edit->isVisibleTo(window) && edit->text().isEmpty()) {
            QStyleOptionFrame box;
            box.initFrom(edit);
            box.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &box, edit);
            const int room =
                edit->style()->subElementRect(QStyle::SE_LineEditContents, &box, edit).width() - 4;
            if (edit->fontMetrics().horizontalAdvance(edit->placeholderText()) > room)
                faults << widget->objectName() + " hint cut";
        }
        if (!widget->isVisibleTo(window) || (!label && !button))
            continue;
        const QSize text = button ? button->fontMetrics().size(Qt::TextShowMnemonic, button->text())
                           : label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                               : label->sizeHint();
        QStyleOptionButton option;
        option.initFrom(widget);
        if (button)  // the text's room inside the button's bevel
            place = button->style()
                        ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                        .translated(place.topLeft());
        if (text.width() > place.width() || text.height() > place.height())
            faults << widget->objectName() + " cut";
        texts << std::pair(widget->objectName(), QRect(place.topLeft(), text.boundedTo(place.size())));
    }
    for (int i = 0; i < texts.size(); ++i)
        for (const auto& [name, other] : texts.mid(i + 1) + others) {
            const QRect both = texts[i].second & other;
            if (!both.isEmpty() &&
                !(other.height() == 1 && both.top() == texts[i].second.top()))  // line atop
                faults << texts[i].first + " over " + name;
        }
    return faults;
}

class DialogsTest : public WindowTest {
    Q_OBJECT

private slots:
    // Human, left, middle, right, read out; 30 hands scroll together, newest first, under fixed heads.
    void sheetColumnsNamesAndScrolling() {
        ScoreSheet sheet;
        QSignalSpy activated(&sheet, &ScoreSheet::activated);
        sheet.setNames({"", "Bob", "", ""});  // a network game's seats: Bob plays in the middle
        fill(sheet, 3);
        sheet.show();
        QCOMPARE(sheet.windowTitle(), "Score Sheet");
        QMap<std::pair<int, int>, QString> labels;  // by left, then top
        for (const QLabel* label : sheet.findChildren<QLabel*>())
            labels[{label->mapTo(&sheet, QPoint()).x(), label->mapTo(&sheet, QPoint()).y()}] = label->text();
        QCOMPARE(
            labels.values().join('|'),
            "Your Score|11\n12\n13|36|Left Guy|31\n32\n33|96|Bob|21\n22\n23|66|Right Guy|41\n42\n43|126");
        QCOMPARE(child(&sheet, "lblScore2")->accessibleName(), "Left Guy: 31, 32, 33");
        QCOMPARE(child(&sheet, "lblTotal1")->accessibleName(), "Bob total: 66");
        QScrollBar* bar = sheet.scoreArea()->verticalScrollBar();
        QTest::keyClick(&sheet, Qt::Key_Return);  // OK is the default button
        QCoreApplication::processEvents();        // the queued activation of that showing
        fill(sheet, 30);
        sheet.show();
        QCoreApplication::processEvents();
        const auto top = [&](const char* name) { return child(&sheet, name)->mapTo(&sheet, QPoint()).y(); };
        const int heading = top("Label1"), total = top("lblTotal0"), scores = top("lblScore3");
        bar->setValue(bar->maximum() / 2);
        const int row = top("lblScore3");
        QCOMPARE((QList<int>{top("Label1"), top("lblTotal0"), top("lblScore0"), top("lblScore1"),
                             top("lblScore2")}),
                 (QList<int>{heading, total, row, row, row}));
        QVERIFY(row > scores);
        // Restored from the task bar, the sheet asks nothing again.
        sheet.showMinimized();
        sheet.showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(activated.size(), 1);
    }

    // Each answered another way: OK, Cancel, the close box and Escape (Cancel), Enter (OK). A network game
    // names the leader; the winner reads "You".
    void playAgainNamesTheWinnerAndTakesTheAnswer() {
        const std::function<void(QMessageBox*)> answers[] = {
            [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); },
            [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); },
            [](QMessageBox* box) { box->close(); },
            [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); },
            [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }};
        const QString winners[] = {"Ann", "", "Left Guy", "", "Ann"};
        const QString firstLines[] = {"You Won !!", "The middle player won !!", "Left Guy won !!",
                                      "The player on the right won !!", "We have a tie !!"};
        for (int way = 0; way < 5; ++way) {
            QString text;
            const ModalAnswerer answerer([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                text = box->text();
                answers[way](box);
            });
            QCOMPARE(askPlayAgain(nullptr, {true, way == 4, way % 4}, winners[way]),
                     way % 4 == 0 ? zanfel::Answer::Ok : zanfel::Answer::Cancel);
            QCOMPARE(text, firstLines[way] + "\nDo you want to play again?");
        }
        // A guest's box: the host answers for everyone, so the guest finds both buttons greyed.
        const std::unique_ptr<QWidget> box(
            showHostAnswers(nullptr, {true, false, zanfel::kHuman}, "", "Ann"));
        QVERIFY(std::ranges::none_of(box->findChildren<QPushButton*>(), &QWidget::isEnabled));
    }

    // Right of it, else left, below, above; with no room anywhere, at the right edge of a screen around 0,0.
    void theQuestionStandsBesideTheSheet() {
        const QRect screen(-200, -50, 1000, 700);
        QList<QPoint> places;
        for (const QRect sheet :
             {QRect(-100, 50, 300, 300), QRect(450, 50, 300, 300), QRect(-150, 50, 900, 300),
              QRect(-150, 250, 900, 390), QRect(-150, 0, 900, 640)})
            places << besideWindow(sheet, QSize(250, 120), screen);
        QCOMPARE(places, (QList<QPoint>{{208, 50}, {192, 50}, {174, 358}, {174, 122}, {550, 0}}));
    }

    // 9, 12, 20 points: the run's language, no overlap (About's Line2 under both), own menu keys; About once.
    void windowsFitTheFontAndStandOverTheTable() {
        const auto restore = qScopeGuard([font = QApplication::font()] { QApplication::setFont(font); });
        QStringList faults, abouts;
        const ModalAnswerer answerer([&](QWidget* modal) {
            faults << textFaults(modal);
            const QPoint off = modal->frameGeometry().center() - window_->frameGeometry().center();
            if (modal->parentWidget() == window_.get() && qMax(qAbs(off.x()), qAbs(off.y())) > 1 &&
                modal->screen()->availableGeometry().contains(modal->frameGeometry().translated(-off)))
                faults << modal->metaObject()->className() + QString(" off the middle");
            auto* about = qobject_cast<AboutWindow*>(modal);
            if (!about) {
                modal->close();
                return;
            }
            abouts << about->windowTitle() + (timer()->isActive() ? " over a running hand" : "");
            // Right of the text, nothing in the title bar's colour before Line2, under the release line.
            const QImage drawn = about->grab().toImage();
            const auto* label2 = child<QLabel>(about, "Label2");
            for (int y = 0; y < label2->y() + label2->heightForWidth(label2->width()); ++y)
                if (drawn.pixelColor(370, y) == about->palette().color(QPalette::Active, QPalette::Highlight))
                    faults << "Label2 over Line2";
            if (abouts.size() % 2)
                child<QPushButton>(about, "Command1")->click();
            else
                about->close();
        });
        for (int points : {9, 12, 20}) {
            QApplication::setFont(QFont(QApplication::font().family(), points));
            startWindow();
            clickDeck();
            // Where a language declines a name as a place's owner, the place says it so.
            const QMap<QString, QString> leftsPile{{"", "Left Guy's personal pile"},
                                                   {"de", "Persönlicher Stapel von Herrn Links"},
                                                   {"fr", "Pile personnelle de Monsieur Gauche"}};
            QVERIFY(find("Player11")->toolTip().startsWith(leftsPile.value(kTestLanguage)));
            trigger("mnuCardCount");
            faults << textFaults(window_.get());
            trigger("mnuAbout");
            trigger("mnuAbout");
            QCOMPARE(window_->findChildren<AboutWindow*>().size(), 1);
            humanGoesOut(window_->game());  // the announcement and the sheet
            trigger("mnuStatistics");
            ScoreSheet sheet;
            fill(sheet, 3);
            sheet.setNames({"", "Bob", "", ""});  // named once filled
            sheet.show();
            QVERIFY(sheet.height() >= 359);  // at least as drawn
            const auto at = [&](const char* name) { return child(&sheet, name)->mapTo(&sheet, QPoint()); };
            QCOMPARE(at("lblTotal1") - at("lblScore1"), QPoint(0, 272));  // pushed down alike, under one head
            QCOMPARE(at("Line2").y(), at("lblTotal1").y());
            LobbyWindow lobby;
            lobby.showSeats(zanfel::aloneSeats());
            lobby.showAddresses({"192.168.1.20", "fd00::5"}, 29147);
            lobby.show();
            JoinWindow join("Ann");
            join.showListProblem(NetworkPlay::tr("Games on the local network cannot be listed (%1). Type the "
                                                 "address of the host instead.")
                                     .arg("Address in use"));
            join.show();
            QVERIFY(child(&join, "lblListProblem")->isVisible());
            faults << textFaults(&sheet) << textFaults(&lobby) << textFaults(&join);
            askPlayAgain(nullptr, {true, false, zanfel::kRightPlayer});
            faults.replaceInStrings(QRegularExpression("^(?!\\d)"), QString::number(points) + " pt: ");
        }
        QCOMPARE(abouts, QStringList(6, AboutWindow::tr("About %1").arg("Zanfel") + " over a running hand"));
        QCOMPARE(faults.join(", "), QString());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
