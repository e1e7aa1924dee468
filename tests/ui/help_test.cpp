// SPDX-License-Identifier: GPL-3.0-or-later
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

    // Each refusal with its reason, at the edges of what the reader takes: a file of 64 MiB is
    // read and one byte more is not; LZX windows of 32 KB to 2 MB, powers of two, pass the check
    // (at 2 MB this file's contents no longer decode, which is found later). Damage that chmlib
    // itself does not survive is among them: it divides by zero on a control entry moved out of
    // the plain section, and crashes as it opens a file whose LZX window it cannot use.
    void unusableFileIsRefusedWithItsReason_data() {
        const QByteArray whole = bytesOf(kCommitted);
        const qsizetype control = whole.indexOf("::DataSpace/Storage/MSCompressed/ControlData") + 44;
        const qsizetype window = whole.indexOf("LZXC") + 12;  // in 32 KB units
        const auto changed = [&whole](qsizetype at, char byte) {
            return QByteArray(whole).replace(at, 1, &byte, 1);
        };
        const QByteArray largest = whole + QByteArray(64 * 1024 * 1024 - whole.size(), '\0');
        QTest::addColumn<QByteArray>("bytes");  // null: no file at all
        QTest::addColumn<QString>("reason");
        const QString damaged = "It is damaged.", unreadable = "Its table of contents cannot be read.";
        QTest::newRow("missing") << QByteArray() << "The file is missing.";
        QTest::newRow("empty") << QByteArray("") << "The file is empty.";
        QTest::newRow("one byte past 64 MiB")
            << largest + '\0' << "The file is far too large to be the game's help.";
        QTest::newRow("garbage") << QByteArray(5000, '\x5a') << "It is not a compiled help file.";
        QTest::newRow("header only") << whole.left(120) << "It is not a compiled help file.";
        QTest::newRow("first half") << whole.left(whole.size() / 2) << unreadable;
        QTest::newRow("control entry moved") << changed(control, 14) << damaged;
        QTest::newRow("no window") << changed(window, 0) << damaged;
        QTest::newRow("window of 32 KB") << changed(window, 1) << QString();
        QTest::newRow("window of 96 KB") << changed(window, 3) << damaged;
        QTest::newRow("window of 2 MB") << changed(window, 64) << unreadable;
        QTest::newRow("window of 4 MB") << changed(window, -128) << damaged;
        QTest::newRow("64 MiB") << largest << QString();
    }
    void unusableFileIsRefusedWithItsReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = scratch_.filePath("ZanfelHelp.chm");
        QFile::remove(path);
        QFile file(path);
        QVERIFY(bytes.isNull() || (file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0));
        file.close();
        HelpFile help;
        QCOMPARE(help.open(path), reason.isEmpty());
        QCOMPARE(help.error(), reason);
    }

    // The player is told which file and why, and no window opens.
    void unusableFileGivesTheMessage() {
        const QString path = scratch_.filePath("missing.chm");
        QWidget table;
        HelpOpener opener(&table, [path] { return path; });
        QString told;
        {
            const ModalAnswerer answerer([&told](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                told = describeBox(box) + '|' + box->informativeText();
                box->close();
            });
            opener.openHelp();
        }
        QCOMPARE(told, QStringLiteral(
                           "Zanfel|The help file \"%1\" could not be opened.|%2|400|The file is missing.")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(QMessageBox::Warning));
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
