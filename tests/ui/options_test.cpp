// SPDX-License-Identifier: GPL-3.0-or-later
// Options: table colour and card counts across a restart; the saved colour's text, read or refused.

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "card_backs.h"
#include "layers/keyboard_play.h"
#include "layers/move_marks.h"
#include "layers/place_outline.h"
#include "settings/saved_colour.h"
#include "table/card_table.h"
#include "table/table_ink.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const QString kKey = QStringLiteral("Colors/BackgroundColor");

QString colourOf(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
    return QApplication::palette().color(group, role).name();
}

}  // namespace

class OptionsTest : public WindowTest {
    Q_OBJECT

    QString file() { return settingsFolder_.filePath("Zanfel/Settings.ini"); }
    QColor shownAt(QPoint at) { return window_->centralWidget()->grab().toImage().pixelColor(at); }
    // Picks `colour`, adds it to the custom colours, then OK or Cancel.
    QColor openedOn_;
    QList<ShownBox> chooseColour(const QColor& colour, bool ok = true) {
        return boxesDuring(
            [this] { trigger("mnuBackColor"); },
            [this, colour, ok](QWidget* modal) {
                auto* dialog = child<QColorDialog>(modal->parent(), "CommonDialog1");
                openedOn_ = dialog->currentColor();
                dialog->setCurrentColor(colour);
                for (auto* button : dialog->findChildren<QPushButton*>())
                    if (button->text().contains("Custom"))
                        button->click();
                static_cast<QDialog*>(dialog)->done(ok ? QDialog::Accepted : QDialog::Rejected);
            });
    }
    int countsShown() {  // of the seven
        const auto counts = window_->findChildren<QWidget*>(QRegularExpression("^lblStack[0-6]$"));
        return int(std::ranges::count_if(counts, &QWidget::isVisible));
    }

private slots:
    // A colour of its own in every role of the program's palette, so that a wrong role shows.
    void initTestCase() {
        QPalette palette;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                palette.setColor(group, QPalette::ColorRole(role), QColor(10 + role, 40 * group, 100));
        QApplication::setPalette(palette);
    }
    void init() {  // each test starts with no settings file
        QFile::remove(file());
        startWindow();
    }

    // Saved as r + 256g + 65536b, on the table not the menu bar; Cancel changes nothing; customs unsaved.
    void chosenColourIsSavedCancelAndCustomColoursAreNot() {
        const QColor menuBar = window_->menuBar()->grab().toImage().pixelColor(2, 2);
        QVERIFY(chooseColour(QColor(0x12, 0x34, 0x56)).isEmpty());
        QCOMPARE(openedOn_.name(), colourOf(QPalette::Button));  // the dialog starts from the table's colour
        QCOMPARE(savedSettings().value(kKey).toString(), "5649426");
        QCOMPARE(window_->menuBar()->grab().toImage().pixelColor(2, 2), menuBar);
        QCOMPARE(QColorDialog::customColor(0), QColor(0x12, 0x34, 0x56));
        chooseColour(Qt::red, false);
        QCOMPARE(find<CardTable>("table")->colour(), QColor(0x12, 0x34, 0x56));
        window_.reset();
        const auto filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(settingsFolder_.path()).entryList(filter), QStringList("Zanfel"));
    }

    // Counts come with their mark, unsaved, hidden next start. Reset: button face, saved as system colour.
    void resetAndCardCountAtTheWindow() {
        trigger("mnuCardCount");  // shown as the reference pictures hold
        window_ = std::make_unique<MainWindow>(&random_, &sounds_);
        window_->show();  // the table goes up before the start-up runs
        QCOMPARE(countsShown(), 0);
        window_->startUp();
        QCOMPARE(countsShown(), 0);
        chooseColour(Qt::darkGreen);
        trigger("mnuCardCount");
        trigger("mnuReset");
        QCOMPARE(savedSettings().value(kKey).toString(), "-2147483633");
        QCOMPARE(find<CardTable>("table")->colour().name(), colourOf(QPalette::Button));
        QCOMPARE(countsShown(), 0);
        // A file for a folder: colour kept, New Game too; one notice (OK alone) a run, none for lost hands.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, "/dev/null/store");
        QList<ShownBox> boxes = chooseColour(Qt::darkRed);
        boxes += chooseColour(Qt::darkBlue);
        clickDeck();
        boxes += boxesDuring([this] { humanGoesOut(window_->game()); });
        QCOMPARE(boxes,
                 QList<ShownBox>({{"Zanfel",
                                   "The table colour could not be saved. It stays on the table for now, "
                                   "but the game will not remember it next time.",
                                   QMessageBox::Warning, QMessageBox::Ok}}));
        trigger("mnuNewGame");
        QCOMPARE(find<CardTable>("table")->colour(), QColor(Qt::darkBlue));
    }

    // Light table: black lines, theme text. Dark, blue too: frame, empty lines, focus ring turn white, hint
    // where lost. Greys either side of the middle take the ink that stands out more.
    void inkFollowsTheTableColour() {
        for (const QColor table : {QColor(0xf0, 0xf0, 0xf0), QColor(0x00, 0x55, 0x00), QColor(Qt::blue)}) {
            chooseColour(table);
            window_->activateWindow();  // for the key
            QTRY_VERIFY(window_->isActiveWindow());
            const QColor ink = table.lightness() > 128 ? Qt::black : Qt::white;
            const QImage shown = window_->centralWidget()->grab().toImage();
            QCOMPARE(shown.pixelColor(168, 150), ink);  // Shape1's left side
            const QRect pile = find("Pile0")->geometry();
            for (const QPoint side : {pile.topLeft() + QPoint(2, 0), pile.topLeft() + QPoint(0, 2),
                                      pile.bottomRight() - QPoint(2, 0), pile.bottomRight() - QPoint(0, 2)})
                QCOMPARE(shown.pixelColor(side), ink);         // its outline, all four sides
            QCOMPARE(shown.pixelColor(pile.center()), table);  // and no more
            QCOMPARE(find("lblTips")->palette().color(QPalette::Active, QPalette::WindowText).name(),
                     ink == Qt::black ? colourOf(QPalette::WindowText) : ink.name());
            keys("6");
            QCOMPARE(layers().keyboard().ring()->colour().name(),
                     ink == Qt::black ? colourOf(QPalette::Highlight) : ink.name());
        }
        for (const auto& [grey, ink] : {std::pair{0x73, Qt::white}, {0x7c, Qt::black}}) {
            chooseColour(QColor(grey, grey, grey));
            QCOMPARE(shownAt({168, 150}), QColor(ink));
        }
    }

    // Three to one, in the seat's own colour wherever that does; on a dark table the middle's navy lightens.
    void framesStandOutFromEveryTable() {
        for (const QColor table :
             {QColor(0xef, 0xef, 0xef), QColor(Qt::white), QColor(Qt::black), QColor(0x77, 0x77, 0x77),
              QColor(0x00, 0x55, 0x00), QColor(0x00, 0x00, 0x80), QColor(0xc0, 0x00, 0x00)}) {
            for (int player = zanfel::kHuman; player <= zanfel::kRightPlayer; ++player) {
                const QColor seat(QRgb(zanfel::backColourOf(player)));
                const QColor shown = lineInkFrom(seat, table);
                QVERIFY2(contrast(shown, table) >= 3, qPrintable(seat.name() + " on " + table.name()));
                QCOMPARE(shown.hue(), seat.hue());  // lightened or darkened, never turned another colour
                if (contrast(seat, table) >= 3)
                    QCOMPARE(shown, seat);
            }
        }
        chooseColour(QColor(0x00, 0x30, 0x10));
        clickDeck();
        for (int tick = 0; tick < 3; ++tick)
            window_->game().tick();  // left, right, then middle
        QCOMPARE(layers().moveMarks().moveTo()->shownColour(),
                 lineInkFrom(Qt::darkBlue, QColor(0x00, 0x30, 0x10)));
    }

    // Blanks around a decimal integer, red in the low byte, system colours 0..24; else refused, with error.
    void savedTextGivesAColourOrAnError() {
        QStringList wrong;
        const auto expect = [&wrong](const QString& expected, std::initializer_list<QString> texts) {
            for (const QString& text : texts) {
                const SavedColour got = parseSavedColour(text, QApplication::palette());
                const QString read = got.index() == 1   ? std::get<TableColour>(got).colour.name()
                                     : got.index() == 2 ? QString::number(std::get<ColourError>(got).number)
                                                        : "keep";
                if (read != expected)
                    wrong << text.left(20) + " read as " + read;
            }
        };
        expect("#563412", {" +00000000001193046 "});
        expect("#ffffff", {"16777215"});
        expect(colourOf(QPalette::Midlight), {"-2147483648"});                  // system colour 0
        expect(colourOf(QPalette::Text, QPalette::Disabled), {"-2147483631"});  // 17, another group
        expect(colourOf(QPalette::ToolTipBase), {"-2147483624"});               // 24 info background
        expect("13", {"abc", "12abc", "1.5", "+", "   "});
        expect("6", {"-2147483649", QString(100000, '7')});
        expect("380", {"2147483647", "-2130706417", "-2147483623"});  // bits 24..30, colour 25
        QCOMPARE(wrong.join(", "), QString());
    }

    // Painted, or error box (no icon, OK alone), exit, value gone, rest kept. "1,2" splits; junk is nothing.
    void windowTakesTheSavedColour() {
        for (const auto& [saved, expected] : {std::pair<QString, QString>{"255", "#ff0000"},
                                              {"1,2", "13 Type mismatch"},
                                              {"2147483648", "6 Overflow"},
                                              {"16777216", "380 Invalid property value"},
                                              {"garbage", colourOf(QPalette::Button)}}) {
            clearQuitRequest();
            savedSettings().setValue(kKey, saved);
            savedSettings().setValue("View/Zoom", "100");  // which stays
            if (saved == "garbage") {                      // a program is no settings file
                QVERIFY(QFile::remove(file()));
                QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), file()));
            }
            const bool refused = !expected.startsWith('#');
            const ShownBox message{"Zanfel", "Error encountered in GetColors routine - " + expected,
                                   QMessageBox::NoIcon, QMessageBox::Ok};
            QCOMPARE(boxesDuring([this] { startWindow(); }), refused ? QList{message} : QList<ShownBox>());
            QCOMPARE(window_->ended(), refused);
            QCOMPARE(window_->isVisible(), !refused);
            if (refused)  // the start after it, on the table's own colour, is the real window's run
                QCOMPARE(savedSettings().allKeys(), QStringList("View/Zoom"));
            else  // painted between the cards
                QCOMPARE(shownAt({2, 440}).name(), expected);
        }
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
