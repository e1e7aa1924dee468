// SPDX-License-Identifier: GPL-3.0-or-later
// The record: per-level columns beside the colour in one file; hand-edited figures it can't use read as 0.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "dialogs/statistics_window.h"
#include "settings/settings_store.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// A column's nine figures as the record shows them (Normal's unless told), then Blinding's hands played.
QStringList column(const QWidget* sheet, int level = 3) {
    QStringList shown;
    for (int figure = 0; figure < 9; ++figure)
        shown << child<QLabel>(sheet, QString("lblRecord%1_%2").arg(level).arg(figure))->text();
    return shown << child<QLabel>(sheet, "lblRecord5_0")->text();
}

}  // namespace

class StatisticsTest : public WindowTest {
    Q_OBJECT

private slots:
    // Out twice at Normal, shown in the open record; after a restart, Reset Options keeps it; Reset (OK)
    // mid-hand clears every level.
    void aHandShowsInItsLevelsColumnAndResetKeepsTheColour() {
        boxesDuring([this] { trigger("mnuStatistics"); });
        auto* record = window_->findChild<StatisticsWindow*>();
        record->show();
        for (int held : {0, 39}) {  // 52, then 13: two hands that add up, and no game over
            clickDeck();
            boxesDuring([this, held] { humanGoesOut(window_->game(), held); });
        }
        QCOMPARE(column(record).first(), "2");
        startWindow();
        trigger("mnuReset");
        clickDeck();
        QList<QStringList> columns;
        QList<ShownBox> boxes;
        const ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << shown(box);
                box->button(QMessageBox::Ok)->click();
                return;
            }
            if (columns.size() > boxes.size())  // the question is on its way
                return;
            columns << column(modal);
            // The question comes up inside the button's click, so that is clicked from a call of its own.
            if (columns.size() == 1)
                QTimer::singleShot(0, child<QPushButton>(modal, "cmdReset"), &QPushButton::click);
            else
                modal->close();
        });
        trigger("mnuStatistics");
        QCOMPARE(columns, (QList<QStringList>{{"2", "2", "2", "52", "0", "0", "-", "0", "0", "0"},
                                              {"0", "0", "0", "-", "0", "0", "-", "0", "0", "0"}}));
        QCOMPARE(boxes,
                 QList<ShownBox>({{"Zanfel", "Clear your record at every skill level? This cannot be undone.",
                                   QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel}}));
        QCOMPARE(savedSettings().value("Colors/BackgroundColor").toString(), "-2147483633");
    }

    // Blinding, Super Easy a moment: Super Easy's. Normal, Blinding: Normal's; the game it ends Super Easy's.
    void aHandAndAGameCountAtTheEasiestLevelTheyWerePlayedAt() {
        for (const auto& levels :
             {QStringList{"mnuLevel5", "mnuLevel1", "mnuLevel5"}, {"mnuLevel3", "mnuLevel5"}}) {
            trigger(levels.first());
            clickDeck();
            for (const QString& level : levels)
                trigger(level);
            boxesDuring([this] { humanGoesOut(window_->game()); });  // 52 each: the second ends the game
        }
        std::vector<std::pair<int, int>> counted;  // hands and games, Super Easy to Blinding
        for (const zanfel::LevelRecord& level : SettingsStore(nullptr).record().levels)
            counted.emplace_back(level.handsPlayed, level.gamesPlayed);
        QCOMPARE(counted, (std::vector<std::pair<int, int>>{{1, 1}, {0, 0}, {1, 0}, {0, 0}, {0, 0}}));
    }

    // Rows spoil Normal figures: unreadable or impossible (won > played, runs past wins, bests out of reach)
    // read 0, nothing else lost; bests below 0, runs equal to the longest, 99 + 52 hold.
    void handEditedFiguresThatCannotBeUsedReadAsZero() {
        const char* const keys[] = {"HandsPlayed",    "HandsWentOut",  "HandsScoredHighest",
                                    "BestHandScore",  "GamesPlayed",   "GamesWon",
                                    "BestFinalTotal", "CurrentWinRun", "LongestWinRun"};
        using Written = std::array<const char*, 9>;
        using Read = std::array<int, 9>;
        int row = 0;
        for (const auto& [written, read] :
             {std::pair<Written, Read>{{" 4 ", "+2", "3", "-26", "2", "1", "151", "1", "1"},
                                       {4, 2, 3, -26, 2, 1, 151, 1, 1}},
              {{"4", "two", "99999999999", "1e3", "2", "1,2", "-4,0", "0", "1"}, {4, 0, 0, 0, 2, 0, 0, 0, 0}},
              {{"4", "2", "-3", "-26", "2", "1", "-40", "0", "-1"}, {4, 2, 0, -26, 2, 1, -40, 0, 0}},
              {{"4", "5", "3", "-26", "2", "3", "-40", "0", "1"}, {4, 0, 3, -26, 2, 0, -40, 0, 0}},
              {{"4", "2", "3", "-26", "2", "1", "-40", "2", "2"}, {4, 2, 3, -26, 2, 1, -40, 0, 0}},
              {{"4", "2", "3", "53", "2", "1", "152", "0", "1"}, {4, 2, 3, 0, 2, 1, 0, 0, 1}}}) {
            QByteArray text = "[Statistics]\n";
            for (int figure = 0; figure < 9; ++figure)
                text += QByteArray("Normal\\") + keys[figure] + '=' + written[figure] + '\n';
            // A folder of each row's own, so no cached reading of another row's file comes back.
            const QString folder = settingsFolder_.filePath(QString::number(row++));
            QVERIFY(QDir().mkpath(folder + "/Zanfel"));
            QFile file(folder + "/Zanfel/Settings.ini");
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
            file.close();
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
            SettingsStore store(nullptr);
            StatisticsWindow sheet(store);
            sheet.refresh();
            QStringList expected;
            for (int figure : read)
                expected << QString::number(figure);
            QCOMPARE(column(&sheet), expected << "0");
        }
    }

    // Whatever the level; a game begun alone, ended with them: its hand apart, the game at its level.
    void playWithPeopleElsewhereCountsInAColumnOfItsOwn() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.filePath("network"));
        SettingsStore store(nullptr);
        zanfel::HandResult hand{3, {52, -5, 2, 0}, zanfel::kHuman, false, {52, -5, 2, 0}, true, true, 3};
        store.countHand(hand);
        hand.gameOver = true;
        hand.gameWithPeopleElsewhere = false;
        hand.totals = {104, -10, 4, 0};
        store.countHand(hand);
        StatisticsWindow sheet(store);
        sheet.refresh();
        QCOMPARE(column(&sheet, 6), QStringList({"2", "2", "2", "52", "0", "0", "-", "0", "0", "0"}));
        QCOMPARE(column(&sheet), QStringList({"0", "0", "0", "-", "1", "1", "104", "1", "1", "0"}));
    }
};

QTEST_MAIN(StatisticsTest)
#include "statistics_test.moc"
