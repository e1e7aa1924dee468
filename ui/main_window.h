// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "game.h"
#include "settings/player_record_store.h"
#include "random_source.h"
#include "table_view.h"

class AboutWindow;
class AnnouncementWindow;
class CardDrag;
class CardFlight;
class CardTable;
class ColourOption;
class DropTargets;
class KeyboardPlay;
class MoveMarks;
class PaceTimer;
class PauseVeil;
class QAction;
class QCloseEvent;
class QMenu;
class ScoreSheet;
class StatisticsWindow;
class ZoomOption;

// The main window: the menu bar over the card table, the computer players' timer and the
// windows a hand opens. It is the screen the game talks to: it shows what the game holds, in
// the game's words turned into the player's, and turns clicks, keys, menu commands and timer
// ticks into calls on the game.
class MainWindow : public QMainWindow, public zanfel::TableView {
    Q_OBJECT
public:
    // Without a random source the window shuffles with the clock-seeded one.
    explicit MainWindow(zanfel::RandomSource* random = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Everything after the window has shown itself: the help file, then the game's start-up.
    // The program may end during it (an unusable saved colour); check ended() afterwards.
    void startUp();
    bool ended() const { return game_.ended(); }

    zanfel::Game& game() { return game_; }
    QColor tableColour() const;
    const QString& helpFile() const { return helpFile_; }
    const MoveMarks* moveMarks() const { return moveMarks_; }
    const KeyboardPlay* keyboardPlay() const { return keyboard_; }
    const CardFlight* cardFlight() const { return flight_; }
    const PauseVeil* pauseVeil() const { return veil_; }
    const DropTargets* dropTargets() const { return targets_; }
    const ZoomOption* zoom() const { return zoom_; }

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectTable();
    void createMenus();
    void createGameMenu();
    void createSkillLevelMenu();
    void createOptionsMenu();
    void createHelpMenu();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        void (zanfel::Game::*command)());
    void flyComputerCard(zanfel::PileImage from, zanfel::PileImage to);
    void animateMovesCommand(bool animate);
    ScoreSheet* scoreSheet();
    void aboutCommand();
    void statisticsCommand();

    std::unique_ptr<zanfel::RandomSource> ownRandom_;
    zanfel::Game game_;
    QString helpFile_;

    CardTable* table_ = nullptr;
    ColourOption* colour_ = nullptr;
    ZoomOption* zoom_ = nullptr;
    PaceTimer* playerTimer_ = nullptr;
    MoveMarks* moveMarks_ = nullptr;
    CardFlight* flight_ = nullptr;
    PauseVeil* veil_ = nullptr;
    DropTargets* targets_ = nullptr;
    CardDrag* drag_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    // What each image showed before its last change: the card a flight covers until it lands.
    std::array<zanfel::CardNumber, zanfel::kImageCount> shownBefore_{};

    // The items whose enabled state or mark follows the game.
    QAction* mnuDeal_ = nullptr;
    QAction* mnuPause_ = nullptr;
    std::array<QAction*, zanfel::kLevelCount + 1> mnuLevel_{};  // 1..5
    QAction* mnuCardCount_ = nullptr;
    QAction* mnuAnimateMoves_ = nullptr;
    QAction* noOneCanPlay_ = nullptr;

    ScoreSheet* scoreSheet_ = nullptr;
    AnnouncementWindow* announcement_ = nullptr;
    AboutWindow* about_ = nullptr;
    PlayerRecordStore record_{this};
    StatisticsWindow* statistics_ = nullptr;
};
