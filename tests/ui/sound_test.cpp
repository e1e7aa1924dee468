// SPDX-License-Identifier: GPL-3.0-or-later
// The table's sounds as the window asks for them, from real input and the real timer: each moment
// of a hand heard once and in its order, the rivals kept apart at Blinding, the mute key, and the
// options kept between runs.

#include <QSignalSpy>
#include <algorithm>

#include "table_sounds.h"
#include "window_test_support.h"

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

using Heard = std::vector<Sound>;

}  // namespace

class SoundTest : public WindowTest {
    Q_OBJECT

    // What the player heard of their own play: the rivals' cards land whenever the timer says.
    Heard ownSounds() const {
        Heard own;
        std::ranges::copy_if(sounds_.played, std::back_inserter(own),
                             [](Sound sound) { return sound != Sound::RivalCard; });
        return own;
    }
    void focus() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void doubleClick(const QString& place) { mouse(QTest::MouseDClick, place, find(place)->rect().center()); }
    // Every card on the foundations: a foundation topped by a seven holds seven.
    int foundationCards() {
        int cards = 0;
        for (zanfel::CardNumber top : window_->game().table().pileTop)
            if (top != zanfel::kNoCard)
                cards += zanfel::rankOf(top);
        return cards;
    }

private slots:
    // Aces on the work piles, 2S personal, 5H in the stock. Let go over the rivals' piles, the deck or
    // its own pile, a card just goes back; a pile with no card, and anything while paused, is silent.
    void eachMoveOfYoursIsHeardOnceAsItLands() {
        focus();
        clickDeck();
        clickDeck();  // the stock turns to 6S, unheard
        drag(1, "Pile3");
        drag(2, "Stack0");
        for (const char* nowhere : {"Stack2", "Player0", "Deck"})
            drag(2, nowhere);
        doubleClick("Stack0");
        doubleClick("Stack1");
        QTest::keyClicks(window_.get(), "2\r34");  // 1H up by Enter; 1C refused on 1D
        trigger("mnuPause");
        QTest::keyClicks(window_.get(), "34");
        doubleClick("Stack0");
        trigger("mnuPause");
        QCOMPARE(card("Pile3"), of(1, S));
        QCOMPARE(ownSounds(), (Heard{Sound::Deal, Sound::OwnCard, Sound::Refused, Sound::Refused,
                                     Sound::OwnCard, Sound::Refused}));
    }

    // The last card lands before the hand ends; the game's end after its last going out.
    void goingOutAndTheGamesEndFollowTheLastCard() {
        const ModalAnswerer answerer([](QWidget* modal) {
            // The sheet's OK waits behind the end-of-game check it queues.
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(QMessageBox::Cancel)->click();
            else
                QTimer::singleShot(0, modal, [modal] {
                    if (QApplication::activeModalWidget() == modal)
                        qobject_cast<QDialog*>(modal)->accept();
                });
        });
        for (int hand = 1; hand <= 2; ++hand) {  // 52 and 52 pass 99
            clickDeck();
            for (int slot = 0; slot < zanfel::kSlotsPerPlayer; ++slot)
                lay(slot, {});
            lay(zanfel::kPersonalSlot, {of(1, S)});
            doubleClick("Stack5");
        }
        QVERIFY(window_->ended());
        QCOMPARE(ownSounds(), (Heard{Sound::Deal, Sound::OwnCard, Sound::GoingOut, Sound::Deal,
                                     Sound::OwnCard, Sound::GoingOut, Sound::GameOver}));
    }

    // Left's ace of diamonds lands on the first tick. At Blinding a rival's card lands nearly every
    // tick, ten a second; they are heard a third of a second apart at least, the rest dropped.
    void aRivalsCardIsHeardAsATickLandsItAndBlindingKeepsThemApart() {
        clickDeck();
        QSignalSpy ticks(timer(), &QTimer::timeout);
        QVERIFY(ticks.wait());
        QCOMPARE(card("Pile0"), of(1, D));
        QCOMPARE(sounds_.played, (Heard{Sound::Deal, Sound::RivalCard}));
        trigger("mnuLevel5");
        while (foundationCards() < 12 && ticks.size() < 100)
            QVERIFY(ticks.wait());
        std::vector<std::chrono::steady_clock::time_point> rivalsHeard;
        for (std::size_t i = 0; i < sounds_.played.size(); ++i)
            if (sounds_.played[i] == Sound::RivalCard)
                rivalsHeard.push_back(sounds_.playedAt[i]);
        QVERIFY(rivalsHeard.size() >= 2);
        QVERIFY(int(rivalsHeard.size()) < foundationCards());
        for (std::size_t i = 1; i < rivalsHeard.size(); ++i)
            QVERIFY(rivalsHeard[i] - rivalsHeard[i - 1] >= TableSounds::kRivalSpacing - 30ms);
    }

    // M silences what sounds at once and everything after; the rivals' choice holds on. Both come back
    // at the next run, and M turns the sound on again.
    void theMuteKeyAndTheRivalsOptionAreKeptBetweenRuns() {
        focus();
        QVERIFY(action("mnuSound")->isChecked() && action("mnuRivalsSounds")->isChecked());
        trigger("mnuRivalsSounds");
        clickDeck();
        QSignalSpy ticks(timer(), &QTimer::timeout);
        QVERIFY(ticks.wait());
        QCOMPARE(card("Pile0"), of(1, D));
        drag(1, "Pile1");
        QTest::keyClick(window_.get(), Qt::Key_M);
        QCOMPARE(sounds_.stops, 1);
        drag(2, "Pile2");
        QCOMPARE(sounds_.played, (Heard{Sound::Deal, Sound::OwnCard}));
        QVERIFY(!action("mnuSound")->isChecked() && !action("mnuRivalsSounds")->isEnabled());
        QCOMPARE(savedSettings().value("Sound/PlaySounds").toString(), QStringLiteral("false"));
        QCOMPARE(savedSettings().value("Sound/RivalsSounds").toString(), QStringLiteral("false"));

        startWindow();
        focus();
        QVERIFY(!action("mnuSound")->isChecked() && !action("mnuRivalsSounds")->isChecked());
        clickDeck();
        QTest::keyClick(window_.get(), Qt::Key_M);
        drag(1, "Pile1");
        QCOMPARE(sounds_.played, Heard{Sound::OwnCard});
        QVERIFY(action("mnuRivalsSounds")->isEnabled() && !action("mnuRivalsSounds")->isChecked());
        trigger("mnuRivalsSounds");  // back as every run starts, for the tests after
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
