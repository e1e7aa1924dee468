// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_play.h"

#include <algorithm>
#include <utility>

namespace zanfel::testing {

void RandomPlay::freshGame() {
    game_.emplace(*this, random_);
    shown_.fill(-1);
    scores_.clear();
    programEnds_ = 0;
    action_ = "start-up";
    game_->startUp();
    check("after start-up");
}

bool RandomPlay::step() {
    if (!failure.empty() || (!generator_ && bytes_.empty()))
        return false;
    ++actions_;
    if (inHand_ && ticksThisHand_ > kTickLimit) {
        action_ = "New Game on a blocked hand";
        newGame();
    } else {
        perform(next() << 8 | next());
    }
    afterAction();
    return failure.empty();
}

namespace {

// Each action's share, in ten thousandths. Ticks and good moves most, so both sides go out at times; New
// Game rarely, so most hands end. Menu commands act only when enabled.
struct Action {
    const char* name;
    int weight;
    bool Controls::*enabledBy;  // nullptr: always
    void (*act)(RandomPlay& player, Game& game);
};

}  // namespace

void RandomPlay::perform(int draw) {
    static constexpr Action kActions[] = {
        {"tick", 5390, &Controls::timerEnabled, [](RandomPlay& p, Game&) { p.tick(); }},
        {"good move", 2150, nullptr, [](RandomPlay& p, Game&) { p.goodMove(); }},
        {"deck click", 275, nullptr, [](RandomPlay& p, Game&) { p.deal(&Game::deckClicked); }},
        {"drop on a foundation", 275, nullptr,
         [](RandomPlay& p, Game&) { p.drop(&Game::dropOnFoundation, kFoundations); }},
        {"drop on an own pile", 275, nullptr,
         [](RandomPlay& p, Game&) { p.drop(&Game::dropOnStack, kSlotsPerPlayer); }},
        {"double-click", 275, nullptr,
         [](RandomPlay& p, Game& g) { g.playToFoundation(p.next() % kSlotsPerPlayer); }},
        {"No one can play", 275, &Controls::noOneCanPlayEnabled,
         [](RandomPlay&, Game& g) { g.noOneCanPlayCommand(); }},
        {"Pause", 275, &Controls::pauseEnabled, [](RandomPlay& p, Game&) { p.pause(); }},
        {"Skill Level", 275, nullptr,
         [](RandomPlay& p, Game& g) { g.levelCommand(p.next() % kLevelCount + 1); }},
        {"Deal", 275, &Controls::dealEnabled, [](RandomPlay& p, Game&) { p.deal(&Game::dealCommand); }},
        {"Card Count", 200, nullptr, [](RandomPlay&, Game& g) { g.cardCountCommand(); }},
        {"Score", 59, nullptr, [](RandomPlay&, Game& g) { g.scoreCommand(); }},
        {"New Game", 1, nullptr, [](RandomPlay& p, Game&) { p.newGame(); }},
    };
    int total = 0;
    for (const Action& action : kActions)
        total += action.weight;
    int choice = draw % total;
    for (const Action& action : kActions) {
        if (choice < action.weight) {
            action_ = action.name;
            if (!action.enabledBy || game_->controls().*action.enabledBy)
                action.act(*this, *game_);
            return;
        }
        choice -= action.weight;
    }
}

void RandomPlay::tick() {
    ++ticksThisHand_;
    game_->tick();
}

void RandomPlay::pause() {
    game_->pauseCommand();
    paused_ = !paused_;
}

// The top card of one of the human's piles onto one of `places` places, both taken from one choice.
void RandomPlay::drop(bool (Game::*onto)(int, int), int places) {
    const int at = next();
    (*game_.*onto)(at % kSlotsPerPlayer, at / kSlotsPerPlayer % places);
}

// Good moves (foundation, personal top, stock card, else turn), or the human would hardly ever go out first.
void RandomPlay::goodMove() {
    const auto& piles = game_->table().lstStack;
    for (int slot : {kPersonalSlot, 1, 2, 3, 4, kStockSlot})
        if (!piles[slot].empty() && game_->table().lowestFoundationTaking(piles[slot].top()) >= 0) {
            game_->playToFoundation(slot);
            return;
        }
    for (int slot : {kPersonalSlot, kStockSlot})
        for (int target = kFirstWorkSlot; target <= kLastWorkSlot && !piles[slot].empty(); ++target)
            if (piles[target].empty() || buildsDownOn(piles[slot].top(), piles[target].top())) {
                game_->dropOnStack(slot, target);
                return;
            }
    deal(&Game::deckClicked);
}

void RandomPlay::deal(void (Game::*command)()) {
    (*game_.*command)();
    if (inHand_)
        return;
    inHand_ = true;
    paused_ = false;
    ticksThisHand_ = 0;
    ++deals;
}

void RandomPlay::newGame() {
    game_->newGameCommand();
    inHand_ = paused_ = false;
    scores_.clear();
}

void RandomPlay::announceGoingOut(int player) {
    goingOut_ = true;
    if (player < 0 || player >= kPlayers || !game_->table().pileOf(player, kPersonalSlot).empty())
        fail("a hand ended announcing a player whose personal pile still holds cards");
    check("on the announcement");
}

void RandomPlay::showScoreSheet() {
    const int asked = questions_;
    if (!goingOut_) {  // from the Score command; a hand's tally comes after its announcement
        sheetHidden_ = false;
        game_->scoreSheetActivated();
        if (questions_ != asked)
            fail("the Score command asked to play again");
        // The sheet is modal: only the timer reaches the game until it is closed.
        while (failure.empty() && !sheetHidden_ && game_->controls().timerEnabled && next() % 8 != 0) {
            action_ = "tick behind the score sheet";
            ++ticksThisHand_;
            game_->tick();
            goingOut_ = sheetHidden_;
            check("behind the score sheet");
        }
        return;
    }
    // The final position: each card played counts one, each left on the personal pile costs two more.
    HandRow row{};
    for (int player = 0; player < kPlayers; ++player) {
        row[player] = kDeckSize;
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
            row[player] -= game_->table().pileOf(player, slot).count() * (slot == kPersonalSlot ? 3 : 1);
    }
    scores_.push_back(row);
    ++handsScored;
    check("on the score sheet");
    game_->scoreSheetActivated();
    // The sheet's totals have just been checked against the player's own.
    bool over = false;
    for (int total : game_->scoreSheet().totals)
        over = over || total > 99;
    if ((questions_ != asked) != over)
        fail(over ? "a total passed 99 without the question"
                  : "asked to play again before any total passed 99");
}

void RandomPlay::afterAction() {
    if (!failure.empty())
        return;
    if (goingOut_)
        inHand_ = paused_ = goingOut_ = false;
    const std::optional<Answer> answer = std::exchange(lastAnswer_, std::nullopt);
    if (answer == Answer::Cancel) {
        if (!game_->ended() || programEnds_ != 1)
            return fail("Cancel at the end of a game did not end the program");
        ++gamesEnded;
        return freshGame();
    }
    if (answer == Answer::Ok)
        scores_.clear();
    if (game_->ended())
        return fail("the program ended without a Cancel");
    check("after the action");
}

void RandomPlay::check(const char* when) {
    if (const std::string fault = brokenRule(); !fault.empty())
        fail(fault + " (" + when + ")");
    foundations_ = game_->table().pileTop;
}

void RandomPlay::fail(const std::string& fault) {
    if (failure.empty())
        failure = fault + " at action " + std::to_string(actions_) + ", " + action_;
}

}  // namespace zanfel::testing
