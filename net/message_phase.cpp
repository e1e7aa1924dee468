// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_phase.h"

#include <array>

#include "message.h"

namespace zanfel::net {

namespace {

constexpr Verdict T = Verdict::Take, R = Verdict::Refuse, C = Verdict::Close;

// By guest kind, then phase: greeting, lobby, between hands, in a hand.
constexpr std::array<std::array<Verdict, 4>, kFirstHostKind - 1> kGuestTable{{
    {T, C, C, C},  // Hello
    {C, C, R, T},  // DeckClick
    {C, C, R, T},  // DropOnFoundation
    {C, C, R, T},  // DropOnStack
    {C, C, R, T},  // DoubleClick
    {C, C, R, T},  // AskNoOneCanPlay
    {C, T, T, T},  // Leave
    {C, T, T, T},  // Pong
}};
static_assert(kindOf<Pong>() == kFirstHostKind - 1);

}  // namespace

PhaseVerdict judgeGuestMessage(int kind, Phase phase) {
    if (!isGuestKind(kind))
        return {Verdict::Close, Refusal::WrongDirection};
    const Verdict verdict = kGuestTable[kind - 1][static_cast<int>(phase)];
    return {verdict, verdict == Verdict::Take ? Refusal::None : Refusal::WrongPhase};
}

// Before its welcome a guest hears only the welcome, a refusal, the host leaving or a ping;
// after it, everything but a second welcome.
PhaseVerdict judgeHostMessage(int kind, bool welcomed) {
    if (isGuestKind(kind))
        return {Verdict::Close, Refusal::WrongDirection};
    const bool greeting = kind == kindOf<Welcome>() || kind == kindOf<Refused>() ||
                          kind == kindOf<HostLeaving>() || kind == kindOf<Ping>();
    const bool fits = welcomed ? kind != kindOf<Welcome>() : greeting;
    return fits ? PhaseVerdict{Verdict::Take, Refusal::None}
                : PhaseVerdict{Verdict::Close, Refusal::WrongPhase};
}

}  // namespace zanfel::net
