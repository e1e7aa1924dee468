#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "game.h"
#include "player_record_store.h"
#include "random_source.h"
#include "save_failure_notice.h"
#include "saved_colour.h"
#include "table_view.h"

class AboutWindow;
class AnnouncementWindow;
class CardImage;
class KeyboardPlay;
class MoveMarks;
class QAction;
class QColorDialog;
class QCloseEvent;
class QLabel;
class QTimer;
class ScoreSheet;
class StatisticsWindow;

// The main window: the card table under the menu bar. It shows what the game holds and turns
// clicks, menu commands and timer ticks into calls on the game; the rules live in the game.
class Form1 : public QMainWindow, public zanfel::TableView {
    Q_OBJECT
public:
    // Without a random source the window shuffles with the clock-seeded one.
    explicit Form1(zanfel::RandomSource* random = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // Everything after the window has shown itself: the help file, then the game's start-up.
    // The program may end during it (an unusable saved colour); check ended() afterwards.
    void startUp();
    bool ended() const { return game_.ended(); }

    const zanfel::Game& game() const { return game_; }
    zanfel::Game& game() { return game_; }  // for tests that set up a hand's end
    QColor tableColour() const;
    // The table colour as the window remembers it: RGB with red in the low byte, or a system colour.
    std::int32_t tableColourValue() const { return tableColourValue_; }
    const QString& helpFile() const { return helpFile_; }

    // zanfel::TableView
    void showImage(zanfel::PileImage image, zanfel::CardNumber card) override;
    void showControls() override;
    void announceGoingOut(const zanfel::Announcement& announcement) override;
    void recordHand(const zanfel::HandResult& hand) override;
    void showScoreSheet(const zanfel::ScoreSheetText& sheet) override;
    void hideScoreSheet() override;
    zanfel::Answer askPlayAgain(const std::string& question) override;
    bool applySavedColour() override;
    void resetTableColour() override;
    void endProgram() override;
    void markComputerMove(zanfel::PileImage from, zanfel::PileImage to) override;
    void markGoingOut(zanfel::PileImage emptiedPile) override;

    CardImage* image(zanfel::PileImage image) const;
    const MoveMarks* moveMarks() const { return moveMarks_; }
    const KeyboardPlay* keyboardPlay() const { return keyboard_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // table_layout.cpp
    void createTable();
    void createOutline();
    void createCardImages();
    void createLabels();
    // menu_bar.cpp
    void createMenus();
    void createGameMenu();
    void createSkillLevelMenu();
    void createOptionsMenu();
    void createHelpMenu();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        void (zanfel::Game::*command)());

    void showTimer(const zanfel::Controls& controls);
    void describe(zanfel::PileImage image);
    void describeCounts();
    ScoreSheet* scoreSheet();
    void aboutCommand();
    void statisticsCommand();

    // table_colour.cpp
    void backColorCommand();
    void setTableColour(const TableColour& colour);
    void saveTableColour();

    std::unique_ptr<zanfel::RandomSource> ownRandom_;
    zanfel::Game game_;
    QString helpFile_;

    QWidget* table_ = nullptr;
    std::array<CardImage*, zanfel::kSlotsPerPlayer> stack_{};
    std::array<CardImage*, zanfel::kComputerLists> player_{};
    std::array<CardImage*, zanfel::kFoundations> pile_{};
    std::array<CardImage*, 3> playerDeck_{};
    CardImage* deck_ = nullptr;
    QLabel* lblTips_ = nullptr;
    std::array<QLabel*, zanfel::kSlotsPerPlayer + 1> lblStack_{};
    QTimer* playerTimer_ = nullptr;

    QAction* mnuNewGame_ = nullptr;
    QAction* mnuDeal_ = nullptr;
    QAction* mnuPause_ = nullptr;
    QAction* mnuScore_ = nullptr;
    QAction* mnuStatistics_ = nullptr;
    QAction* mnuExit_ = nullptr;
    std::array<QAction*, zanfel::kLevelCount + 1> mnuLevel_{};  // 1..5
    QAction* mnuBackColor_ = nullptr;
    QAction* mnuCardCount_ = nullptr;
    QAction* mnuReset_ = nullptr;
    QAction* mnuHelpTopics_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuUnstuck_ = nullptr;

    MoveMarks* moveMarks_ = nullptr;
    KeyboardPlay* keyboard_ = nullptr;
    ScoreSheet* scoreSheet_ = nullptr;
    AnnouncementWindow* announcement_ = nullptr;
    AboutWindow* about_ = nullptr;
    PlayerRecordStore record_{this};
    StatisticsWindow* statistics_ = nullptr;

    QColorDialog* commonDialog1_ = nullptr;
    std::int32_t tableColourValue_ = kButtonFaceValue;
    SaveFailureNotice colourNotSaved_{showColourNotSaved};
};
