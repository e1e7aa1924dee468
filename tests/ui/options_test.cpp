// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu: the table colour through the colour dialog and the reset, kept in the
// per-user settings across a restart, and the card counts. Then bad input at the edges of the
// one value the game keeps, the text under Colors/BackgroundColor, and the store it lives in:
// each gives a colour, the table's own colour, or the message and the end; never a crash.

#include <QColorDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>

#include "keyboard_play.h"
#include "place_outline.h"
#include "saved_colour.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const QString kKey = QStringLiteral("Colors/BackgroundColor");

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings");
}

// A colour of its own in every role of the program's palette, so that a wrong role shows.
QString colourOf(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
    return QApplication::palette().color(group, role).name();
}

}  // namespace

class OptionsTest : public WindowTest {
    Q_OBJECT

    QString file() { return settingsFolder_.filePath("Zanfel/Settings.ini"); }
    // Chooses `colour` in the colour dialog, or cancels it when the colour is invalid; gives
    // back the message boxes shown. The colour the dialog opened on is kept in `openedOn_`.
    QColor openedOn_;
    QStringList chooseColour(const QColor& colour) {
        return boxesDuring([this] { trigger("mnuBackColor"); },
                           [this, colour](QWidget* modal) {
                               auto* dialog = qobject_cast<QColorDialog*>(modal);
                               QCOMPARE(dialog->objectName(), QStringLiteral("CommonDialog1"));
                               openedOn_ = dialog->currentColor();
                               dialog->setCurrentColor(colour);
                               colour.isValid() ? dialog->accept() : dialog->reject();
                           });
    }
    int countsShown() {
        int shown = 0;
        for (int k = 0; k <= 6; ++k)
            shown += find(QStringLiteral("lblStack%1").arg(k))->isVisible();
        return shown;
    }
    void restart() {
        window_.reset();
        startWindow();
    }
    // The store's folder cannot be made: a file stands where it should be.
    void blockFolder() {
        QFile blocker(settingsFolder_.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());
    }

private slots:
    void initTestCase() {
        QPalette palette;
        int shade = 10;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                palette.setColor(group, QPalette::ColorRole(role), QColor(shade++, 40 * group, 100));
        QApplication::setPalette(palette);
    }
    void cleanup() {
        window_.reset();
        QDir(file()).removeRecursively();  // a spoilt store's folder
        QFile::remove(file());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        clearQuitRequest();
    }

    // Red in the low byte, r + 256g + 65536b; the table above reads it back. Only the table
    // takes the colour: the menu bar keeps the window's. Cancel changes nothing.
    void chosenColourIsSavedCancelIsNot() {
        const QColor menuBar = window_->menuBar()->grab().toImage().pixelColor(2, 2);
        QVERIFY(chooseColour(QColor(0x12, 0x34, 0x56)).isEmpty());
        QCOMPARE(openedOn_.name(), colourOf(QPalette::Button));  // the dialog starts from the table's colour
        QCOMPARE(settings().value(kKey).toString(), QStringLiteral("5649426"));
        QCOMPARE(window_->centralWidget()->grab().toImage().pixelColor(2, 440), QColor(0x12, 0x34, 0x56));
        QCOMPARE(window_->menuBar()->grab().toImage().pixelColor(2, 2), menuBar);
        chooseColour(QColor());
        QCOMPARE(window_->tableColour(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(settings().value(kKey).toString(), QStringLiteral("5649426"));
    }

    // A custom colour added in the dialog lasts for the run: once the window and its dialog are
    // gone, the table colour is all there is in the per-user settings folder.
    void customColoursAreNotKept() {
        boxesDuring([this] { trigger("mnuBackColor"); },
                    [](QWidget* dialog) {
                        for (auto* button : dialog->findChildren<QPushButton*>())
                            button->text().contains("Custom") ? button->click() : void();
                        qobject_cast<QDialog*>(dialog)->accept();
                    });
        QCOMPARE(QColorDialog::customColor(0), window_->tableColour());
        window_.reset();
        QStringList written;
        QDirIterator entries(settingsFolder_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext())
            written << entries.next().mid(settingsFolder_.path().size() + 1);
        written.sort();
        QCOMPARE(written, (QStringList{"Zanfel", "Zanfel/Settings.ini"}));
    }

    // The button face again, saved as the system colour it is; the shown counts hidden and
    // their mark cleared. The counts come and go with their mark, nothing is written for
    // them, and the next start hides them.
    void resetAndCardCountAtTheWindow() {
        trigger("mnuCardCount");
        QCOMPARE(countsShown(), 7);
        trigger("mnuCardCount");
        QCOMPARE(countsShown(), 0);
        QVERIFY(!settings().contains(kKey));
        trigger("mnuCardCount");
        restart();
        QCOMPARE(countsShown(), 0);
        QVERIFY(!action("mnuCardCount")->isChecked());
        chooseColour(Qt::darkGreen);
        trigger("mnuCardCount");
        trigger("mnuReset");
        QCOMPARE(settings().value(kKey).toString(), QStringLiteral("-2147483633"));
        QCOMPARE(window_->tableColour().name(), colourOf(QPalette::Button));
        QCOMPARE(countsShown(), 0);
        QVERIFY(!action("mnuCardCount")->isChecked());
    }

    // Black lines and the theme's text on a light table; on a dark one the frame round the
    // foundations, the empty places' lines and the keyboard's ring turn white, and so does the
    // hint where the theme's text would be lost.
    void inkFollowsTheTableColour() {
        for (const QColor table : {QColor(0xf0, 0xf0, 0xf0), QColor(0x00, 0x55, 0x00)}) {
            chooseColour(table);
            window_->activateWindow();  // for the key
            QTRY_VERIFY(window_->isActiveWindow());
            const QColor ink = table.lightness() > 128 ? Qt::black : Qt::white;
            const QImage shown = window_->centralWidget()->grab().toImage();
            QCOMPARE(shown.pixelColor(168, 150), ink);                             // Shape1's left side
            QCOMPARE(shown.pixelColor(find("Pile0")->pos() + QPoint(2, 0)), ink);  // its outline
            QCOMPARE(find("lblTips")->palette().color(QPalette::Active, QPalette::WindowText).name(),
                     ink == Qt::black ? colourOf(QPalette::WindowText) : QStringLiteral("#ffffff"));
            QTest::keyClick(window_.get(), Qt::Key_6);
            const PlaceOutline* ring = window_->keyboardPlay()->ring();
            QCOMPARE(ring->colour(), ink == Qt::black ? ring->palette().color(QPalette::Highlight) : ink);
        }
    }

    // The colour stays on the table, through New Game too; the player is told once, with OK alone.
    void unwritableStoreKeepsTheColourOnScreen() {
        blockFolder();
        QStringList boxes = chooseColour(Qt::darkRed);
        boxes += chooseColour(Qt::darkBlue);
        QCOMPARE(window_->tableColour(), QColor(Qt::darkBlue));
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].startsWith("Zanfel|The table colour could not be saved."), qPrintable(boxes[0]));
        QVERIFY2(boxes[0].endsWith("|400"), qPrintable(boxes[0]));  // OK alone
        trigger("mnuNewGame");
        QCOMPARE(window_->tableColour(), QColor(Qt::darkBlue));
    }

    // The saved text as the game reads it, without a window: blanks around a decimal integer,
    // RGB with red in the low byte, system colours by index; anything else is refused with its
    // error's number. "1,2" is one the ini reader would split at the comma.
    void savedTextGivesAColourOrAnError_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("expected");
        const auto rows = [](const QString& expected, std::initializer_list<QString> texts) {
            for (const QString& text : texts)
                QTest::addRow("'%s'", text.isNull() ? "absent" : qPrintable(text.left(20)))
                    << text << expected;
        };
        rows("keep", {QString(), ""});
        rows("#ff0000", {"255", "  +000000000000255 "});
        rows("#0c0000", {"+12"});
        rows("#563412", {"1193046"});
        rows("#ffffff", {"16777215"});
        rows(colourOf(QPalette::Midlight), {"-2147483648"});                  // system colour 0
        rows(colourOf(QPalette::Button), {"-2147483633"});                    // 15 button face
        rows(colourOf(QPalette::Text, QPalette::Disabled), {"-2147483631"});  // 17 grey text
        rows(colourOf(QPalette::ToolTipBase), {"-2147483624"});               // 24 info background
        rows("13", {"abc", "12abc", "1.5", "1e3", "&HFF", "-", "+", "   ", "1,2",
                    QString::fromLatin1("\x01\x02\x7f\xff"), QString(100000, 'x')});
        rows("6", {"2147483648", "-2147483649", "9223372036854775807", "99999999999999999999",
                   QString(100000, '7')});
        // Past RGB, bits 24..30 set, system colour 25.
        rows("380", {"16777216", "2147483647", "-2130706417", "-2147483623"});
    }
    void savedTextGivesAColourOrAnError() {
        QFETCH(QString, saved);
        QFETCH(QString, expected);
        const SavedColour parsed = parseSavedColour(saved, QApplication::palette());
        if (const auto* colour = std::get_if<TableColour>(&parsed))
            QCOMPARE(colour->colour.name(), expected);
        else if (const auto* error = std::get_if<ColourError>(&parsed))
            QCOMPARE(QString::number(error->number), expected);
        else
            QCOMPARE(QStringLiteral("keep"), expected);
    }

    // At start-up: a colour on the table; an error reported in a box with OK alone, after which
    // the program ends. `store` spoils the store itself: its folder missing, a file where the
    // folder should be, a folder where the file should be, or a file that is no settings file.
    void windowTakesTheSavedColour_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("expected");
        const QString error = "Error encountered in GetColors routine - ";
        QTest::newRow("absent") << QString() << QString() << colourOf(QPalette::Button);
        QTest::newRow("red") << "255" << QString() << "#ff0000";
        QTest::newRow("not a number") << "abc" << QString() << error + "13 Type mismatch";
        QTest::newRow("too large") << "2147483648" << QString() << error + "6 Overflow";
        QTest::newRow("no colour") << "16777216" << QString() << error + "380 Invalid property value";
        for (const char* store : {"no folder", "folder is a file", "file is a folder", "not a settings file"})
            QTest::addRow("%s", store)
                << QStringLiteral("255") << QString(store) << colourOf(QPalette::Button);
    }
    void windowTakesTheSavedColour() {
        QFETCH(QString, saved);
        QFETCH(QString, store);
        QFETCH(QString, expected);
        window_.reset();
        saved.isNull() ? settings().remove(kKey) : settings().setValue(kKey, saved);
        if (store == "no folder") {
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.filePath("none"));
        } else if (store == "folder is a file") {
            blockFolder();
        } else if (store == "file is a folder") {
            QVERIFY(QFile::remove(file()) && QDir().mkpath(file()));
        } else if (store == "not a settings file") {
            QFile garbage(file());
            QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
            for (int i = 0; i < 4096; ++i)
                garbage.putChar(char((i * 7919) % 251));
        }
        const QStringList shown = boxesDuring([this] { startWindow(); });
        if (expected.startsWith("Error")) {
            QCOMPARE(shown, QStringList("Zanfel|" + expected + "|0|400"));  // no icon, OK alone
            QVERIFY(window_->ended());
            QVERIFY(!window_->isVisible());
            QCOMPARE(window_->tableColour().name(), colourOf(QPalette::Button));
        } else {
            QCOMPARE(shown, QStringList());
            QVERIFY(!window_->ended());
            QCOMPARE(window_->tableColour().name(), expected);
            // The table really is painted in it, between the cards.
            QCOMPARE(window_->centralWidget()->grab().toImage().pixelColor(2, 440).name(), expected);
        }
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
