// SPDX-License-Identifier: GPL-3.0-or-later
// The table's sounds as the window asks for them, from real input and the real timer.

#include <QSignalSpy>

#include "window_test_support.h"

using namespace testing_support;

using Heard = std::vector<Sound>;

class SoundTest : public WindowTest {
    Q_OBJECT

private slots:
    // Aces on work piles, 2S personal, 5H in stock. A card going back is silent, as are empty piles, pauses.
    void eachMoveOfYoursIsHeardOnceAsItLands() {
        focus();
        clickDeck();
        clickDeck();  // the stock turns to 6S, unheard
        for (const char* nowhere : {"Stack2", "Player0", "Deck"})
            drag(2, nowhere);
        drag(1, "Pile3");
        drag(2, "Stack0");  // another pile of yours: heard refused
        doubleClick("Stack1");
        keys("\r2\r34");  // Enter with nothing picked; 1H up by Enter; 1C refused
        trigger("mnuPause");
        keys("34");
        doubleClick("Stack0");
        trigger("mnuPause");
        doubleClick("Stack0");  // 6S refused: the queen a rival lays next is not yours
        window_->game().tableForSetUp().pileTop[5] = of(12, H);
        window_->showImage({zanfel::ImageKind::Foundation, 5}, of(12, H));
        lay(3, {of(13, H), of(7, C)});
        drag(3, "Pile5");  // the king closes it, heard as such, not as the seven it uncovers
        QCOMPARE(card("Pile3"), of(1, S));
        std::erase(sounds_.played, Sound::RivalCard);  // the rivals' cards land whenever the timer says
        QCOMPARE(sounds_.played, (Heard{Sound::Deal, Sound::OwnCard, Sound::Refused, Sound::OwnCard,
                                        Sound::Refused, Sound::Refused, Sound::FoundationClosed}));
    }

    // Left's AD, the first tick's, is heard; Right's, the second's, is not: the rivals are off by then.
    // M silences what sounds at once and everything after; the rivals' choice holds on. M unmutes.
    void theMuteKeyAndTheRivalsOptionAreKeptBetweenRuns() {
        focus();
        clickDeck();
        QSignalSpy ticks(timer(), &QTimer::timeout);
        QVERIFY(ticks.wait());
        trigger("mnuRivalsSounds");
        QVERIFY(ticks.wait());
        QCOMPARE(card("Pile1"), of(1, D));
        drag(1, "Pile2");
        QTest::keyClick(window_.get(), Qt::Key_M);
        QCOMPARE(sounds_.stops, 1);
        drag(2, "Pile3");
        QCOMPARE(sounds_.played, (Heard{Sound::Deal, Sound::RivalCard, Sound::OwnCard}));
        QVERIFY(!action("mnuSound")->isChecked() && !action("mnuRivalsSounds")->isEnabled());
        QCOMPARE(savedSettings().value("Sound/PlaySounds").toString(), "false");
        QCOMPARE(savedSettings().value("Sound/RivalsSounds").toString(), "false");

        startWindow();
        focus();
        QVERIFY(!action("mnuSound")->isChecked() && !action("mnuRivalsSounds")->isChecked());
        clickDeck();
        QTest::keyClick(window_.get(), Qt::Key_M);
        drag(1, "Pile1");
        QCOMPARE(sounds_.played, Heard{Sound::OwnCard});
        QVERIFY(action("mnuRivalsSounds")->isEnabled() && !action("mnuRivalsSounds")->isChecked());
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
