#include "random_play.h"

#include <algorithm>
#include <utility>

namespace zanfel::testing {

// The clock behind the shuffle only moves when asked, so a seed gives the same decks each run.
RandomPlay::RandomPlay(Choices& choices, std::uint64_t dealSeed)
    : choices_(choices), clock_(dealSeed), random_([this] { return clock_ += 7919; }) {
    freshGame();
}

void RandomPlay::freshGame() {
    game_.emplace(*this, random_);
    shown_.fill(-1);
    foundations_ = {};
    inHand_ = paused_ = goingOut_ = false;
    scores_.clear();
    ticksThisHand_ = programEnds_ = 0;
    action_ = "start-up";
    game_->startUp();
    check("after start-up");
}

bool RandomPlay::step() {
    if (!failure.empty() || choices_.exhausted())
        return false;
    ++actions_;
    if (inHand_ && ticksThisHand_ > kTickLimit) {
        action_ = "New Game on a blocked hand";
        newGame();
    } else {
        perform(choices_.next());
    }
    afterAction();
    return failure.empty();
}

// Ticks and good moves come most often, so that both sides go out now and then; the menu
// commands only while their items are enabled, as the menu and its shortcuts allow. Drags take
// any own pile's top card to any foundation or own pile. New Game is rare, so that most hands
// run until someone goes out.
void RandomPlay::perform(std::uint8_t choice) {
    using Run = void (*)(RandomPlay&, Game&);
    static constexpr std::pair<const char*, Run> kActions[] = {
        {"tick", [](RandomPlay& p, Game&) { p.tick(); }},
        {"deck click", [](RandomPlay& p, Game&) { p.deckClick(); }},
        {"drop on a foundation",
         [](RandomPlay& p, Game& game) {
             const int at = p.choices_.next();
             game.dropOnFoundation(at % kSlotsPerPlayer, at / kSlotsPerPlayer % kFoundations);
         }},
        {"drop on an own pile",
         [](RandomPlay& p, Game& game) {
             const int at = p.choices_.next(), target = at / kSlotsPerPlayer % kSlotsPerPlayer;
             const int before = game.table().lstStack[target].count();
             game.dropOnStack(at % kSlotsPerPlayer, target);
             // Counts alone would not tell a card that moved onto the stock or the personal pile.
             if ((target == kStockSlot || target == kPersonalSlot) &&
                 game.table().lstStack[target].count() > before)
                 p.fail("the stock or the personal pile took a card");
         }},
        {"double-click",
         [](RandomPlay& p, Game& game) { game.playToFoundation(p.choices_.next() % kSlotsPerPlayer); }},
        {"good move", [](RandomPlay& p, Game&) { p.goodMove(); }},
        {"No one can play",
         [](RandomPlay&, Game& game) {
             if (game.controls().unstuckEnabled)
                 game.noOneCanPlayCommand();
         }},
        {"Pause",
         [](RandomPlay& p, Game& game) {
             if (game.controls().pauseEnabled)
                 game.pauseCommand(), p.paused_ = !p.paused_;
         }},
        {"Skill Level",
         [](RandomPlay& p, Game& game) { game.levelCommand(p.choices_.next() % kLevelCount + 1); }},
        {"Deal",
         [](RandomPlay& p, Game& game) {
             if (game.controls().dealEnabled)
                 game.dealCommand(), p.handDealt();
         }},
        {"New Game", [](RandomPlay& p, Game&) { p.newGame(); }},
        {"Score",
         [](RandomPlay& p, Game& game) {
             p.sheetFromMenu_ = true;
             p.sheetHidden_ = false;
             game.scoreCommand();
             p.sheetFromMenu_ = false;
         }},
        {"Card Count", [](RandomPlay&, Game& game) { game.cardCountCommand(); }},
    };
    constexpr int kTicks = 96, kGoodMoves = 48, kMenu = 10;
    int kind = choice < kTicks ? 0 : choice < kTicks + kGoodMoves ? 5 : std::max(0, choice % 16 - 5);
    if (kind == kMenu) {
        const int item = choices_.next();
        kind += item == 0 ? 0 : item < 64 ? 1 : 2;
    }
    action_ = kActions[kind].first;
    kActions[kind].second(*this, *game_);
}

// A player who knows the game: a card to a foundation, the personal pile's top onto a work
// pile, the stock's card onto a work pile, else the stock turned. Without it the human would
// hardly ever go out before the computer players.
void RandomPlay::goodMove() {
    const auto& piles = game_->table().lstStack;
    for (int slot : {kPersonalSlot, 1, 2, 3, 4, kStockSlot})
        if (!piles[slot].empty() && game_->table().lowestFoundationTaking(piles[slot].top()) >= 0)
            return game_->playToFoundation(slot);
    for (int slot : {kPersonalSlot, kStockSlot})
        for (int target = kFirstWorkSlot; target <= kLastWorkSlot && !piles[slot].empty(); ++target)
            if (piles[target].empty() || buildsDownOn(piles[slot].top(), piles[target].top()))
                return game_->dropOnStack(slot, target);
    deckClick();
}

// Between hands the deck deals.
void RandomPlay::deckClick() {
    game_->deckClicked();
    if (!inHand_)
        handDealt();
}

void RandomPlay::handDealt() {
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

void RandomPlay::tick() {
    if (game_->controls().timerEnabled)
        ++ticksThisHand_, game_->tick();
}

void RandomPlay::announceGoingOut(const Announcement&) {
    goingOut_ = handEnded_ = true;
    bool someoneOut = false;
    for (int player = 0; player < kPlayers; ++player)
        someoneOut = someoneOut || game_->table().pileOf(player, kPersonalSlot).empty();
    if (!someoneOut)
        fail("a hand ended with every personal pile still holding cards");
    check("on the announcement");
}

void RandomPlay::showScoreSheet(const ScoreSheetText&) {
    const int asked = questions_;
    if (sheetFromMenu_) {
        sheetFromMenu_ = false;  // a tally's showing after it is not the menu's
        game_->scoreSheetActivated();
        if (questions_ != asked)
            fail("the Score command asked to play again");
        // The sheet is modal: only the timer reaches the game until it is closed.
        while (failure.empty() && !sheetHidden_ && game_->controls().timerEnabled &&
               choices_.next() % 8 != 0) {
            action_ = "tick behind the score sheet";
            tick();
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
    bool over = false;
    for (int player = 0; player < kPlayers; ++player)
        over = over || totalOf(scores_, player) > 99;
    if ((questions_ != asked) != over)
        fail(over ? "a total passed 99 without the question"
                  : "asked to play again before any total passed 99");
}

void RandomPlay::afterAction() {
    if (!failure.empty())
        return;
    if (std::exchange(handEnded_, false)) {
        inHand_ = paused_ = goingOut_ = false;
        ticksThisHand_ = 0;
    }
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
    if (failure.empty())
        if (const std::string fault = brokenRule(); !fault.empty())
            fail(fault + " (" + when + ")");
    foundations_ = game_->table().pileTop;
}

void RandomPlay::fail(const std::string& fault) {
    if (failure.empty())
        failure = fault + " at action " + std::to_string(actions_) + ", " + action_;
}

}  // namespace zanfel::testing
