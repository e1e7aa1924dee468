#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game.h"
#include "random_source.h"

namespace zanfel::testing {

// Draws from a script, repeating its last value once it runs out.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.0f}) : draws_(std::move(draws)) {}
    float reseedAndDraw() override {
        const float value = draws_[next_ < draws_.size() ? next_ : draws_.size() - 1];
        ++next_;
        return value;
    }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

// Records what the game asked of the screen; the modal windows "close" at once, after
// running whatever the test scripted for while they are open.
class FakeTableView final : public TableView {
public:
    Game* game = nullptr;

    std::vector<PileImage> shownImages;
    int controlsShown = 0;
    std::vector<Announcement> announcements;
    std::vector<ScoreSheetText> sheetsShown;
    std::vector<std::string> questions;
    int sheetHides = 0;
    int coloursApplied = 0;
    std::vector<bool> countMarkAtColourResets;  // the card-count mark as each reset came
    int programEnds = 0;

    Answer answer = Answer::Ok;
    bool colourUsable = true;
    std::function<void()> whileSheetOpen;  // runs after the sheet's activation
    std::function<void()> whileAnnouncing;

    void showImage(PileImage image, CardNumber) override { shownImages.push_back(image); }
    void showControls() override { ++controlsShown; }
    void announceGoingOut(const Announcement& announcement) override {
        announcements.push_back(announcement);
        if (whileAnnouncing)
            whileAnnouncing();
    }
    void showScoreSheet(const ScoreSheetText& sheet) override {
        sheetsShown.push_back(sheet);
        game->scoreSheetActivated();
        if (whileSheetOpen)
            whileSheetOpen();
    }
    void hideScoreSheet() override { ++sheetHides; }
    Answer askPlayAgain(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    bool applySavedColour() override {
        ++coloursApplied;
        return colourUsable;
    }
    void resetTableColour() override { countMarkAtColourResets.push_back(game->controls().cardCountChecked); }
    void endProgram() override { ++programEnds; }
};

// A game with a recording screen and a scripted shuffle, started up as the window does.
struct GameFixture {
    FakeTableView view;
    ScriptedRandom random;
    Game game{view, random};

    explicit GameFixture(std::vector<float> draws = {0.0f}) : random(std::move(draws)) {
        view.game = &game;
        game.startUp();
    }
};

// Lays cards on a list, top card first.
inline void setPile(PileList& list, std::initializer_list<CardNumber> topFirst) {
    list.clear();
    for (CardNumber card : topFirst)
        list.addEnd(card);
}

}  // namespace zanfel::testing
