// The main window as it stands after start-up: caption and size, the empty table, every
// image at its place, the menu bar, and the pictures behind it all.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>

#include "card_image.h"
#include "pictures.h"
#include "window_test_support.h"

using namespace testing_support;

namespace {

struct Item {
    const char* name;
    const char* caption;  // empty for a separator
    const char* shortcut;
    bool enabled, checkable, checked;
};

// The menu bar after start-up, in display order.
const std::vector<std::pair<QString, std::vector<Item>>> kStartUpMenus{
    {"&Game",
     {{"mnuNewGame", "&New Game", "Ctrl+N", true, false, false},
      {"mnuDeal", "&Deal", "Ctrl+D", true, false, false},
      {"mnuPause", "&Pause", "Ctrl+Z", false, true, false},
      {"space1", "", "", true, false, false},
      {"mnuScore", "&Score", "", true, false, false},
      {"space2", "", "", true, false, false},
      {"mnuExit", "&Exit", "Ctrl+X", true, false, false}}},
    {"&Skill Level",
     {{"mnuLevel1", "&Super Easy", "", true, true, false},
      {"mnuLevel2", "&Easy", "", true, true, false},
      {"mnuLevel3", "&Normal", "", true, true, true},
      {"mnuLevel4", "&Really Hard", "", true, true, false},
      {"mnuLevel5", "&Blinding", "", true, true, false}}},
    {"&Options",
     {{"mnuBackColor", "&Background Color...", "", true, false, false},
      {"mnuCardCount", "&Show Card Count", "", true, true, false},
      {"space3", "", "", true, false, false},
      {"mnuReset", "&Reset Options", "", true, false, false}}},
    {"&Help",
     {{"mnuHelpTopics", "Help Topics", "", true, false, false},
      {"mnuAbout", "&About", "", true, false, false},
      {"space4", "", "", true, false, false},
      {"mnuUnstuck", "&No one can play", "", false, false, false}}},
};

QColor middleOf(const QPixmap& picture) {
    return picture.toImage().pixelColor(35, 48);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    PrivateSettings settings_;
    FirstPlaceRandom random_;
    std::unique_ptr<Form1> window_;

    template <typename T>
    T* find(const QString& name) {
        T* child = window_->findChild<T*>(name);
        if (!child)
            qFatal("no child named %s", qPrintable(name));
        return child;
    }
    QLabel* label(const QString& name) { return find<QLabel>(name); }

private slots:
    void initTestCase() {
        QVERIFY(settings_.ok());
        window_ = startedWindow(random_);
    }
    void cleanupTestCase() { window_.reset(); }

    void windowHasItsCaptionAndFixedSize() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Zanfel v2.0"));
        QCOMPARE(window_->centralWidget()->size(), QSize(754, 452));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QCOMPARE(window_->helpFile(), QCoreApplication::applicationDirPath() + "/ZanfelHelp.chm");
    }

    void tableWaitsForTheFirstDeal() {
        QCOMPARE(label("lblTips")->text(), QStringLiteral("Click the back of the red deck to deal"));
        const auto* timer = find<QTimer>("PlayerTimer");
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        const QStringList captions{"52", "0", "0", "0", "0", "0", "Card Count:"};
        for (int k = 0; k <= 6; ++k) {
            QCOMPARE(label(QStringLiteral("lblStack%1").arg(k))->text(), captions[k]);
            QVERIFY(label(QStringLiteral("lblStack%1").arg(k))->isHidden());
        }
        const auto images = window_->findChildren<CardImage*>();
        QCOMPARE(images.size(), qsizetype(6 + 18 + 16 + 3 + 1));
        for (const CardImage* image : images) {
            const bool back = image->objectName().contains(QStringLiteral("Deck"));
            QCOMPARE(image->card(), zanfel::kNoCard);
            QVERIFY2((image->picture().cacheKey() == emptyPlacePicture().cacheKey()) != back,
                     qPrintable(image->objectName()));
        }
    }

    void menusStandAsAtStartUp() {
        const QList<QAction*> bar = window_->menuBar()->actions();
        QCOMPARE(bar.size(), qsizetype(kStartUpMenus.size()));
        for (qsizetype m = 0; m < bar.size(); ++m) {
            const auto& [title, wanted] = kStartUpMenus[m];
            QCOMPARE(bar[m]->text(), title);
            const QList<QAction*> items = bar[m]->menu()->actions();
            QCOMPARE(items.size(), qsizetype(wanted.size()));
            for (qsizetype i = 0; i < items.size(); ++i) {
                const Item& want = wanted[i];
                const QAction* item = items[i];
                QCOMPARE(item->objectName(), QString::fromLatin1(want.name));
                QCOMPARE(item->isSeparator(), *want.caption == '\0');
                if (item->isSeparator())
                    continue;
                QCOMPARE(item->text(), QString::fromLatin1(want.caption));
                QCOMPARE(item->shortcut(), QKeySequence(QString::fromLatin1(want.shortcut)));
                const bool state[] = {item->isEnabled(), item->isCheckable(), item->isChecked()};
                const bool wantedState[] = {want.enabled, want.checkable, want.checked};
                QVERIFY2(std::equal(state, state + 3, wantedState), want.name);
            }
        }
    }

    void everythingStandsAtItsPlace_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        const QSize card(57, 73);
        QTest::newRow("Deck") << "Deck" << QRect({547, 352}, card);
        QTest::newRow("Stack0") << "Stack0" << QRect({488, 352}, card);
        QTest::newRow("Stack5") << "Stack5" << QRect({424, 352}, card);
        QTest::newRow("Pile9") << "Pile9" << QRect({184, 136}, card);
        QTest::newRow("Pile15") << "Pile15" << QRect({504, 224}, card);
        QTest::newRow("PlayerDeck1") << "PlayerDeck1" << QRect({149, 0}, card);
        QTest::newRow("PlayerDeck2") << "PlayerDeck2" << QRect({680, 93}, card);
        QTest::newRow("Player5") << "Player5" << QRect({272, 0}, card);
        QTest::newRow("Player11") << "Player11" << QRect({16, 96}, card);
        QTest::newRow("Shape1") << "Shape1" << QRect(168, 88, 409, 249);
        QTest::newRow("lblTips") << "lblTips" << QRect(616, 392, 129, 41);
        QTest::newRow("lblStack0") << "lblStack0" << QRect(528, 432, 41, 17);
    }
    void everythingStandsAtItsPlace() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QCOMPARE(find<QWidget>(name)->geometry(), place);
    }

    // Drawn for a smaller font than ours, the caption runs on to the right rather than be cut.
    void countCaptionIsNeverCutOff() {
        const QLabel* caption = label("lblStack6");
        QCOMPARE(caption->geometry().topLeft(), QPoint(88, 432));
        QVERIFY(caption->width() >= std::max(57, caption->fontMetrics().horizontalAdvance(caption->text())));
        QVERIFY(caption->geometry().right() < label("lblStack1")->x());
    }

    void picturesComeFromTheResources() {
        QCOMPARE(facePicture(1).size(), QSize(71, 96));
        QVERIFY(facePicture(52).toImage() != facePicture(51).toImage());
        QCOMPARE(middleOf(deckPicture()), QColor(0xC0, 0x00, 0x00));
        QCOMPARE(middleOf(playerDeckPicture(0)), QColor(0x00, 0x80, 0x00));
        QCOMPARE(middleOf(playerDeckPicture(1)), QColor(0x00, 0x00, 0x80));
        QCOMPARE(middleOf(playerDeckPicture(2)), QColor(0x00, 0x80, 0x80));
        QCOMPARE(emptyPlacePicture().size(), QSize(48, 48));
        QVERIFY(emptyPlacePicture().hasAlpha());
        QCOMPARE(goingOutPicture(zanfel::Picture::Youout).size(), QSize(200, 200));
        QCOMPARE(goingOutPicture(zanfel::Picture::Theyout).size(), QSize(200, 200));
        QVERIFY(goingOutPicture(zanfel::Picture::Youout).toImage() !=
                goingOutPicture(zanfel::Picture::Theyout).toImage());
        QCOMPARE(iconPicture().size(), QSize(64, 64));
        QCOMPARE(aboutPicture().size(), QSize(360, 280));
    }

    void bareDibRowsRunBottomUp() {
        // 2 x 2 at 24 bits: a 40-byte header, then rows of 6 bytes padded to 8, blue green red.
        QByteArray dib = QByteArray::fromHex(
                             "28000000"
                             "02000000"
                             "02000000"
                             "0100"
                             "1800") +
                         QByteArray(24, '\0');
        dib += QByteArray::fromHex("0000ff00ff000000");  // bottom row: red, green
        dib += QByteArray::fromHex("ff0000ffffff0000");  // top row: blue, white
        const QImage image = decodeBareDib(dib);
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(1, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(0, 1), QColor(Qt::red));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::green));
        QVERIFY(decodeBareDib(QByteArray(10, '\0')).isNull());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
