// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zanfel::net {

// This program's version as a greeting or a refusal names it, such as "2.0"; set by the build.
inline QString programVersion() {
    return QStringLiteral(ZANFEL_PROGRAM_VERSION);
}

}  // namespace zanfel::net
