// SPDX-License-Identifier: GPL-3.0-or-later
#include "guest_game.h"

#include "seat_view.h"
#include "table_changes.h"

namespace zanfel::net {

namespace {
constexpr CardNumber kUnknownOnScreen = -2;
}

GuestGame::GuestGame(GuestSession& session, TableView& view, QObject* parent)
    : QObject(parent), session_(session), view_(view) {
    controls_.hostDecides = true;
    controls_.dealEnabled = false;
    controls_.pauseEnabled = false;
    controls_.noOneCanPlayEnabled = false;
    controls_.hint = Hint::Deal;
    controls_.levelChecked[kNormalLevel] = true;
    connect(&session_, &GuestSession::welcomed, this, [this](int seat) {
        seat_ = seat;
        table_ = GuestTable(seat);
    });
    connect(&session_, &GuestSession::lobbyChanged, this, [this] { seatsChanged(session_.lobby()); });
    connect(&session_, &GuestSession::started, this, &GuestGame::restart);
    connect(&session_, &GuestSession::received, this, &GuestGame::take);
    connect(&session_, &GuestSession::ended, this, &GuestGame::sessionEnded);
}

// The window goes back to a game of its own; a modal window of this game still closing must
// not show anything of it on the way.
void GuestGame::sessionEnded() {
    sessionOver_ = true;
    held_.clear();
}

// The game began, or this guest came back to it: everything it knew is told again. The screen
// keeps what it shows until then, so a guest coming back sees no empty table in between.
void GuestGame::restart() {
    seat_ = session_.seat();
    table_ = GuestTable(seat_);
    scores_.clear();
    sheet_ = {};
    gameOver_.reset();
    held_.clear();
    awaiting_ = true;
    onScreen_.fill(kUnknownOnScreen);  // whatever the window showed before, every image is shown anew
}

void GuestGame::take(const Message& message) {
    if (modalDepth_ > 0)
        return hold(message);
    handle(message);
}

// In a modal window: the table and the answers are taken in unseen, a new hand closes the score
// sheet, and the rest waits in order.
void GuestGame::hold(const Message& message) {
    if (const auto* changes = std::get_if<TableChanges>(&message))
        return table_.apply(*changes);
    if (const auto* answer = std::get_if<MoveAnswer>(&message))
        return table_.settle(answer->seq);
    if (const auto* state = std::get_if<ControlsState>(&message)) {
        if (state->handInPlay && !inHand_)
            view_.hideScoreSheet();
        inHand_ = state->handInPlay;
        if (!held_.empty() && std::holds_alternative<ControlsState>(held_.back()))
            held_.pop_back();
    }
    held_.push_back(message);
}

void GuestGame::handle(const Message& message) {
    if (const auto* changes = std::get_if<TableChanges>(&message))
        tableChanged(*changes);
    else if (const auto* state = std::get_if<ControlsState>(&message))
        controlsChanged(*state);
    else if (const auto* answer = std::get_if<MoveAnswer>(&message))
        answered(*answer);
    else if (const auto* out = std::get_if<WentOut>(&message))
        announce(out->player);
    else if (const auto* scored = std::get_if<HandScored>(&message))
        handScored(*scored);
    else if (const auto* rows = std::get_if<ScoreHistory>(&message))
        history(*rows);
}

// A refused move's card goes back where it came from, and the screen sees it go.
void GuestGame::answered(const MoveAnswer& answer) {
    const std::optional<GuestTable::Places> places = table_.placesOf(answer.seq);
    table_.settle(answer.seq);
    refresh();
    if (!answer.accepted && places && !sessionOver_)
        view_.moveTakenBack(localImage(seat_, imageAt(places->from)), localImage(seat_, imageAt(places->to)));
}

void GuestGame::tableChanged(const TableChanges& changes) {
    table_.apply(changes);
    refresh();
    for (std::size_t i = 0; i + 1 < changes.moves.size(); i += 2) {
        const PileImage from = imageAt(changes.moves[i]), to = imageAt(changes.moves[i + 1]);
        const int player = changes.moves[i] / kSlotsPerPlayer;
        const int local = localPlayer(seat_, player);
        if (player == seat_ || awaiting_)
            continue;  // the guest's own moves showed as they were made
        if (seats_[local].kind == SeatKind::Computer)
            view_.markComputerMove(localImage(seat_, from), localImage(seat_, to));
        else
            view_.markPersonMove(local, localImage(seat_, from), localImage(seat_, to));
    }
}

void GuestGame::controlsChanged(const ControlsState& state) {
    inHand_ = state.handInPlay;
    controls_.hint = static_cast<Hint>(state.hint);
    controls_.pauseChecked = state.paused;
    controls_.pausedBy = localPlayer(seat_, state.pausedBy);
    controls_.levelChecked.fill(false);
    controls_.levelChecked[state.level] = true;
    controls_.timerIntervalMs = kLevelIntervalMs[state.level];
    controls_.noOneCanPlayEnabled = state.noOneCanPlayEnabled;
    for (int player = 0; player < kPlayers; ++player)
        controls_.askedNoOneCanPlay[localPlayer(seat_, player)] = (state.asks >> player & 1) != 0;
    if (state.handsListed == 0 && sheet_.handsListed > 0) {  // the host began a new game
        scores_.clear();
        sheet_.handsListed = 0;
        gameOver_.reset();
    }
    awaiting_ = false;
    refresh();
    view_.showControls();
}

HandRow GuestGame::localRow(const std::vector<int>& hostRow) const {
    HandRow row{};
    for (int player = 0; player < kPlayers; ++player)
        row[localPlayer(seat_, player)] = static_cast<std::int16_t>(hostRow[player]);
    return row;
}

Totals GuestGame::localTotals(const std::vector<int>& hostTotals) const {
    Totals totals{};
    for (int player = 0; player < kPlayers; ++player)
        totals[localPlayer(seat_, player)] = hostTotals[player];
    return totals;
}

// The guest's record counts the hand from its own seat, apart from the levels.
void GuestGame::handScored(const HandScored& scored) {
    scores_.set(scored.hand, localRow(scored.row));
    sheet_.handsListed = scored.hand;
    sheet_.totals = localTotals(scored.totals);
    const int wentOut = scored.wentOut < 0 ? kNobodyOut : localPlayer(seat_, scored.wentOut);
    view_.recordHand(HandResult{scored.level, scores_.row(scored.hand), wentOut, scored.gameOver,
                                sheet_.totals, true, true});
    gameOver_.reset();
    if (scored.gameOver)
        gameOver_ = GameOutcome{true, scored.tie, localPlayer(seat_, scored.leader)};
    modal(&TableView::showScoreSheet);
}

void GuestGame::history(const ScoreHistory& rows) {
    for (std::size_t i = 0; i + kPlayers <= rows.rows.size(); i += kPlayers) {
        const int hand = rows.firstHand + static_cast<int>(i / kPlayers);
        scores_.set(hand, localRow({rows.rows.begin() + i, rows.rows.begin() + i + kPlayers}));
        sheet_.handsListed = std::max(sheet_.handsListed, hand);
    }
    sheet_.totals = localTotals(rows.totals);
}

void GuestGame::seatsChanged(const LobbySeats& lobby) {
    if (session_.state() != GuestSession::State::Playing && lobby.yourSeat != seat_) {
        seat_ = lobby.yourSeat;  // the host moved this guest in the lobby
        table_ = GuestTable(seat_);
    }
    for (int player = 0; player < kPlayers; ++player) {
        SeatKind kind = static_cast<SeatKind>(lobby.kinds[player]);
        if (player == seat_)
            kind = SeatKind::Here;
        else if (kind == SeatKind::Here)
            kind = SeatKind::Elsewhere;  // the host is a person elsewhere, seen from here
        seats_[localPlayer(seat_, player)] = Seat{kind, lobby.names[player].toStdString()};
    }
    view_.showControls();
}

void GuestGame::announce(int player) {
    table_.settleAll();
    refresh();
    view_.markGoingOut(localImage(seat_, imageOf(player, kPersonalSlot)));
    ++modalDepth_;
    view_.announceGoingOut(localPlayer(seat_, player));
    --modalDepth_;
    drain();
}

void GuestGame::modal(void (TableView::*call)()) {
    ++modalDepth_;
    (view_.*call)();
    --modalDepth_;
    drain();
}

// What waited while a modal window was up, in the order it came; the table as it now stands.
void GuestGame::drain() {
    if (sessionOver_)
        return;
    refresh();
    while (modalDepth_ == 0 && !held_.empty()) {
        const Message message = std::move(held_.front());
        held_.pop_front();
        handle(message);
    }
}

// Every image whose card changed is shown again, and the counts of the guest's own piles.
void GuestGame::refresh() {
    if (awaiting_ || sessionOver_)
        return;
    shown_ = table_.shown();
    for (ImageKind kind : {ImageKind::Stack, ImageKind::Player, ImageKind::Foundation}) {
        const int count = kind == ImageKind::Stack    ? kSlotsPerPlayer
                          : kind == ImageKind::Player ? kComputerLists
                                                      : kFoundations;
        for (int index = 0; index < count; ++index) {
            const PileImage image{kind, index};
            const CardNumber card = cardFor(image);
            if (std::exchange(onScreen_[flatIndex(image)], card) != card)
                view_.showImage(image, card);
        }
    }
    std::array<int, kSlotsPerPlayer> counts{};
    for (int slot = 0; slot < kSlotsPerPlayer; ++slot)
        counts[slot] = countOf({ImageKind::Stack, slot});
    if (std::exchange(controls_.counts, counts) != counts)
        view_.showControls();
}

VisiblePile GuestGame::shownPile(PileImage image) const {
    return valueAt(shown_, placeOf(hostImage(seat_, image)));
}

CardNumber GuestGame::cardFor(PileImage image) const {
    return shownPile(image).top;
}

int GuestGame::countOf(PileImage image) const {
    return image.kind == ImageKind::Foundation ? 0 : shownPile(image).count;
}

CardNumber GuestGame::cardBeneath(int slot) const {
    if (!isSlot(slot) || shownPile({ImageKind::Stack, slot}).count <= 1)
        return kNoCard;
    const CardNumber beneath = isWorkSlot(slot) ? shown_.ownBeneath[slot] : kNoCard;
    return beneath > kNoCard ? beneath : kHiddenCard;
}

bool GuestGame::mayMove() const {
    return !ended_ && seat_ > 0 && modalDepth_ == 0 && inHand_ && !controls_.pauseChecked &&
           session_.state() == GuestSession::State::Playing;
}

int GuestGame::nextSeq() {
    seq_ = (seq_ + 1) & 0xffff;
    return seq_;
}

void GuestGame::deckClicked() {
    if (mayMove())
        session_.send(DeckClick{nextSeq()});
}

bool GuestGame::dropOnFoundation(int sourceSlot, int foundation) {
    if (!mayMove() || !isSlot(sourceSlot) || foundation < 0 || foundation >= kFoundations)
        return false;
    const int seq = nextSeq();
    if (!table_.predictToFoundation(seq, sourceSlot, foundation))
        return false;
    session_.send(DropOnFoundation{seq, sourceSlot, foundation});
    refresh();
    return true;
}

bool GuestGame::dropOnStack(int sourceSlot, int target) {
    if (!mayMove() || !isSlot(sourceSlot) || !isSlot(target))
        return false;
    const int seq = nextSeq();
    if (!table_.predictToStack(seq, sourceSlot, target))
        return false;
    session_.send(DropOnStack{seq, sourceSlot, target});
    refresh();
    return true;
}

// The host plays the card to whichever foundation takes it when the click reaches it; the one
// shown meanwhile is the one that takes it here.
bool GuestGame::playToFoundation(int sourceSlot) {
    if (!mayMove() || !isSlot(sourceSlot))
        return false;
    const CardNumber card = cardFor({ImageKind::Stack, sourceSlot});
    for (int j = 0; j < kFoundations; ++j) {
        if (card > kNoCard && fitsOnFoundation(shown_.foundations[j], card)) {
            const int seq = nextSeq();
            table_.predictToFoundation(seq, sourceSlot, j);
            session_.send(DoubleClick{seq, sourceSlot});
            refresh();
            return true;
        }
    }
    return false;
}

PlacesTaking GuestGame::placesTaking(int sourceSlot) const {
    PlacesTaking places;
    const CardNumber card = isSlot(sourceSlot) ? cardFor({ImageKind::Stack, sourceSlot}) : kNoCard;
    if (!mayMove() || card <= kNoCard)
        return places;
    for (int j = 0; j < kFoundations; ++j)
        places.foundation[j] = fitsOnFoundation(shown_.foundations[j], card);
    for (int k = kFirstWorkSlot; k <= kLastWorkSlot; ++k) {
        const VisiblePile pile = shownPile({ImageKind::Stack, k});
        places.stack[k] = pile.count == 0 || buildsDownOn(card, pile.top);
    }
    return places;
}

void GuestGame::noOneCanPlayCommand() {
    if (!ended_ && controls_.noOneCanPlayEnabled && !controls_.askedNoOneCanPlay[kHuman])
        session_.send(AskNoOneCanPlay{});
}

void GuestGame::scoreCommand() {
    if (!ended_ && modalDepth_ == 0 && sheet_.handsListed > 0)
        modal(&TableView::showScoreSheet);
}

void GuestGame::scoreSheetActivated() {
    if (gameOver_)
        view_.showGameOver(*gameOver_);
}

void GuestGame::cardCountCommand() {
    controls_.cardCountChecked = !controls_.cardCountChecked;
    view_.showControls();
}

void GuestGame::resetOptionsCommand() {
    view_.resetTableColour();
    controls_.cardCountChecked = false;
    view_.showControls();
}

void GuestGame::exitCommand() {
    if (ended_)
        return;
    ended_ = true;
    session_.leave();
    view_.endProgram();
}

}  // namespace zanfel::net
