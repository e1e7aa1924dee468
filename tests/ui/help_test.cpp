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
const QString kCommitted = kSources + QStringLiteral("/ZanfelHelp.chm");

QByteArray sourceBytes(const QString& name) {
    QFile file(kSources + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages the project compiles: the .html lines of the [FILES] section of zanfel.hhp.
QStringList projectPages() {
    QStringList pages;
    bool inFiles = false;
    for (const QByteArray& raw : sourceBytes(QStringLiteral("zanfel.hhp")).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inFiles = line == QLatin1String("[FILES]");
        else if (inFiles && line.endsWith(QLatin1String(".html")))
            pages.append(line);
    }
    pages.sort();
    return pages;
}

}  // namespace

class HelpTest : public WindowTest {
    Q_OBJECT
private slots:
    void committedFileHoldsTheSourcePagesAsTheyAre();
    void unusableFileGivesTheMessage_data();
    void unusableFileGivesTheMessage();
    void windowFollowsContentsAndLinks();
    void helpTopicsWithoutTheFileGivesTheMessage();
    void helpIsLookedForBesideTheProgramFirst_data();
    void helpIsLookedForBesideTheProgramFirst();

private:
    QTemporaryDir scratch_;
};

// A page edited or added without running tools/help/rebuild.sh fails here; so does a contents
// entry that leads nowhere.
void HelpTest::committedFileHoldsTheSourcePagesAsTheyAre() {
    HelpFile help;
    QVERIFY2(help.open(kCommitted), qPrintable(help.error()));
    QStringList onDisk = QDir(kSources).entryList({QStringLiteral("*.html")}, QDir::Files);
    onDisk.sort();
    QCOMPARE(projectPages(), onDisk);
    QCOMPARE(help.pages(), onDisk);
    for (const QString& page : onDisk + QStringList{QStringLiteral("zanfel.css")})
        QVERIFY2(help.read(page) == sourceBytes(page), qPrintable(page));
    QCOMPARE(help.defaultPage(), QStringLiteral("overview.html"));
    QVERIFY(!help.contents().isEmpty());
    for (const HelpFile::Entry& entry : help.contents())
        QVERIFY2(onDisk.contains(entry.page), qPrintable(entry.page));
}

// Damage that chmlib itself does not survive is among them: it divides by zero on a control entry
// moved out of the plain section and crashes on an LZX window it cannot use.
void HelpTest::unusableFileGivesTheMessage_data() {
    QFile committed(kCommitted);
    QVERIFY(committed.open(QIODevice::ReadOnly));
    const QByteArray whole = committed.readAll();
    const QByteArray control = "::DataSpace/Storage/MSCompressed/ControlData";
    QByteArray movedEntry = whole;
    movedEntry[whole.indexOf(control) + control.size()] = 14;
    QByteArray badWindow = whole;
    badWindow[whole.indexOf("LZXC") + 8] = 64;     // a reset every 2 MB, in 32 KB units
    badWindow[whole.indexOf("LZXC") + 12] = -128;  // a 4 MB window, beyond the decoder

    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("empty") << true << QByteArray();
    QTest::newRow("garbage") << true << QByteArray(5000, '\x5a');
    QTest::newRow("header only") << true << whole.left(120);
    QTest::newRow("first half") << true << whole.left(whole.size() / 2);
    QTest::newRow("all but the end") << true << whole.left(whole.size() - 1000);
    QTest::newRow("control entry moved") << true << movedEntry;
    QTest::newRow("unusable LZX window") << true << badWindow;
}

void HelpTest::unusableFileGivesTheMessage() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    const QString path = scratch_.filePath(QStringLiteral("ZanfelHelp.chm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    if (!exists)
        QFile::remove(path);

    HelpFile help;
    QVERIFY(!help.open(path));
    QVERIFY(!help.error().isEmpty());

    QWidget table;
    HelpOpener opener(&table, [path] { return path; });
    QString shown;
    {
        ModalAnswerer answer([&shown](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                shown = describeBox(box);
            modal->close();
        });
        opener.openHelp();
    }
    QCOMPARE(shown, QStringLiteral("Zanfel|The help file \"%1\" could not be opened.|%2|%3")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(QMessageBox::Warning)
                        .arg(QMessageBox::Ok, 0, 16));
    QVERIFY(!opener.window());
}

// F1 over a modal window brings up a help that is usable over it; F1 on the table, at its
// start page.
void HelpTest::windowFollowsContentsAndLinks() {
    QWidget table;
    table.show();
    HelpOpener opener(&table, [] { return kCommitted; });
    QDialog sheet(&table);
    QWidget* onTop = nullptr;
    {
        ModalAnswerer answer([&](QWidget* modal) {
            if (modal == &sheet && !opener.window()) {
                QTest::keyClick(&sheet, Qt::Key_F1);
            } else {
                onTop = onTop ? onTop : modal;  // the first window on top after F1
                modal->close();
            }
        });
        sheet.exec();
    }
    QVERIFY(onTop && onTop == opener.window());
    QTest::keyClick(&table, Qt::Key_F1);
    HelpWindow* window = opener.window();
    QVERIFY(window->isVisible());
    auto* contents = child<QTreeWidget>(window, QStringLiteral("helpContents"));
    auto* page = child<QTextBrowser>(window, QStringLiteral("helpPage"));
    QCOMPARE(window->shownPage(), QStringLiteral("overview.html"));
    QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Welcome to Zanfel"));
    QVERIFY(page->toPlainText().contains(QStringLiteral("How a hand goes")));

    contents->setCurrentItem(contents->topLevelItem(5));
    QCOMPARE(window->shownPage(), QStringLiteral("menus.html"));
    QVERIFY(page->toPlainText().contains(QStringLiteral("Ctrl+X")));

    // The first link of the menus page leads on to the tips.
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Return);
    QCOMPARE(window->shownPage(), QStringLiteral("tips.html"));
    QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Tips"));

    QTest::keyClick(page, Qt::Key_F1);  // back to the start, from the help window itself
    QCOMPARE(window->shownPage(), QStringLiteral("overview.html"));
}

void HelpTest::helpTopicsWithoutTheFileGivesTheMessage() {
    QString shown;
    {
        ModalAnswerer answer([&shown](QWidget* modal) {
            shown = modal->windowTitle() + QLatin1Char('|') + qobject_cast<QMessageBox*>(modal)->text();
            modal->close();
        });
        action(QStringLiteral("mnuHelpTopics"))->trigger();
    }
    QVERIFY2(shown.startsWith(QStringLiteral("Zanfel|The help file")), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("ZanfelHelp.chm")));
}

void HelpTest::helpIsLookedForBesideTheProgramFirst_data() {
    QTest::addColumn<bool>("beside");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("expectInstalled");
    QTest::newRow("build tree") << true << false << false;
    QTest::newRow("both") << true << true << false;
    QTest::newRow("installed") << false << true << true;
    QTest::newRow("neither") << false << false << false;
}

void HelpTest::helpIsLookedForBesideTheProgramFirst() {
    QFETCH(bool, beside);
    QFETCH(bool, installed);
    QFETCH(bool, expectInstalled);
    QTemporaryDir prefix;
    const QDir programDir(prefix.filePath(QStringLiteral("bin")));
    const QDir dataDir(QDir::cleanPath(programDir.filePath(QStringLiteral(ZANFEL_DATA_DIR_FROM_PROGRAM))));
    const QString besidePath = programDir.filePath(QStringLiteral("ZanfelHelp.chm"));
    const QString installedPath = dataDir.filePath(QStringLiteral("ZanfelHelp.chm"));
    QVERIFY(QDir().mkpath(programDir.path()) && QDir().mkpath(dataDir.path()));
    QVERIFY(!beside || QFile::copy(kCommitted, besidePath));
    QVERIFY(!installed || QFile::copy(kCommitted, installedPath));
    QCOMPARE(locateHelpFile(programDir.path()), expectInstalled ? installedPath : besidePath);
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
