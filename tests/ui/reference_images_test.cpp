// SPDX-License-Identifier: GPL-3.0-or-later
// As drawn in tests/ui/reference/ (DejaVu Sans 10 points, offscreen); the README says how to redraw them.

#include "dialogs/announcement_window.h"
#include "network/join_window.h"
#include "network/lobby_window.h"
#include "table/card_table.h"
#include "window_test_support.h"

using namespace testing_support;

class ReferenceImagesTest : public WindowTest {
    Q_OBJECT

    QMap<QString, QImage> drawn_;  // by name, each as first seen

    void draw(const QString& name, QWidget* widget) {
        if (!drawn_.contains(name))
            drawn_[name] = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10)); }

    // The table at 150 % before the deal, at 100 % with counts, a card lifted, paused, gone out, seats named,
    // moves marked; a hand's end, the record, About, joining, hosting. A differing one is left in the cwd.
    void theTableAndTheWindowsLookAsDrawn() {
        auto* table = find<CardTable>("table");
        table->setZoom(150);
        draw("table_at_150", table);
        table->setZoom(100);
        clickDeck();
        trigger("mnuCardCount");
        draw("dealt_table", table);
        mouse(QTest::MousePress, "Stack1");
        mouse(QTest::MouseMove, "Pile0", kGrip + QPoint(0, 12));
        draw("lifted_card", table);  // over every empty foundation, the one under it lit
        mouse(QTest::MouseRelease, "Stack1");
        trigger("mnuPause");
        draw("paused_table", table);  // the veil's words as well as its cover
        trigger("mnuPause");
        const ModalAnswerer answerer([this](QWidget* modal) {
            const bool announcement = dynamic_cast<AnnouncementWindow*>(modal);
            draw(announcement ? "AnnouncementWindow" : modal->metaObject()->className(), modal);
            if (announcement)
                draw("gone_out", find("table"));  // the emptied pile framed
            modal->close();
        });
        humanGoesOut(window_->game());
        trigger("mnuStatistics");
        trigger("mnuAbout");
        startWindow();
        clickDeck();
        trigger("mnuCardCount");
        window_->findChild<TableLayers*>()->setNetworkGame(true);  // every seat named, and counted
        lay(zanfel::kPersonalSlot, {of(2, D), of(2, S)}, zanfel::kMiddleBase);  // onto Left's ace at its turn
        for (int turn = 0; turn < 3; ++turn)
            window_->game().tick();
        draw("marked_moves", find("table"));     // left, right, middle framed, the 2D in the air over the ace
        JoinWindow join(QStringLiteral("Bob"));  // only a game that can seat the player is offered
        join.showGames({{"10.0.0.2", 29147, "Ann", 2, false, "2.0", true},
                        {"10.0.0.3", 4000, "Cy", 2, true, "2.0", true},
                        {"10.0.0.4", 29147, "Di", 0, false, "2.0", true},
                        {"fd00::5", 29147, "Ed", 3, false, "3.1", false}});
        draw("JoinWindow", &join);
        LobbyWindow lobby;
        zanfel::Seats seats = zanfel::aloneSeats();
        seats[zanfel::kHuman].name = "Ann";
        lobby.showSeats(seats);
        lobby.showAddresses({"192.168.1.20", "fd00::5"}, 29147);
        draw("LobbyWindow", &lobby);
        QStringList differing;
        for (const auto& [name, image] : drawn_.asKeyValueRange()) {
            const QString reference = QStringLiteral(ZANFEL_REFERENCE_DIR "/%1.png").arg(name);
            if (qEnvironmentVariableIsSet("ZANFEL_DRAW_REFERENCES")) {
                QVERIFY(image.save(reference));
            } else if (image != QImage(reference).convertToFormat(QImage::Format_RGB32)) {
                differing << name;
                image.save(name + ".png");
            }
        }
        QCOMPARE(differing.join(", "), QString());
    }
};

QTEST_MAIN(ReferenceImagesTest)
#include "reference_images_test.moc"
