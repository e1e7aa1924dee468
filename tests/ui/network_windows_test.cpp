// SPDX-License-Identifier: GPL-3.0-or-later
// Two windows of the game in one process over the loopback interface: one hosts, one joins.
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextDocument>
#include <QTreeWidget>

#include "command_line.h"
#include "faulty_link.h"
#include "frame_reader.h"
#include "layers/card_flight.h"
#include "layers/move_marks.h"
#include "layers/pause_veil.h"
#include "layers/place_outline.h"
#include "message_codec.h"
#include "network/join_window.h"
#include "network/lobby_window.h"
#include "network/network_loader.h"
#include "network/network_play.h"
#include "network/seat_list.h"
#include "network_module.h"
#include "seat_view.h"
#include "settings/settings_store.h"
#include "window_test_support.h"

using namespace testing_support;
namespace net = zanfel::net;

namespace {

// The seat `name` sits in as `list` shows it, or -1.
int seatOf(const SeatList& list, const QString& name) {
    for (int seat = 0; seat < zanfel::kPlayers; ++seat)
        if (list.occupant(seat).startsWith(name))
            return seat;
    return -1;
}

}  // namespace

class NetworkWindowsTest : public WindowTest {
    Q_OBJECT

    FirstPlaceRandom guestRandom_;
    std::unique_ptr<MainWindow> guest_;
    std::unique_ptr<net::testing::FaultyLink> link_;  // between them, to be pulled out

    MainWindow& host() { return *window_; }
    zanfel::CardNumber guestCard(const char* place) { return child<CardImage>(guest_.get(), place)->card(); }
    const TableLayers& guestLayers() { return *guest_->findChild<TableLayers*>(); }
    QString caption(MainWindow& window, int player) {
        return child<QLabel>(&window, QString("lblSeat%1").arg(player))->text();
    }

    // Ann hosts; Bob joins through a link, is moved in the lobby, and at Start reads who deals.
    // A second guest given joins straight to Ann as Cy, before Start.
    int seatBobAndStart(MainWindow* second = nullptr) {
        host().network().host(0, "Ann");
        LobbyWindow* lobby = host().network().lobby();
        guest_ = std::make_unique<MainWindow>(&guestRandom_);
        guest_->show();
        guest_->startUp();
        link_ = std::make_unique<net::testing::FaultyLink>(host().network().port());
        guest_->network().join("127.0.0.1", link_->port(), "Bob");
        const SeatList& seats = *lobby->seatList();
        JoinWindow* join = guest_->network().joinWindow();
        if (!QTest::qWaitFor(
                [&] { return seatOf(seats, "Bob") > 0 && join->status().contains("Ann's table"); }))
            return -1;
        const int first = seatOf(seats, "Bob");
        const int moved = first == zanfel::kRightPlayer ? zanfel::kLeftPlayer : zanfel::kRightPlayer;
        child<QAction>(lobby, QString("mnuMove%1To%2").arg(first).arg(moved))->trigger();
        const SeatList& guestSeats = *join->findChild<SeatList*>();
        if (!QTest::qWaitFor([&] { return guestSeats.occupant(moved) == "Bob (you)"; }))
            return -1;
        if (second)
            second->network().join("127.0.0.1", host().network().port(), "Cy");
        if (second && !QTest::qWaitFor([&] { return seatOf(seats, "Cy") > 0; }))
            return -1;
        // Start is the lobby's default button.
        QTest::keyClick(lobby, Qt::Key_Return);
        auto* tips = child<QLabel>(guest_.get(), "lblTips");
        if (!QTest::qWaitFor([&] { return tips->text() == "The host deals the next hand"; }))
            return -1;
        return moved;
    }

private slots:
    void initTestCase() { useNetworkModule(zanfelNetworkModule()); }
    void cleanup() { guest_.reset(); }

    // The guest sees the host's decisions greyed, with why; both screens name seats and frame moves in the
    // deck's colour; the score sheets name them; a guest leaving keeps no frame.
    // Space turns the guest's stock through the host; a click does in the real windows' run.
    void aGuestJoinsWaitsInTheLobbyAndPlaysItsOwnSeat() {
        host().game().dealCommand();  // a move framed in Ann's game alone
        host().game().tick();
        const int bob = seatBobAndStart();
        QVERIFY(bob > 0);
        QVERIFY(!layers().moveMarks().moveTo()->isVisible());
        for (const char* item : {"mnuNewGame", "mnuDeal", "mnuPause", "mnuLevel3"}) {
            QAction* greyed = child<QAction>(guest_.get(), item);
            QVERIFY2(!greyed->isEnabled(), item);
            QCOMPARE(greyed->toolTip(), "Only Ann, who hosts this game, decides this");
        }
        QVERIFY(!action("mnuNewGame")->toolTip().contains("Ann"));
        QCOMPARE(caption(*guest_, zanfel::localPlayer(bob, zanfel::kHuman)), "<b>Ann</b>");
        const QString bobsPile = QString("Player%1").arg(zanfel::baseOfPlayer(bob) + zanfel::kPersonalSlot);
        QVERIFY(child(&host(), bobsPile)->toolTip().startsWith("Bob's personal pile"));

        host().front().dealCommand();
        trigger("mnuPause");  // each veil says who paused
        QCOMPARE(layers().veil().text(), "You paused the game: Ctrl+Z to go on");
        QTRY_COMPARE(guestLayers().veil().text(), "Ann paused the game");
        trigger("mnuPause");
        timer()->stop();  // the computer players move when the test says
        QTRY_VERIFY(guest_->front().controls().hint == zanfel::Hint::TurnStock);
        focus(guest_.get());
        QTest::keyClick(guest_.get(), Qt::Key_Space);
        QTRY_COMPARE(guestCard("Stack0"), of(6, S));
        QVERIFY(!child(guest_.get(), "lblStuck")->isVisible());
        for (int turn = 0; turn < 3; ++turn)  // the ace of the one beside Bob, then the middle player's
            host().game().tick();
        QTRY_VERIFY(guestCard("Pile1") != zanfel::kNoCard);
        QCOMPARE(guestLayers().moveMarks().moveTo()->colour(), layers().moveMarks().moveTo()->colour());
        // Bob alone elsewhere: his ask moves the stocks at once; the mark goes.
        auto* unstuck = child<QAction>(guest_.get(), "mnuUnstuck");
        unstuck->trigger();
        QTRY_VERIFY(guestCard("Stack0") != of(6, S) && !unstuck->isChecked());
        QStringList heads;  // of both score sheets' own columns as the hand ends
        const ModalAnswerer answer([&heads](QWidget* modal) {
            if (modal->inherits("ScoreSheet"))
                heads << child<QLabel>(modal, "Label1")->text();
            modal->close();
        });
        humanGoesOut(host().game());
        QTRY_VERIFY(heads.contains("Ann") && heads.contains("Bob"));
        child<QAction>(guest_.get(), "mnuLeaveNetworkGame")->trigger();
        for (const QWidget* widget : guest_->findChildren<QWidget*>())
            QVERIFY(!dynamic_cast<const PlaceOutline*>(widget) || !widget->isVisible());
    }

    // Both drop AS on foundation 1; the host's reaches the rules first: the guest's, shown there, flies back.
    void aGuestsCardBeatenToAFoundationFliesBack() {
        QVERIFY(seatBobAndStart() > 0);
        host().front().dealCommand();
        QTRY_VERIFY(guestCard("Stack1") == of(1, S));
        const auto mouse = [this](QTest::MouseAction act, const char* place, QPoint at = {20, 32}) {
            QTest::mouseEvent(act, guest_->windowHandle(), Qt::LeftButton, {},
                              child(guest_.get(), place)->mapTo(guest_.get(), at));
        };
        // Lifted, the personal pile's top shows the card beneath face down: the back of the guest's deck.
        mouse(QTest::MousePress, "Stack5", {20, 20});
        mouse(QTest::MouseMove, "Deck");
        QCOMPARE(child(guest_.get(), "Stack5")->grab().toImage(),
                 child(guest_.get(), "Deck")->grab().toImage());
        mouse(QTest::MouseRelease, "Deck");  // let go over the deck, it goes back to its pile
        QCOMPARE(guestCard("Stack5"), of(2, S));
        mouse(QTest::MousePress, "Stack1", {20, 20});
        mouse(QTest::MouseMove, "Pile0");
        mouse(QTest::MouseRelease, "Pile0");
        host().front().dropOnFoundation(1, 0);
        QTRY_VERIFY(guestCard("Stack1") == of(1, S));
        QCOMPARE(guestLayers().flight().target(), child(guest_.get(), "Stack1"));
    }

    // Cut off, he comes back by himself. Cut off again, the host's table says who left, for as long as he
    // could come back; leaving, his own game comes back unveiled.
    void aGuestCutOffComesBackOrLeavesForAGameOfItsOwn() {
        const int bob = seatBobAndStart();
        QVERIFY(bob > 0);
        link_->cut();
        QTRY_VERIFY(caption(host(), bob).endsWith("<br>Bob is back"));
        link_->cut();
        QTRY_VERIFY(guestLayers().veil().isVisible());
        QCOMPARE(guestLayers().veil().text(), "The connection to Ann was lost. Coming back...");
        QTRY_VERIFY(caption(host(), bob).endsWith("<br>Bob left"));
        QTest::qWait(50);
        QVERIFY(caption(host(), bob).endsWith("<br>Bob left"));
        child<QAction>(guest_.get(), "mnuLeaveNetworkGame")->trigger();
        QVERIFY(!guestLayers().veil().isVisible());
    }

    // Bob's ask waits for Cy's: his own one-line caption is cut to fit its label, its tooltip says it whole;
    // Ann's table gives it a line of its own.
    void aGuestsAskWaitingForAnotherIsCutToItsOwnCaption() {
        MainWindow cy(&guestRandom_);
        const int bob = seatBobAndStart(&cy);
        QVERIFY(bob > 0);
        host().front().dealCommand();
        auto* unstuck = child<QAction>(guest_.get(), "mnuUnstuck");
        QTRY_VERIFY(unstuck->isEnabled());
        unstuck->trigger();
        QTRY_VERIFY(unstuck->isChecked());
        QVERIFY(caption(host(), bob).endsWith("<br>Asks for No one can play"));
        const auto* own = child<QLabel>(guest_.get(), "lblSeat0");
        QCOMPARE(own->toolTip(), "Bob \u00b7 Asks for No one can play");
        QTextDocument line;
        line.setDefaultFont(own->font());
        line.setDocumentMargin(0);
        line.setHtml(own->text());
        QVERIFY2(line.idealWidth() <= own->width() && own->text().startsWith("<b>Bob</b>"),
                 qPrintable(own->text()));
    }

    // A name with no letter is asked again; the lobby offers reachable addresses; a removed guest reads why.
    void theMenuOpensTheLobbyAndAGuestLeavingItFreesTheSeat() {
        const ModalAnswerer named([asked = 0](QWidget* modal) mutable {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            dialog->setTextValue(++asked == 1 ? " \t" : "  Ann\t");
            dialog->accept();
        });
        trigger("mnuHostNetworkGame");
        LobbyWindow* lobby = host().network().lobby();
        QVERIFY(!action("mnuHostNetworkGame")->isEnabled());
        QCOMPARE(SettingsStore(nullptr).networkName(), "Ann");  // offered next time
        guest_ = std::make_unique<MainWindow>(&guestRandom_);
        guest_->network().join("::1", host().network().port(), "Bob");
        const QString offered = child<QLabel>(lobby, "lblAddresses")->text();
        QVERIFY(!offered.contains("127.0.0.1") && !offered.contains("[fe80"));
        for (const QHostAddress& address : QNetworkInterface::allAddresses())  // those others can reach
            QVERIFY(address.isLoopback() || address.isLinkLocal() || offered.contains(address.toString()));
        const auto ours = [this] {  // the join window's rows of this game, by the port in the address column
            const auto* list = child<QTreeWidget>(guest_->network().joinWindow(), "lstGames");
            return list->findItems(QString(":%1").arg(host().network().port()), Qt::MatchEndsWith, 2);
        };
        QTRY_VERIFY(ours().size() == 1 && ours()[0]->text(0) == "Ann" &&
                    ours()[0]->text(1) == "2 free seats");
        QTest::mouseClick(child(guest_->network().joinWindow(), "cmdCancel"), Qt::LeftButton);
        QTRY_VERIFY(seatOf(*lobby->seatList(), "Bob") < 0 && !guest_->findChild<JoinWindow*>());
        guest_->network().join("::1", host().network().port(), {});  // under the name he gave last time
        JoinWindow* join = guest_->network().joinWindow();
        auto* joinButton = child<QPushButton>(join, "cmdJoin");
        QVERIFY(!joinButton->isEnabled());  // while joining
        QTRY_VERIFY(join->findChild<SeatList*>()->isVisible() && seatOf(*lobby->seatList(), "Bob") > 0);
        QCOMPARE(child<QAction>(lobby, "mnuMove2To1")->text(), "To the Seat Across");
        child<QAction>(lobby, "mnuMove1To3")->trigger();  // taken off from the last seat, as from any other
        auto* remove = child<QPushButton>(lobby, "cmdRemove3");
        focus(lobby);
        remove->setFocus();  // Enter still starts the game, and Start keeps its frame
        QVERIFY(remove->hasFocus() && child<QPushButton>(lobby, "cmdStart")->isDefault());
        QTest::mouseClick(remove, Qt::LeftButton);
        QTRY_VERIFY(join->status() == "Ann took you off the table.");
        QVERIFY(!join->findChild<SeatList*>()->isVisible());  // the games to choose from again instead
        QVERIFY(joinButton->isVisible());
    }

    // A command-line name with no letter is asked again; answered, the lobby opens under the name given.
    void aHostNameAskedAgainAndCancelledOpensNoGame() {
        const ModalAnswerer cancelThenAnn([asked = 0](QWidget* modal) mutable {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            dialog->setTextValue("Ann");
            dialog->done(++asked == 1 ? QDialog::Rejected : QDialog::Accepted);
        });
        host().network().host(0, " \t");
        QVERIFY(!host().network().lobby());
        host().network().host(0, " \t");
        QCOMPARE(host().network().lobby()->seatList()->occupant(zanfel::kHuman), "Ann (you)");
    }

    // Cancel keeps the game; at Ok each guest reads one message naming the host, with every item of its own.
    void theHostLeavingSendsTheGuestBackToAGameOfItsOwn() {
        QVERIFY(seatBobAndStart() > 0);
        QList<ShownBox> boxes;
        const ModalAnswerer cancelThenOk([&boxes](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            boxes << shown(box);
            box->button(boxes.size() == 1 ? QMessageBox::Cancel : QMessageBox::Ok)->click();
        });
        trigger("mnuLeaveNetworkGame");
        trigger("mnuLeaveNetworkGame");
        QTRY_VERIFY(boxes.size() == 3);
        QCOMPARE(boxes[1].text.left(33), "End the network game for everyone");
        QCOMPARE(boxes[2].text, "Ann ended the network game.\n\nYou are back at a game of your own.");
        QVERIFY(!child<QLabel>(guest_.get(), "lblSeat0")->isVisible());
        QVERIFY(child<QAction>(guest_.get(), "mnuJoinNetworkGame")->isEnabled());
        guest_->game().dealCommand();  // a hand of his own, which ends as he is seated at a table again
        host().network().host(0, "Ann");
        guest_->network().join("127.0.0.1", host().network().port(), "Bob");
        QVERIFY(guestCard("Stack1") != zanfel::kNoCard);
        QTRY_VERIFY(guestCard("Stack1") == zanfel::kNoCard);
    }

    // It refuses the greeting: the join window names both versions and lets the player choose again.
    // Then it is busy with others greeting: a first join says so rather than wait on.
    void aHostOfAnotherVersionIsNamedAtJoining() {
        QTcpServer otherVersion;
        QVERIFY(otherVersion.listen(QHostAddress::LocalHost));
        net::Refused refused{net::Refusal::IncompatibleVersion, "3.1", 7};
        connect(&otherVersion, &QTcpServer::newConnection, [&otherVersion, &refused] {
            otherVersion.nextPendingConnection()->write(net::framed(net::encodeMessage(refused)));
        });
        host().network().join("127.0.0.1", otherVersion.serverPort(), "Bob");
        JoinWindow* join = host().network().joinWindow();
        QTRY_COMPARE(join->status(), QString("The game at 127.0.0.1:%1 runs Zanfel 3.1, which cannot play "
                                             "with this Zanfel 2.0.")
                                         .arg(otherVersion.serverPort()));
        refused = {net::Refusal::TooManyGreetings, "2.0", net::kProtocolVersion};
        QTest::keyClicks(child<QLineEdit>(join, "txtAddress"),
                         "127.0.0.1:" + QString::number(otherVersion.serverPort()));
        QTest::mouseClick(child(join, "cmdJoin"), Qt::LeftButton);
        QTRY_VERIFY(join->status().contains("busy with others joining"));
        refused.reason = net::Refusal::BadName;  // a name another build's host will not take
        QTest::mouseClick(child(join, "cmdJoin"), Qt::LeftButton);
        QTRY_COMPARE(join->status(), QString("That name cannot be used: type another."));
    }

    // What a desktop shortcut or a script may ask for, and each mistake said before a window opens.
    void theCommandLineHostsOrJoinsOrSaysWhatIsWrong_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("read");  // the way, the address, the port, the name; or the error
        QTest::newRow("alone") << QStringList{} << "Alone :0 ";
        QTest::newRow("host") << QStringList{"--host"} << "Host :29147 ";
        QTest::newRow("join, port 1") << QStringList{"--join", "[::1]:1", "--name=Bob"} << "Join ::1:1 Bob";
        QTest::newRow("join, port left out")
            << QStringList{"--join", "games.example"} << "Join games.example:29147 ";
        QTest::newRow("port 0") << QStringList{"--host", "--port", "0"}
                                << "\"0\" is no port: give a number from 1 to 65535.";
        QTest::newRow("port alone") << QStringList{"--port", "4000"}
                                    << "--port goes with --host; a joining player types the port after the "
                                       "address.";
        QTest::newRow("both") << QStringList{"--host", "--join", "x"}
                              << "--host and --join cannot be given together.";
        QTest::newRow("no address") << QStringList{"--join", "a b"}
                                    << "\"a b\" is no address: give the host's name or address, and :PORT if "
                                       "not 29147.";
        QTest::newRow("stray word") << QStringList{"host"} << "Unknown argument: host";
        QTest::newRow("name alone") << QStringList{"--name", "Ann"} << "--name goes with --host or --join.";
    }
    void theCommandLineHostsOrJoinsOrSaysWhatIsWrong() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, read);
        const CommandLine line = readCommandLine(QStringList{"zanfel"} + arguments);
        const QStringList ways{"Alone", "Host", "Join"};
        const QString shown = QString("%1 %2:%3 %4")
                                  .arg(ways[static_cast<int>(line.network)], line.address)
                                  .arg(line.port)
                                  .arg(line.name);
        QCOMPARE(line.error.isEmpty() ? shown : line.error, read);
    }

    // A game chosen fills in its address (the list: its reference picture); one typed is read before anything
    // is sent.
    void theJoinWindowTakesAChosenOrTypedAddress() {
        trigger("mnuJoinNetworkGame");
        JoinWindow* join = host().network().joinWindow();
        auto* list = child<QTreeWidget>(join, "lstGames");
        auto* address = child<QLineEdit>(join, "txtAddress");
        address->setText("example.org:99999");
        QCOMPARE(list->findItems("Looking for games...", Qt::MatchExactly).size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, {20, 5});  // on it
        QTest::mouseClick(child(join, "cmdJoin"), Qt::LeftButton);
        QCOMPARE(join->status(),
                 "\"example.org:99999\" is no address. Type the host's name or address, with a colon and the "
                 "port after it if the port is not 29147.");
        join->showGames({net::AnnouncedGame{"fd00::5", 29147, "Ann", 2, false, "2.0", true}});
        list->setCurrentItem(list->topLevelItem(0));
        QCOMPARE(address->text(), "[fd00::5]:29147");
        address->clear();
        QTest::mouseClick(child(join, "cmdJoin"), Qt::LeftButton);
        QCOMPARE(join->status(), "Choose a game from the list, or type the address of its host.");
    }
};

QTEST_MAIN(NetworkWindowsTest)
#include "network_windows_test.moc"
