// The saved table colour: how its text is read, and what the window does with it.

#include <QAction>
#include <QTest>

#include "saved_colour.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

// A palette with a colour of its own in every role, so that a wrong role shows.
QPalette distinctPalette() {
    QPalette palette;
    int shade = 10;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor(shade++, 40 * group, 100));
    return palette;
}

QString describe(const SavedColour& saved) {
    if (std::holds_alternative<std::monostate>(saved))
        return QStringLiteral("nothing");
    if (const auto* colour = std::get_if<QColor>(&saved))
        return colour->name();
    return colourErrorMessage(std::get<ColourError>(saved));
}

QString colourOf(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
    return distinctPalette().color(group, role).name();
}

QString message(const ColourError& error) {
    return colourErrorMessage(error);
}

}  // namespace

class SavedColourTest : public QObject {
    Q_OBJECT

    PrivateSettings settings_;
    FirstPlaceRandom random_;

private slots:
    void initTestCase() { QVERIFY(settings_.ok()); }
    void cleanup() {
        PrivateSettings::removeSavedColour();
        clearQuitRequest();
    }

    void readsText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "nothing";
        QTest::newRow("red in the low byte") << "255"
                                             << "#ff0000";
        QTest::newRow("blue in the third") << "16711680"
                                           << "#0000ff";
        QTest::newRow("mixed") << "1193046"
                               << "#563412";
        QTest::newRow("black") << "0"
                               << "#000000";
        QTest::newRow("white") << "16777215"
                               << "#ffffff";
        QTest::newRow("blanks, plus, zeros") << "  +000000000000255 "
                                             << "#ff0000";
        QTest::newRow("button face") << "-2147483633" << colourOf(QPalette::Button);
        QTest::newRow("0 scrollbar") << "-2147483648" << colourOf(QPalette::Midlight);
        QTest::newRow("5 window") << "-2147483643" << colourOf(QPalette::Base);
        QTest::newRow("13 highlight") << "-2147483635" << colourOf(QPalette::Highlight);
        QTest::newRow("17 grey text") << "-2147483631" << colourOf(QPalette::Text, QPalette::Disabled);
        QTest::newRow("24 info background") << "-2147483624" << colourOf(QPalette::ToolTipBase);
        for (const char* text : {"abc", "12abc", "1.5", "&HFF", "   ", "1 2", "-"})
            QTest::newRow(text) << text << message(kTypeMismatch);
        for (const char* text : {"2147483648", "-2147483649", "99999999999999999999"})
            QTest::newRow(text) << text << message(kOverflow);
        // Past RGB, bits 24..30 set, system colour 25.
        for (const char* text : {"16777216", "2147483647", "-1", "-2130706417", "-2147483623"})
            QTest::newRow(text) << text << message(kInvalidPropertyValue);
    }
    void readsText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(describe(parseSavedColour(text, distinctPalette())), expected);
    }

    void windowTakesTheSavedColour_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QColor>("table");
        const QPalette palette = QApplication::palette();
        QTest::newRow("none saved") << "" << palette.color(QPalette::Button);
        QTest::newRow("red") << "255" << QColor(255, 0, 0);
        QTest::newRow("button face") << "-2147483633" << palette.color(QPalette::Button);
        QTest::newRow("window") << "-2147483643" << palette.color(QPalette::Base);
    }
    void windowTakesTheSavedColour() {
        QFETCH(QString, saved);
        QFETCH(QColor, table);
        if (!saved.isEmpty())
            PrivateSettings::setSavedColour(saved);
        const auto window = startedWindow(random_);
        QVERIFY(!window->ended());
        QCOMPARE(window->tableColour(), table);
        // The table really is painted in it, between the cards.
        QCOMPARE(window->centralWidget()->grab().toImage().pixelColor(2, 440), table);
    }

    void newGameAppliesTheSavedColourAgain() {
        const auto window = startedWindow(random_);
        PrivateSettings::setSavedColour(QStringLiteral("16711680"));
        window->findChild<QAction*>(QStringLiteral("mnuNewGame"))->trigger();
        QCOMPARE(window->tableColour(), QColor(0, 0, 255));
    }

    // The ini reader splits a value at commas; such a text must still be refused.
    void commasStayInTheText() {
        PrivateSettings::setSavedColour(QStringLiteral("1,2"));
        QCOMPARE(savedColourText(), QStringLiteral("1,2"));
    }

    void unusableColourEndsTheProgram_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << "abc"
                                      << "Error encountered in GetColors routine - 13 Type mismatch";
        QTest::newRow("beyond 32 bits") << "4294967296"
                                        << "Error encountered in GetColors routine - 6 Overflow";
        QTest::newRow("no colour") << "16777216"
                                   << "Error encountered in GetColors routine - 380 Invalid property value";
    }
    void unusableColourEndsTheProgram() {
        QFETCH(QString, saved);
        QFETCH(QString, message);
        PrivateSettings::setSavedColour(saved);
        MessageBoxSeen box;
        const ModalAnswerer answerer([&box](QWidget* modal) {
            if (auto* messageBox = qobject_cast<QMessageBox*>(modal))
                box.answer(messageBox, QMessageBox::Ok);
        });
        const auto window = startedWindow(random_);

        QVERIFY(box.seen);
        QCOMPARE(box.text, message);
        QCOMPARE(box.title, QStringLiteral("Zanfel"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(window->ended());
        QVERIFY(!window->isVisible());
        QCOMPARE(window->tableColour(), QApplication::palette().color(QPalette::Button));
    }
};

QTEST_MAIN(SavedColourTest)
#include "saved_colour_test.moc"
