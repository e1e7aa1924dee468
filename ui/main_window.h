// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "game.h"
#include "random_source.h"
#include "settings/settings_store.h"
#include "table_view.h"

class AboutWindow;
class AnnouncementWindow;
class ColourOption;
class NetworkPlay;
class PaceTimer;
class QAction;
class QCloseEvent;
class QMenu;
class ScoreSheet;
class SoundPlayer;
class StatisticsWindow;
class TableLayers;
class ZoomOption;

// The main window: the menu bar over the card table, the computer players' timer, the windows a
// hand opens, the options and the record. It is the screen the game talks to: what happens on
// the table goes on to the table's layers, the rest it shows itself in the player's words; and
// it turns menu commands and timer ticks into calls on the game.
class MainWindow : public QMainWindow, public zanfel::TableView {
    Q_OBJECT
public:
    // Without a random source the window shuffles with the clock-seeded one; without a player
    // of sounds it is heard through the desktop's sound library.
    explicit MainWindow(zanfel::RandomSource* random = nullptr, SoundPlayer* soundPlayer = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Everything after the window has shown itself: the help files, in `language` first ("de";
    // empty for English alone), then the game's start-up.
    // The program may end during it (an unusable saved colour); check ended() afterwards.
    void startUp(const QString& language = {});
    bool ended() const { return game_.ended(); }

    // The game played here, alone or as the host of a network game.
    zanfel::Game& game() { return game_; }
    // The game the window shows and drives now: the one played here, or as a guest the one a host
    // elsewhere plays.
    zanfel::GameFront& front() { return *front_; }
    NetworkPlay& network() { return *network_; }

    // The table shows and drives `front` from now on, everything shown anew.
    void playFront(zanfel::GameFront& front);
    // Whether a network game is open (hosted or joined, lobby included) and whether it is being
    // played: the table then names every seat, and the Game menu offers to leave it.
    void showNetworkState(bool open, bool playing);
    // A guest's link to its host is lost and being taken up again, with what to say; empty when
    // it is back or over.
    void showLinkLost(const QString& text);
    // The windows a network game opened over the table close: it is over.
    void closeGameWindows();

    // zanfel::TableView
    void showImage(zanfel::PileImage image, zanfel::CardNumber card) override;
    void showControls() override;
    void announceGoingOut(int player) override;
    void recordHand(const zanfel::HandResult& hand) override;
    void showScoreSheet() override;
    void hideScoreSheet() override;
    zanfel::Answer askPlayAgain(const zanfel::GameOutcome& outcome) override;
    bool applySavedColour() override;
    void resetTableColour() override;
    void endProgram() override;
    void markComputerMove(zanfel::PileImage from, zanfel::PileImage to) override;
    void markGoingOut(zanfel::PileImage emptiedPile) override;
    void moveTakenBack(zanfel::PileImage from, zanfel::PileImage to) override;
    void showGameOver(const zanfel::GameOutcome& outcome) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createGameMenu();
    void createSkillLevelMenu();
    void createOptionsMenu();
    void createHelpMenu();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        void (zanfel::GameFront::*command)());
    void animateMovesCommand(bool animate);
    void stuckCueCommand(bool shown);
    ScoreSheet* scoreSheet();
    void aboutCommand();
    void statisticsCommand();
    void createNetworkItems(QMenu* menu);
    // A player as a network game names them, by this screen's player index; empty in a game alone.
    QString networkName(int player);
    QString hostName();

    std::unique_ptr<zanfel::RandomSource> ownRandom_;
    zanfel::Game game_;
    zanfel::GameFront* front_ = &game_;
    QStringList helpFiles_;
    SettingsStore settings_{this};

    TableLayers* layers_ = nullptr;
    ColourOption* colour_ = nullptr;
    ZoomOption* zoom_ = nullptr;
    PaceTimer* playerTimer_ = nullptr;

    // The items whose enabled state or mark follows the game.
    QAction* mnuNewGame_ = nullptr;
    QAction* mnuDeal_ = nullptr;
    QAction* mnuPause_ = nullptr;
    std::array<QAction*, zanfel::kLevelCount + 1> mnuLevel_{};  // 1..5
    QAction* mnuCardCount_ = nullptr;
    QAction* noOneCanPlay_ = nullptr;
    QAction* mnuStuckCue_ = nullptr;
    QAction* mnuHost_ = nullptr;
    QAction* mnuJoin_ = nullptr;
    QAction* mnuLeave_ = nullptr;
    bool networkGame_ = false;

    ScoreSheet* scoreSheet_ = nullptr;
    AnnouncementWindow* announcement_ = nullptr;
    AboutWindow* about_ = nullptr;
    StatisticsWindow* statistics_ = nullptr;
    QPointer<QWidget> hostAnswers_;

    // Last, so it goes first: a host or a guest still open lets go of the game as it goes.
    std::unique_ptr<NetworkPlay> network_;
};
