// SPDX-License-Identifier: GPL-3.0-or-later
// The help file against its sources, the reader on damaged files, the window, and the file's place.
#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QTreeWidget>

#include "help/help_file.h"
#include "help/help_opener.h"
#include "help/help_window.h"
#include "window_test_support.h"

using namespace testing_support;

const QString kSources = QStringLiteral(ZANFEL_HELP_DIR);
const QString kCommitted = kSources + "/ZanfelHelp.chm";

static QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class HelpTest : public WindowTest {
    Q_OBJECT

    QTemporaryDir scratch_;

private slots:
    // Lists with no frame, as a player's style sheet may ask.
    void initTestCase() { qApp->setStyleSheet("QTreeView { border: none }"); }

    // Catches a page changed past tools/help/rebuild.sh, a dead contents entry, a non-UTF-8 or entity title.
    void committedFileHoldsTheSourcePagesAsTheyAre() {
        const QStringList languages = QStringList{""} + QString(ZANFEL_LANGUAGES).split(' ');
        for (const QString& language : languages) {
            const QString sources = language.isEmpty() ? kSources : kSources + '/' + language;
            HelpFile help;
            QVERIFY2(help.open(locateHelpFile(kSources, language)),
                     qPrintable(language + " " + help.error()));
            const QStringList onDisk = QDir(sources).entryList({"*.html"}, QDir::Files, QDir::Name);
            QCOMPARE(help.pages(), onDisk);
            for (const QString& page : onDisk + QDir(sources).entryList({"*.css"}))
                QVERIFY2(help.read(page) == bytesOf(sources + '/' + page), qPrintable(page));
            for (const HelpFile::Entry& entry : help.contents())
                QVERIFY2(onDisk.contains(entry.page) &&
                             !entry.title.contains(QRegularExpression("\\x{FFFD}|&#?\\w+;")),
                         qPrintable(entry.title));
        }
    }

    // At the reader's edges: 64 MiB is read, a byte more not; LZX windows of 32 KB to 2 MB, powers of two,
    // reach chmlib, which cannot read the file's 64 KB window via both edges. chmlib divides by zero on
    // a control entry moved out of the plain section and crashes on a window it cannot use: refused first.
    void unusableFileIsRefusedWithItsReason_data() {
        const QByteArray whole = bytesOf(kCommitted);
        const qsizetype control = whole.indexOf("::DataSpace/Storage/MSCompressed/ControlData") + 44;
        const qsizetype window = whole.indexOf("LZXC") + 12;  // in 32 KB units
        // Start page entry: name, section, offset, length, the last two in two bytes; 0x80 0x00 is length 0.
        const qsizetype startLength = whole.indexOf("/overview.html") + 17;
        const auto changed = [&](qsizetype at, char byte) {
            return QByteArray(whole).replace(at, 1, &byte, 1);
        };
        const QByteArray largest = whole + QByteArray(64 * 1024 * 1024 - whole.size(), '\0');
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");  // why it is refused, or the first topic of its contents
        const QString damaged = "It is damaged.", unreadable = "Its table of contents cannot be read.",
                      opens = "Welcome to Zanfel";
        QTest::newRow("empty") << QByteArray("") << "The file is empty.";
        QTest::newRow("64 MiB + 1") << largest + '\0' << "The file is far too large to be the game's help.";
        QTest::newRow("first half") << whole.left(whole.size() / 2) << unreadable;
        QTest::newRow("control entry moved") << changed(control, 14) << damaged;
        QTest::newRow("start page empty")
            << QByteArray(whole).replace(startLength, 2, "\x80", 2) << "Its first page cannot be read.";
        // A version 1 block gives its reset interval and window in bytes.
        QTest::newRow("window of 16 KB in bytes")
            << QByteArray(whole).replace(window - 8, 12, QByteArray("\1\0\0\0\0\x80\0\0\0\x40\0\0", 12))
            << damaged;
        QTest::newRow("window of 32 KB") << changed(window, 1) << unreadable;
        QTest::newRow("window of 96 KB") << changed(window, 3) << damaged;
        QTest::newRow("window of 2 MB") << changed(window, 64) << unreadable;
        QTest::newRow("window of 4 MB") << changed(window, -128) << damaged;
        // chmlib reads neither, so both open: letters past a byte no name length ends in, a block cut short.
        const qsizetype stray = whole.indexOf("PMGL") + 4094 - 0x81;  // 0x80 before the 4 KB chunk's count
        QTest::newRow("stray name") << QByteArray(whole).replace(stray, 13, "\x80::DataSpace/") << opens;
        QTest::newRow("block cut short") << whole + QByteArray("LZXC\2").leftJustified(19, '\0') << opens;
        QTest::newRow("64 MiB") << largest << opens;
    }
    void unusableFileIsRefusedWithItsReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        QFile file(scratch_.filePath("ZanfelHelp.chm"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        HelpFile help;
        QCOMPARE(help.open(file.fileName()) ? help.contents().first().title : help.error(), told);
    }

    // F1 over a modal window brings up a help usable over it; F1 on the table, at its start page.
    void windowFollowsContentsAndLinks() {
        QWidget table;
        table.show();
        HelpOpener opener(&table, [] { return QStringList{kCommitted}; });
        QDialog sheet(&table);
        const auto onTopAfterF1 = [&] {  // the first window on top after F1 on the sheet
            QWidget* onTop = nullptr;
            int presses = 0;  // the sheet may miss the first ones while it comes up
            const ModalAnswerer answer([&](QWidget* modal) {
                if (modal == &sheet && !(opener.window() && opener.window()->isModal()) && ++presses < 50) {
                    // Queued: a help that cannot open answers with a message box of its own to close.
                    QMetaObject::invokeMethod(
                        modal, [modal] { QTest::keyClick(modal, Qt::Key_F1); }, Qt::QueuedConnection);
                    return;
                }
                onTop = onTop ? onTop : modal;
                modal->close();
            });
            sheet.exec();
            return onTop;
        };
        QVERIFY(onTopAfterF1() == opener.window() && opener.window());
        QTest::keyClick(&table, Qt::Key_F1);
        HelpWindow* window = opener.window();
        auto* contents = child<QTreeWidget>(window, "helpContents");
        auto* page = child<QTextBrowser>(window, "helpPage");
        const auto shown = [&] { return window->shownPage() + " under " + contents->currentItem()->text(0); };
        QCOMPARE(shown(), "overview.html under Welcome to Zanfel");
        QCOMPARE(window->size(), QSize(760, 540));                 // the titles fit the contents' least width
        QCOMPARE(contents->childAt(20, 0), contents->viewport());  // no header atop
        QCOMPARE(contents->visualItemRect(contents->topLevelItem(0)).x(), 0);
        contents->setCurrentItem(contents->topLevelItem(5));
        page->setFocus();  // the first link of the menus page leads on to the tips
        QTest::keyClick(page, Qt::Key_Tab);
        QTest::keyClick(page, Qt::Key_Return);
        QCOMPARE(shown(), "tips.html under Tips");
        QCOMPARE(onTopAfterF1(), window);  // open already as a modal window comes up: usable over it too
        // #SYSTEM may name the index as the contents; the start page has no entry there, so none stays lit.
        QByteArray keywords = bytesOf(kCommitted);
        keywords.replace(keywords.indexOf(QByteArray("\0\0\x0b\0zanfel.hhc", 14)) + 13, 1, "k");  // #SYSTEM 0
        QFile file(scratch_.filePath("keywords.chm"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(keywords) > 0);
        file.close();
        HelpOpener other(&table, [&] { return QStringList{file.fileName()}; });
        other.openHelp();
        window = other.window();
        contents = child<QTreeWidget>(window, "helpContents");
        contents->setCurrentItem(contents->topLevelItem(0));
        QCOMPARE(shown(), "rules.html under aces");
        QTest::keyClick(child(window, "helpPage"), Qt::Key_F1);  // from the help window itself
        QVERIFY(!contents->currentItem());
    }

    // Help Topics and F1 each tell which file and why, one unusable before one missing.
    void helpWithoutTheFileGivesTheMessage() {
        const QList<ShownBox> told = boxesDuring([this] {
            trigger("mnuHelpTopics");
            QCOMPARE(action("mnuHelpTopics")->shortcut(), QKeySequence(Qt::Key_F1));  // shown in the menu
            focus();  // F1 is the item's shortcut there, and opens the help once
            QTest::keyClick(window_.get(), Qt::Key_F1);
        });
        const auto message = [](const QString& path, const QString& why) {
            return ShownBox{
                "Zanfel",
                QString("The help file \"%1\" could not be opened.").arg(QDir::toNativeSeparators(path)),
                QMessageBox::Warning, QMessageBox::Ok, why};
        };
        const QString missing = locateHelpFiles({}).first(), page = kSources + "/overview.html";
        QCOMPARE(told, QList<ShownBox>(2, message(missing, "The file is missing.")));
        HelpOpener opener(window_.get(), [=] { return QStringList{missing, page}; });
        QCOMPARE(boxesDuring([&] { opener.openHelp(); }),
                 QList{message(page, "It is not a compiled help file.")});
    }

    // Beside the program (the build tree) before where it is installed; beside it when neither is there.
    void helpIsLookedForBesideTheProgramFirst() {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin"), beside = bin + "/ZanfelHelp.chm",
                      installed = QDir::cleanPath(bin + "/" ZANFEL_DATA_DIR_FROM_PROGRAM "/ZanfelHelp.chm");
        QCOMPARE(locateHelpFile(bin), beside);
        QVERIFY(QDir().mkpath(QFileInfo(installed).path()) && QFile::copy(kCommitted, installed));
        QVERIFY(QDir().mkpath(bin) && QFile::copy(kCommitted, beside));
        QCOMPARE(locateHelpFile(bin), beside);
    }

    // A picture on a page, drawn from the file at the page's top left.
    void aPictureOnAPageShows() {
        auto file = std::make_unique<HelpFile>();
        QVERIFY(file->open(ZANFEL_HELP_PICTURE));
        HelpWindow window(std::move(file));
        window.showDefaultPage();
        QCOMPARE(child<QTextBrowser>(&window, "helpPage")->viewport()->grab().toImage().pixelColor(16, 16),
                 QColor(0xc0, 0x10, 0x80));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
