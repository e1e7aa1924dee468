// The saved table colour: the text under Colors/BackgroundColor, and what the window does with it.

#include "window_test_support.h"

using namespace testing_support;

class SavedColourTest : public WindowTest {
    Q_OBJECT

    // A colour of its own in every role of the program's palette, so that a wrong role shows.
    static QString colourOf(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
        return QApplication::palette().color(group, role).name();
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
    void cleanup() { clearQuitRequest(); }

    // A colour, or an error reported in a box with OK alone, after which the program ends.
    void windowTakesTheSavedColour_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("expected");
        const auto rows = [](const QString& expected, std::initializer_list<const char*> texts) {
            for (const char* text : texts)
                QTest::addRow("'%s'", text ? text : "absent") << QString(text) << expected;
        };
        rows(colourOf(QPalette::Button), {nullptr, ""});  // nothing saved: the table keeps its colour
        rows("#ff0000", {"255", "  +000000000000255 "});
        rows("#563412", {"1193046"});
        rows("#ffffff", {"16777215"});
        rows(colourOf(QPalette::Midlight), {"-2147483648"});                  // system colour 0
        rows(colourOf(QPalette::Base), {"-2147483643"});                      // 5 window
        rows(colourOf(QPalette::Text, QPalette::Disabled), {"-2147483631"});  // 17 grey text
        rows(colourOf(QPalette::ToolTipBase), {"-2147483624"});               // 24 info background
        const QString error = "Error encountered in GetColors routine - ";
        // "1,2" is one the ini reader would split at the comma.
        rows(error + "13 Type mismatch", {"abc", "12abc", "1.5", "&HFF", "-", "1,2"});
        rows(error + "6 Overflow", {"2147483648", "-2147483649", "99999999999999999999"});
        // Past RGB, bits 24..30 set, system colour 25.
        rows(error + "380 Invalid property value", {"16777216", "2147483647", "-2130706417", "-2147483623"});
    }
    void windowTakesTheSavedColour() {
        QFETCH(QString, saved);
        QFETCH(QString, expected);
        QSettings store(QSettings::IniFormat, QSettings::UserScope, "Zanfel", "Settings");
        saved.isNull() ? store.remove("Colors/BackgroundColor")
                       : store.setValue("Colors/BackgroundColor", saved);
        store.sync();
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

QTEST_MAIN(SavedColourTest)
#include "saved_colour_test.moc"
