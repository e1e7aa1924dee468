// Bad input at the edges of the one value the game keeps: the text under
// Colors/BackgroundColor, and the store it lives in. Each gives a colour, the table's own
// colour, or the message and the end; never a crash or a hang. (Damaged help files have a
// table of their own in the help test.)

#include <QDir>
#include <QFile>

#include "window_test_support.h"

using namespace testing_support;

class BadInputTest : public WindowTest {
    Q_OBJECT

    // A colour of its own in every role of the program's palette, so that a wrong role shows.
    static QString colourOf(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
        return QApplication::palette().color(group, role).name();
    }

    // The saved 255 is there, but the store cannot give it.
    void spoil(const QString& store) {
        const QString file = settingsFolder_.filePath("Zanfel/Settings.ini");
        if (store == "no folder") {
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                               settingsFolder_.filePath("none/at/all"));
        } else if (store == "folder is a file") {
            QFile blocker(settingsFolder_.filePath("blocker"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());
        } else if (store == "file is a folder") {
            QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        } else if (store == "not a settings file") {
            QFile garbage(file);
            QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QByteArray bytes(4096, '\0');
            for (int i = 0; i < bytes.size(); ++i)
                bytes[i] = static_cast<char>((i * 7919) % 251);
            garbage.write(bytes);
        }
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
    void init() {}  // each row starts the window once its store is ready
    void cleanup() {
        window_.reset();
        QDir(settingsFolder_.filePath("Zanfel/Settings.ini")).removeRecursively();  // a spoilt store's folder
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
        clearQuitRequest();
    }

    // A colour, or an error reported in a box with OK alone, after which the program ends.
    // `store` spoils the store itself: its folder missing, a file where the folder should be, a
    // folder where the file should be, or a file that is no settings file at all.
    void windowTakesTheSavedColour_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("expected");
        const auto rows = [](const QString& expected, std::initializer_list<QString> texts) {
            for (const QString& text : texts)
                QTest::addRow("'%s'", text.isNull() ? "absent" : qPrintable(text.left(20)))
                    << text << QString() << expected;
        };
        const QString tableColour = colourOf(QPalette::Button);
        rows(tableColour, {QString(), ""});  // nothing saved: the table keeps its colour
        rows("#ff0000", {"255", "  +000000000000255 "});
        rows("#0c0000", {"+12"});
        rows("#563412", {"1193046"});
        rows("#ffffff", {"16777215"});
        rows(colourOf(QPalette::Midlight), {"-2147483648"});                  // system colour 0
        rows(colourOf(QPalette::Base), {"-2147483643"});                      // 5 window
        rows(colourOf(QPalette::Text, QPalette::Disabled), {"-2147483631"});  // 17 grey text
        rows(colourOf(QPalette::ToolTipBase), {"-2147483624"});               // 24 info background
        const QString error = "Error encountered in GetColors routine - ";
        // "1,2" is one the ini reader would split at the comma.
        rows(error + "13 Type mismatch", {"abc", "12abc", "1.5", "1e3", "&HFF", "-", "+", "   ", "1,2",
                                          QString::fromLatin1("\x01\x02\x7f\xff"), QString(100000, 'x')});
        rows(error + "6 Overflow", {"2147483648", "-2147483649", "9223372036854775807",
                                    "-9223372036854775808", "99999999999999999999", QString(100000, '7')});
        // Past RGB, bits 24..30 set, system colour 25.
        rows(error + "380 Invalid property value", {"16777216", "2147483647", "-2130706417", "-2147483623"});
        for (const char* store : {"no folder", "folder is a file", "file is a folder", "not a settings file"})
            QTest::addRow("%s", store) << QStringLiteral("255") << QString(store) << tableColour;
    }
    void windowTakesTheSavedColour() {
        QFETCH(QString, saved);
        QFETCH(QString, store);
        QFETCH(QString, expected);
        {
            QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings");
            saved.isNull() ? settings.remove("Colors/BackgroundColor")
                           : settings.setValue("Colors/BackgroundColor", saved);
        }
        spoil(store);
        QString shown;
        const ModalAnswerer answerer([&shown](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            shown = describeBox(box);
            box->button(QMessageBox::Ok)->click();
        });
        startWindow();
        if (expected.startsWith("Error")) {
            QCOMPARE(shown, "Zanfel|" + expected + "|0|400");  // no icon, OK alone
            QVERIFY(window_->ended() && !window_->isVisible());
            QCOMPARE(window_->tableColour().name(), colourOf(QPalette::Button));
        } else {
            QVERIFY(shown.isEmpty() && !window_->ended());
            QCOMPARE(window_->tableColour().name(), expected);
            // The table really is painted in it, between the cards.
            QCOMPARE(window_->centralWidget()->grab().toImage().pixelColor(2, 440).name(), expected);
        }
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
