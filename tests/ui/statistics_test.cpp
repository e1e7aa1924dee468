// SPDX-License-Identifier: GPL-3.0-or-later
// The player's record: hands ended at the window are counted in their level's column and are
// there after a restart; the record and the table colour share the settings file without
// touching each other; and a file edited by hand reads every figure it cannot use as 0.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "player_record_store.h"
#include "statistics_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const QString kColourKey = QStringLiteral("Colors/BackgroundColor");

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings");
}

// A level's nine figures as the store reads them, "4 2 3 -26 ...".
QString figures(int level) {
    const zanfel::LevelRecord record = PlayerRecordStore(nullptr).load().level(level);
    QStringList shown;
    for (zanfel::Figure figure : zanfel::kFigures)
        shown << QString::number(record.*figure);
    return shown.join(' ');
}

}  // namespace

class StatisticsTest : public WindowTest {
    Q_OBJECT

    // The human goes out with every card played, or the middle player with the last card of its
    // personal pile.
    void endHand(bool humanOut) {
        clickDeck();
        zanfel::Game& game = window_->game();
        zanfel::Table& table = game.tableForSetUp();
        zanfel::PileList* lastCard = &table.lstStack[zanfel::kPersonalSlot];
        if (humanOut) {
            for (auto& list : table.lstStack)
                list.clear();
        } else {
            while (game.playerBase() != zanfel::kRightBase)  // the middle player moves next
                game.tick();
            lastCard = &table.lstPlayer[zanfel::kMiddleBase + zanfel::kPersonalSlot];
        }
        lastCard->clear();
        lastCard->addEnd(1);  // an ace, for the first empty foundation
        boxesDuring([&] { humanOut ? game.playToFoundation(zanfel::kPersonalSlot) : game.tick(); });
    }

private slots:
    void cleanup() {
        window_.reset();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        clearQuitRequest();
    }

    // A hand the human wins at Normal, one the middle player goes out in at Blinding. After a
    // restart, the table colour set back by Reset Options leaves the record as it was, and the
    // record is seen through the menu while a hand runs on behind it; its Reset, once
    // answered OK, clears every level and leaves the colour in the file.
    void handsShowInTheirLevelsColumnAndResetKeepsTheColour() {
        endHand(true);
        trigger("mnuLevel5");
        endHand(false);
        window_.reset();
        startWindow();
        trigger("mnuReset");
        QCOMPARE(settings().value(kColourKey).toString(), QStringLiteral("-2147483633"));
        clickDeck();
        QStringList seen;
        bool resetClicked = false;
        const ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << describeBox(box);
                box->button(QMessageBox::Ok)->click();
                return;
            }
            if (resetClicked && seen.size() == 1)
                return;          // the question is on its way
            QStringList column;  // Normal's figures, then Blinding's hands played and gone out
            for (const char* label : {"lblRecord3_0", "lblRecord3_1", "lblRecord3_2", "lblRecord3_3",
                                      "lblRecord3_4", "lblRecord3_6", "lblRecord5_0", "lblRecord5_1"})
                column << child<QLabel>(modal, label)->text();
            seen << column.join(' ') + (timer()->isActive() ? " running" : " stopped");
            if (resetClicked) {
                modal->close();
                return;
            }
            // The question comes up from inside the button's click, so it is clicked from a call
            // of its own.
            resetClicked = true;
            QTimer::singleShot(0, child<QPushButton>(modal, "cmdReset"), &QPushButton::click);
        });
        trigger("mnuStatistics");
        QCOMPARE(seen, (QStringList{"1 1 1 52 0 - 1 0 running",
                                    "Zanfel|Clear your record at every skill level? This cannot be "
                                    "undone.|4|400400",
                                    "0 0 0 - 0 - 0 0 running"}));
        QVERIFY(!settings().childGroups().contains("Statistics"));
        QCOMPARE(settings().value(kColourKey).toString(), QStringLiteral("-2147483633"));
    }

    // The figures of Normal, written by hand into the file beside a colour. Each row spoils some
    // keys of a good record ("-" leaves a key out); what cannot be read, or could not have come
    // from play, reads as 0, and nothing else is lost. Bests below 0 can be real.
    void handEditedFiguresThatCannotBeUsedReadAsZero_data() {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("expected");
        QTest::newRow("good") << ""
                              << "4 2 3 -26 2 1 -40 0 1";
        QTest::newRow("missing") << "HandsWentOut=-;BestFinalTotal=-"
                                 << "4 0 3 -26 2 1 0 0 1";
        QTest::newRow("not a number") << "HandsWentOut=two;HandsScoredHighest=99999999999;BestHandScore=1e3;"
                                         "GamesWon=1,2"
                                      << "4 0 0 0 2 0 -40 0 0";
        QTest::newRow("negative") << "HandsScoredHighest=-3;LongestWinRun=-1"
                                  << "4 2 0 -26 2 1 -40 0 0";
        QTest::newRow("more won than played") << "HandsWentOut=5;GamesWon=3"
                                              << "4 0 3 -26 2 0 -40 0 0";
        QTest::newRow("runs past the wins") << "CurrentWinRun=2;LongestWinRun=2"
                                            << "4 2 3 -26 2 1 -40 0 0";
        QTest::newRow("bests out of reach") << "BestHandScore=53;BestFinalTotal=152"
                                            << "4 2 3 0 2 1 0 0 1";
    }
    void handEditedFiguresThatCannotBeUsedReadAsZero() {
        QFETCH(QString, edits);
        QFETCH(QString, expected);
        QMap<QString, QString> keys{
            {"HandsPlayed", " 4 "},    {"HandsWentOut", "+2"}, {"HandsScoredHighest", "3"},
            {"BestHandScore", "-26"},  {"GamesPlayed", "2"},   {"GamesWon", "1"},
            {"BestFinalTotal", "-40"}, {"CurrentWinRun", "0"}, {"LongestWinRun", "1"}};
        for (const QString& edit : edits.split(';', Qt::SkipEmptyParts))
            keys[edit.section('=', 0, 0)] = edit.section('=', 1);
        QByteArray text = "[Colors]\nBackgroundColor=255\n\n[Statistics]\n";
        for (auto [key, value] : keys.asKeyValueRange())
            if (value != "-")
                text += "Normal\\" + key.toUtf8() + '=' + value.toUtf8() + '\n';
        // A folder of each row's own, so no cached reading of another row's file comes back.
        const QString folder = settingsFolder_.filePath(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder + "/Zanfel"));
        QFile file(folder + "/Zanfel/Settings.ini");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        QCOMPARE(figures(3), expected);
        QCOMPARE(figures(4), QStringLiteral("0 0 0 0 0 0 0 0 0"));
        QCOMPARE(settings().value(kColourKey).toString(), QStringLiteral("255"));
    }
};

QTEST_MAIN(StatisticsTest)
#include "statistics_test.moc"
