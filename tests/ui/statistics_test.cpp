// SPDX-License-Identifier: GPL-3.0-or-later
// The record: per-level columns beside the colour in one file; hand-edited figures it can't use read as 0.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "settings/settings_store.h"
#include "dialogs/statistics_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const QString kColourKey = QStringLiteral("Colors/BackgroundColor");

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings");
}

// Normal's nine figures and Blinding's hands played, as the record shows them.
QString column(const QWidget* sheet) {
    QStringList shown;
    for (int figure = 0; figure < 9; ++figure)
        shown << child<QLabel>(sheet, QStringLiteral("lblRecord3_%1").arg(figure))->text();
    return shown.join(' ') + " | " + child<QLabel>(sheet, "lblRecord5_0")->text();
}

}  // namespace

class StatisticsTest : public WindowTest {
    Q_OBJECT

private slots:
    // Human out twice at Normal. After a restart, Reset Options' colour leaves the record; seen via the menu
    // with the hand running behind, its Reset (OK) clears every level but not the colour.
    void aHandShowsInItsLevelsColumnAndResetKeepsTheColour() {
        for (int held : {0, 39}) {  // 52, then 13: two hands that add up, and no game over
            clickDeck();
            zanfel::Table& table = window_->game().tableForSetUp();
            for (auto& list : table.lstStack)
                list.clear();
            for (int card = 1; card <= held; ++card)
                table.lstStack[zanfel::kStockSlot].addEnd(static_cast<zanfel::CardNumber>(card));
            table.lstStack[zanfel::kPersonalSlot].addEnd(1);  // the ace of spades, for the first foundation
            boxesDuring([this] { window_->game().playToFoundation(zanfel::kPersonalSlot); });
        }
        window_.reset();
        startWindow();
        trigger("mnuReset");
        clickDeck();
        QStringList seen;
        const ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << describeBox(box);
                return box->button(QMessageBox::Ok)->click();
            }
            if (seen.size() == 1)  // the question is on its way
                return;
            seen << column(modal) + (timer()->isActive() ? " running" : " stopped");
            // The question comes up inside the button's click, so that is clicked from a call of its own.
            if (seen.size() == 1)
                QTimer::singleShot(0, child<QPushButton>(modal, "cmdReset"), &QPushButton::click);
            else
                modal->close();
        });
        trigger("mnuStatistics");
        QCOMPARE(seen, (QStringList{"2 2 2 52 0 0 - 0 0 | 0 running",
                                    "Zanfel|Clear your record at every skill level? This cannot be "
                                    "undone.|4|400400",
                                    "0 0 0 - 0 0 - 0 0 | 0 running"}));
        QVERIFY(!settings().childGroups().contains("Statistics"));
        QCOMPARE(settings().value(kColourKey).toString(), QStringLiteral("-2147483633"));
    }

    // Hand-written Normal figures beside a colour, each row spoiling some ("-" omits a key): unreadable or
    // impossible figures read as 0, nothing else is lost. Bests below 0 can be real.
    void handEditedFiguresThatCannotBeUsedReadAsZero() {
        const QStringList keys = QString(
                                     "HandsPlayed HandsWentOut HandsScoredHighest BestHandScore GamesPlayed "
                                     "GamesWon BestFinalTotal CurrentWinRun LongestWinRun")
                                     .split(' ');
        int row = 0;
        for (const auto& [written, expected] :
             {std::pair<QString, QString>{" 4 |+2|3|-26|2|1|-40|0|1", "4 2 3 -26 2 1 -40 0 1"},  // good
              {"4|-|3|-26|2|1|-|0|1", "4 0 3 -26 2 1 0 0 1"},
              {"4|two|99999999999|1e3|2|1,2|-40|0|1", "4 0 0 0 2 0 -40 0 0"},
              {"4|2|-3|-26|2|1|-40|0|-1", "4 2 0 -26 2 1 -40 0 0"},
              {"4|5|3|-26|2|3|-40|0|1", "4 0 3 -26 2 0 -40 0 0"},  // more won than played
              {"4|2|3|-26|2|1|-40|2|2", "4 2 3 -26 2 1 -40 0 0"},  // runs past the wins
              {"4|2|3|53|2|1|152|0|1", "4 2 3 0 2 1 0 0 1"}}) {    // bests out of reach
            QByteArray text = "[Colors]\nBackgroundColor=255\n\n[Statistics]\n";
            const QStringList values = written.split('|');
            for (int figure = 0; figure < keys.size(); ++figure)
                if (values[figure] != "-")
                    text += ("Normal\\" + keys[figure] + '=' + values[figure] + '\n').toUtf8();
            // A folder of each row's own, so no cached reading of another row's file comes back.
            const QString folder = settingsFolder_.filePath(QString::number(row++));
            QVERIFY(QDir().mkpath(folder + "/Zanfel"));
            QFile file(folder + "/Zanfel/Settings.ini");
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(text), qint64(text.size()));
            file.close();
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
            SettingsStore store(nullptr);
            StatisticsWindow sheet(store);
            sheet.refresh();
            QCOMPARE(column(&sheet), expected + " | 0");
            QCOMPARE(settings().value(kColourKey).toString(), QStringLiteral("255"));
        }
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
    }
};

QTEST_MAIN(StatisticsTest)
#include "statistics_test.moc"
