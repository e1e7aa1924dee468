// The help: the committed file against its sources, the reader against damaged files, and the
// window with its contents, links, F1 and the Help Topics command, and where the file is looked for.
#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QTreeWidget>

#include "help_file.h"
#include "help_opener.h"
#include "help_window.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

const QString kSources = QStringLiteral(ZANFEL_HELP_DIR);
const QString kCommitted = kSources + "/ZanfelHelp.chm";

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class HelpTest : public WindowTest {
    Q_OBJECT

    QTemporaryDir scratch_;

private slots:
    // A page edited or added without running tools/help/rebuild.sh fails here; so does a page
    // left out of the project, which is then missing from the file, or a contents entry that
    // leads nowhere.
    void committedFileHoldsTheSourcePagesAsTheyAre() {
        HelpFile help;
        QVERIFY2(help.open(kCommitted), qPrintable(help.error()));
        const QStringList onDisk = QDir(kSources).entryList({"*.html"}, QDir::Files, QDir::Name);
        QCOMPARE(help.pages(), onDisk);
        for (const QString& page : onDisk + QStringList{"zanfel.css"})
            QVERIFY2(help.read(page) == bytesOf(kSources + '/' + page), qPrintable(page));
        QCOMPARE(help.defaultPage(), QStringLiteral("overview.html"));
        QVERIFY(!help.contents().isEmpty());
        for (const HelpFile::Entry& entry : help.contents())
            QVERIFY2(onDisk.contains(entry.page), qPrintable(entry.page));
    }

    // Damage that chmlib itself does not survive is among them: it divides by zero on a control
    // entry moved out of the plain section and crashes on an LZX window it cannot use.
    void unusableFileGivesTheMessage_data() {
        const QByteArray whole = bytesOf(kCommitted);
        const QByteArray control = "::DataSpace/Storage/MSCompressed/ControlData";
        QByteArray movedEntry = whole;
        movedEntry[whole.indexOf(control) + control.size()] = 14;
        QByteArray badWindow = whole;
        badWindow[whole.indexOf("LZXC") + 8] = 64;     // a reset every 2 MB, in 32 KB units
        badWindow[whole.indexOf("LZXC") + 12] = -128;  // a 4 MB window, beyond the decoder
        QTest::addColumn<QByteArray>("bytes");         // null: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray(5000, '\x5a');
        QTest::newRow("header only") << whole.left(120);
        QTest::newRow("first half") << whole.left(whole.size() / 2);
        QTest::newRow("all but the end") << whole.left(whole.size() - 1000);
        QTest::newRow("control entry moved") << movedEntry;
        QTest::newRow("unusable LZX window") << badWindow;
    }
    void unusableFileGivesTheMessage() {
        QFETCH(QByteArray, bytes);
        const QString path = scratch_.filePath("ZanfelHelp.chm");
        QFile::remove(path);
        QFile file(path);
        QVERIFY(bytes.isNull() || (file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0));
        file.close();
        QWidget table;
        HelpOpener opener(&table, [path] { return path; });
        const QStringList shown = boxesDuring([&] { opener.openHelp(); });
        QCOMPARE(shown, QStringList(QStringLiteral("Zanfel|The help file \"%1\" could not be opened.|%2|400")
                                        .arg(QDir::toNativeSeparators(path))
                                        .arg(QMessageBox::Warning)));
        QVERIFY(!opener.window());
    }

    // F1 over a modal window brings up a help that is usable over it; F1 on the table, at its
    // start page.
    void windowFollowsContentsAndLinks() {
        QWidget table;
        table.show();
        HelpOpener opener(&table, [] { return kCommitted; });
        QDialog sheet(&table);
        QWidget* onTop = nullptr;  // the first window on top after F1
        int presses = 0;           // the sheet may miss the first ones while it comes up
        {
            ModalAnswerer answer([&](QWidget* modal) {
                if (modal == &sheet && !opener.window() && ++presses < 50)
                    return QTest::keyClick(modal, Qt::Key_F1);
                onTop = onTop ? onTop : modal;
                modal->close();
            });
            sheet.exec();
        }
        QVERIFY(onTop && onTop == opener.window());
        QTest::keyClick(&table, Qt::Key_F1);
        HelpWindow* window = opener.window();
        QVERIFY(window->isVisible());
        auto* contents = child<QTreeWidget>(window, "helpContents");
        auto* page = child<QTextBrowser>(window, "helpPage");
        QCOMPARE(window->shownPage(), QStringLiteral("overview.html"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Welcome to Zanfel"));
        QVERIFY(page->toPlainText().contains("How a hand goes"));
        contents->setCurrentItem(contents->topLevelItem(5));
        QCOMPARE(window->shownPage(), QStringLiteral("menus.html"));
        QVERIFY(page->toPlainText().contains("Ctrl+X"));
        page->setFocus();  // the first link of the menus page leads on to the tips
        QTest::keyClick(page, Qt::Key_Tab);
        QTest::keyClick(page, Qt::Key_Return);
        QCOMPARE(window->shownPage(), QStringLiteral("tips.html"));
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Tips"));
        QTest::keyClick(page, Qt::Key_F1);  // back to the start, from the help window itself
        QCOMPARE(window->shownPage(), QStringLiteral("overview.html"));
    }

    // No help beside the test program nor installed: the message of a missing file, from Help
    // Topics and from F1 over the table.
    void helpTopicsWithoutTheFileGivesTheMessage() {
        QCOMPARE(boxesDuring([this] { trigger("mnuHelpTopics"); }).size(), 1);  // worded as above
        window_->activateWindow();  // F1 is the item's shortcut there, and opens the help once
        QTRY_VERIFY(window_->isActiveWindow());
        QCOMPARE(boxesDuring([this] { QTest::keyClick(window_.get(), Qt::Key_F1); }).size(), 1);
    }

    // Beside the program (the build tree) first, then where it is installed.
    void helpIsLookedForBesideTheProgramFirst() {
        for (const QString& present : QStringList{"beside", "beside installed", "installed", ""}) {
            QTemporaryDir prefix;
            const QDir programDir(prefix.filePath("bin"));
            const QString beside = programDir.filePath("ZanfelHelp.chm");
            const QString installed =
                QDir::cleanPath(programDir.filePath(ZANFEL_DATA_DIR_FROM_PROGRAM "/ZanfelHelp.chm"));
            QVERIFY(QDir().mkpath(programDir.path()) && QDir().mkpath(QFileInfo(installed).path()));
            QVERIFY(!present.contains("beside") || QFile::copy(kCommitted, beside));
            QVERIFY(!present.contains("installed") || QFile::copy(kCommitted, installed));
            QCOMPARE(locateHelpFile(programDir.path()), present == "installed" ? installed : beside);
        }
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
