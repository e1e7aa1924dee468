// The Options menu: the table colour through the colour dialog and the reset, kept in the
// per-user settings across a restart, and the card counts.

#include <QColorDialog>
#include <QFile>

#include "window_test_support.h"

using namespace testing_support;

namespace {

const QString kKey = QStringLiteral("Colors/BackgroundColor");

QVariant storedColour() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings").value(kKey);
}

}  // namespace

class OptionsTest : public WindowTest {
    Q_OBJECT

    QStringList boxes;  // every message box shown, as describeBox puts it

    // Chooses `colour` in the colour dialog, or cancels it when the colour is invalid.
    void chooseColour(const QColor& colour) {
        const ModalAnswerer answerer([this, colour](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << describeBox(box);
                box->button(QMessageBox::Ok)->click();
            } else if (auto* dialog = qobject_cast<QColorDialog*>(modal)) {
                QCOMPARE(dialog->objectName(), QStringLiteral("CommonDialog1"));
                dialog->setCurrentColor(colour);
                colour.isValid() ? dialog->accept() : dialog->reject();
            }
        });
        action("mnuBackColor")->trigger();
    }
    // All seven counts shown, or none: anything between fails.
    bool countsVisible() {
        int visible = 0;
        for (int k = 0; k <= 6; ++k)
            visible += find(QStringLiteral("lblStack%1").arg(k))->isVisible();
        if (visible % 7)
            qFatal("%d of the counts shown", visible);
        return visible;
    }
    void restart() {
        window_.reset();
        startWindow();
    }

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        QFile::remove(settingsFolder_.filePath("Zanfel/Settings.ini"));
        boxes.clear();
        startWindow();
    }

    // Red in the low byte; the colour comes back at the next start; Cancel changes nothing.
    void chosenColourIsSavedAndComesBack() {
        chooseColour(QColor(0x12, 0x34, 0x56));
        QCOMPARE(window_->tableColourValue(), 0x12 + 0x34 * 256 + 0x56 * 65536);
        QCOMPARE(storedColour().toString(), QStringLiteral("5649426"));
        restart();
        QCOMPARE(window_->tableColour(), QColor(0x12, 0x34, 0x56));
        chooseColour(QColor());
        QCOMPARE(window_->tableColour(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(storedColour().toString(), QStringLiteral("5649426"));
        QVERIFY(boxes.isEmpty());
    }

    // The button face again, saved as the system colour it is; the shown counts hidden and
    // their mark cleared. The counts come and go with their mark, nothing is
    // written for them, and the next start hides them.
    void resetAndCardCountAtTheWindow() {
        action("mnuCardCount")->trigger();
        QVERIFY(countsVisible());
        action("mnuCardCount")->trigger();
        QVERIFY(!countsVisible() && !storedColour().isValid());
        action("mnuCardCount")->trigger();
        restart();
        QVERIFY(!countsVisible() && !action("mnuCardCount")->isChecked());
        chooseColour(Qt::darkGreen);
        action("mnuCardCount")->trigger();
        action("mnuReset")->trigger();
        QCOMPARE(storedColour().toString(), QStringLiteral("-2147483633"));
        QCOMPARE(window_->tableColourValue(), -2147483633);
        QCOMPARE(window_->tableColour(), QApplication::palette().color(QPalette::Button));
        QVERIFY(!countsVisible() && !action("mnuCardCount")->isChecked());
    }

    // The store's folder cannot be made: the colour stays on the table, the player is told
    // once, and the next start has nothing saved to apply.
    void unwritableStoreKeepsTheColourOnScreen() {
        QFile blocker(settingsFolder_.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());
        chooseColour(Qt::darkRed);
        chooseColour(Qt::darkBlue);
        QCOMPARE(window_->tableColour(), QColor(Qt::darkBlue));
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].startsWith("Zanfel|The table colour could not be saved."));
        QVERIFY(boxes[0].endsWith("|400"));  // OK alone
        action("mnuNewGame")->trigger();
        QCOMPARE(window_->tableColour(), QColor(Qt::darkBlue));
        restart();
        QCOMPARE(window_->tableColour(), QApplication::palette().color(QPalette::Button));
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
