#include "random_play.h"

namespace zanfel::testing {

namespace {

constexpr int kWinningLine = 99;

// Each card played counts one, each card left on the personal pile costs two more.
HandRow scoreOfFinalPosition(const Table& table) {
    HandRow row{};
    for (int player = 0; player < kPlayers; ++player) {
        int held = 0;
        for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
            held += table.pileOf(player, slot).count();
        row[player] =
            static_cast<std::int16_t>(kDeckSize - held - 2 * table.pileOf(player, kPersonalSlot).count());
    }
    return row;
}

bool someTotalPasses99(const std::vector<HandRow>& scores) {
    for (int player = 0; player < kPlayers; ++player) {
        int total = 0;
        for (const HandRow& row : scores)
            total += row[player];
        if (total > kWinningLine)
            return true;
    }
    return false;
}

}  // namespace

std::uint8_t Choices::next() {
    if (generator_)
        return static_cast<std::uint8_t>((*generator_)() & 0xff);
    return next_ < bytes_.size() ? bytes_[next_++] : 0;
}

// The clock behind the shuffle only moves when asked, so a seed gives the same decks each run.
RandomPlay::RandomPlay(Choices& choices, std::uint64_t dealSeed)
    : choices_(choices), clock_(dealSeed), random_([this] { return clock_ += 7919; }) {
    freshGame();
}

void RandomPlay::freshGame() {
    game_.emplace(*this, random_);
    shown_.fill(kNeverShown);
    checker_ = InvariantChecker{};
    expected_ = Expected{};
    ticksThisHand_ = 0;
    programEnds_ = 0;
    action_ = "start-up";
    game_->startUp();
    check("after start-up");
}

bool RandomPlay::step() {
    if (!failure_.empty() || choices_.exhausted())
        return false;
    ++actions_;
    if (expected_.inHand && ticksThisHand_ > kTickLimit) {
        action_ = "New Game on a blocked hand";
        newGame();
    } else {
        perform(choices_.next());
    }
    afterAction();
    return failure_.empty();
}

// Ticks and good moves come most often, so that both sides go out now and then; the menu
// commands only while their items are enabled, as the menu and its shortcuts allow.
void RandomPlay::perform(std::uint8_t choice) {
    constexpr int kTicks = 96;
    constexpr int kGoodMoves = 48;
    const Controls& controls = game_->controls();
    if (choice < kTicks)
        choice = 0;
    else if (choice < kTicks + kGoodMoves)
        choice = 10;
    switch (choice % 16) {
        case 6:
            deckClick();
            return;
        case 7:
        case 8:
        case 9:
            tableAction(choice);
            return;
        case 10:
            goodMove();
            return;
        case 11:
            action_ = "No one can play";
            if (controls.unstuckEnabled)
                game_->noOneCanPlayCommand();
            return;
        case 12:
            action_ = "Pause";
            if (controls.pauseEnabled) {
                game_->pauseCommand();
                expected_.paused = !expected_.paused;
            }
            return;
        case 13:
            action_ = "Skill Level";
            game_->levelCommand(choices_.next() % kLevelCount + 1);
            return;
        case 14:
            deal();
            return;
        case 15:
            menuCommand(choices_.next());
            return;
        default:
            action_ = "tick";
            tick();
            return;
    }
}

// Drags of any own pile's top card to any foundation or own pile, and double-clicks.
void RandomPlay::tableAction(std::uint8_t choice) {
    const int where = choices_.next();
    const int slot = where % kSlotsPerPlayer;
    if (choice % 16 == 7) {
        action_ = "drop on a foundation";
        game_->dropOnFoundation(slot, where / kSlotsPerPlayer % kFoundations);
    } else if (choice % 16 == 8) {
        action_ = "drop on an own pile";
        const int target = where / kSlotsPerPlayer % kSlotsPerPlayer;
        const int before = game_->table().lstStack[target].count();
        game_->dropOnStack(slot, target);
        // Counts alone would not tell a card that moved onto the stock or the personal pile.
        if ((target == kStockSlot || target == kPersonalSlot) &&
            game_->table().lstStack[target].count() > before)
            fail("the stock or the personal pile took a card");
    } else {
        action_ = "double-click";
        game_->playToFoundation(slot);
    }
}

// A player who knows the game: a card to a foundation, the personal pile's top onto a work
// pile, the stock's card onto a work pile, else the stock turned. Without it the human would
// hardly ever go out before the computer players.
void RandomPlay::goodMove() {
    action_ = "good move";
    const Table& table = game_->table();
    for (int slot : {kPersonalSlot, 1, 2, 3, 4, kStockSlot}) {
        if (!table.lstStack[slot].empty() && table.lowestFoundationTaking(table.lstStack[slot].top()) >= 0)
            return game_->playToFoundation(slot);
    }
    for (int slot : {kPersonalSlot, kStockSlot}) {
        if (table.lstStack[slot].empty())
            continue;
        for (int target = kFirstWorkSlot; target <= kLastWorkSlot; ++target) {
            const PileList& pile = table.lstStack[target];
            if (pile.empty() || buildsDownOn(table.lstStack[slot].top(), pile.top()))
                return game_->dropOnStack(slot, target);
        }
    }
    deckClick();
}

// New Game is rare, so that most hands run until someone goes out.
void RandomPlay::menuCommand(std::uint8_t choice) {
    if (choice == 0) {
        action_ = "New Game";
        newGame();
    } else if (choice < 64) {
        action_ = "Score";
        score();
    } else {
        action_ = "Card Count";
        game_->cardCountCommand();
    }
}

void RandomPlay::deckClick() {
    action_ = "deck click";
    const bool deals = !expected_.inHand;
    game_->deckClicked();
    if (deals)
        handDealt();
}

void RandomPlay::deal() {
    action_ = "Deal";
    if (!game_->controls().dealEnabled)
        return;
    game_->dealCommand();
    handDealt();
}

void RandomPlay::handDealt() {
    expected_.inHand = true;
    expected_.paused = false;
    ticksThisHand_ = 0;
    ++deals_;
}

void RandomPlay::newGame() {
    game_->newGameCommand();
    expected_.inHand = false;
    expected_.paused = false;
    expected_.scores.clear();
}

void RandomPlay::tick() {
    if (!game_->controls().timerEnabled)
        return;
    ++ticksThisHand_;
    game_->tick();
}

void RandomPlay::score() {
    sheetFromMenu_ = true;
    sheetHidden_ = false;
    game_->scoreCommand();
    sheetFromMenu_ = false;
}

void RandomPlay::showImage(PileImage image, CardNumber card) {
    shown_[flatIndex(image)] = card;
}

void RandomPlay::announceGoingOut(const Announcement&) {
    expected_.goingOut = true;
    handEnded_ = true;
    const Table& table = game_->table();
    bool someoneOut = false;
    for (int player = 0; player < kPlayers; ++player)
        someoneOut = someoneOut || table.pileOf(player, kPersonalSlot).empty();
    if (!someoneOut)
        fail("a hand ended with every personal pile still holding cards");
    finalRow_ = scoreOfFinalPosition(table);
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
        while (failure_.empty() && !sheetHidden_ && game_->controls().timerEnabled &&
               choices_.next() % 8 != 0) {
            action_ = "tick behind the score sheet";
            tick();
            expected_.goingOut = sheetHidden_;
            check("behind the score sheet");
        }
        return;
    }
    expected_.scores.push_back(finalRow_);
    ++handsScored_;
    check("on the score sheet");
    game_->scoreSheetActivated();
    const bool over = someTotalPasses99(expected_.scores);
    if ((questions_ != asked) != over)
        fail(over ? "a total passed 99 without the question"
                  : "asked to play again before any total passed 99");
}

Answer RandomPlay::askPlayAgain(const std::string&) {
    ++questions_;
    lastAnswer_ = choices_.next() & 1 ? Answer::Cancel : Answer::Ok;
    return *lastAnswer_;
}

void RandomPlay::afterAction() {
    if (!failure_.empty())
        return;
    if (handEnded_) {
        handEnded_ = false;
        expected_.inHand = expected_.paused = expected_.goingOut = false;
        ticksThisHand_ = 0;
    }
    const std::optional<Answer> answer = lastAnswer_;
    lastAnswer_.reset();
    if (answer == Answer::Cancel) {
        if (!game_->ended() || programEnds_ != 1)
            return fail("Cancel at the end of a game did not end the program");
        ++gamesEnded_;
        return freshGame();
    }
    if (answer == Answer::Ok)
        expected_.scores.clear();
    if (game_->ended())
        return fail("the program ended without a Cancel");
    check("after the action");
}

void RandomPlay::check(const char* when) {
    if (!failure_.empty())
        return;
    const std::string fault = checker_.check(*game_, shown_, expected_);
    if (!fault.empty())
        fail(fault + " (" + when + ")");
}

void RandomPlay::fail(const std::string& fault) {
    if (failure_.empty())
        failure_ = fault + " at action " + std::to_string(actions_) + ", " + action_;
}

}  // namespace zanfel::testing
