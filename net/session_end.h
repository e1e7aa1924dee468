// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "message.h"

namespace zanfel::net {

// Why a guest's session ended, for the window to say.
struct SessionEnd {
    enum class Why { Left, Refused, HostLeft, Lost, Broken };
    Why why = Why::Left;
    Refusal refusal = Refusal::None;  // the host's reason when refused, ours when broken
    LeavingReason leaving = LeavingReason::Quit;
    QString hostProgram;  // the host's versions, when it said them
    int hostProtocol = 0;
};

}  // namespace zanfel::net
